// Creating and starting the windows.
#include "application.h"

namespace quarnel {

Application::Application(std::string folder)
    : m_identity(AppIdentity::quarnel(std::move(folder))),
      m_frmSettings(m_setup, m_ui, m_identity) {}

void Application::show() { m_frmSettings.show(); }

} // namespace quarnel
