// Creating the windows and wiring them to each other.
#include "application.h"

#include <QAction>
#include <QPushButton>

namespace quarnel {

Application::Application(std::string folder)
    : m_identity(AppIdentity::quarnel(std::move(folder))),
      m_tavik(m_identity.folder + "/libTavik.so"),
      m_frmSettings(m_setup, m_ui, m_identity),
      m_frmControls(m_motion, m_tavik, m_clock, m_setup, m_frmSettings.configuration(), m_ui, m_identity) {
  QObject::connect(m_frmSettings.controlsButton(), &QPushButton::clicked, [this] { openControls(); });
  QObject::connect(m_frmSettings.controlsMenuItem(), &QAction::triggered, [this] { openControls(); });
  m_frmControls.closeAllowed = [this] { return !m_motion.nodeEditorOpen(); };
  m_frmControls.unloaded = [this] { m_frmSettings.show(); };
}

void Application::show() { m_frmSettings.show(); }

void Application::openControls() {
  if (m_frmControls.isLoaded()) return;
  // Without the driver there is no control window; the user's rows stay as they are.
  if (const auto problem = m_tavik.bind()) {
    m_ui.messageBox(*problem, m_identity.productName, MessageIcon::Critical, MessageButtons::Ok);
    return;
  }
  m_frmSettings.hide();
  m_frmControls.load();
}

} // namespace quarnel
