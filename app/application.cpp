// Creating the windows and wiring them to each other.
#include "application.h"

#include "link/driver_location.h"
#include "ports/ports_dialog.h"
#include "settings/sound_timing_dialog.h"
#include "script_window/script_controls.h"
#include "ui/document_files.h"
#include "widgets/file_drop.h"
#include "widgets/recent_files_menu.h"
#include "widgets/window_placement.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTimer>

namespace quarnel {

Application::Application(std::string folder)
    : m_identity(AppIdentity::quarnelFor(std::move(folder))),
      m_remembered(m_identity.rememberedFilePath(), m_ui, m_identity.productName),
      m_folders(m_remembered.folders(QFile::encodeName(QDir::homePath()).toStdString())),
      m_tavik(tavikLibraryPath(m_identity.folder)),
      m_frmSettings(m_setup, m_ui, m_identity, m_folders),
      m_frmControls(m_motion, m_tavik, m_clock, m_setup, m_frmSettings.configuration(), m_ui, m_identity),
      m_script(m_frmSettings.configuration(), {m_ui, m_identity.productName}),
      m_scriptEdits(m_script),
      m_runner(m_script, m_motion, m_clock),
      m_frmScript(m_script, m_scriptEdits, m_runner, m_motion, m_clock, m_ui, m_identity, m_folders),
      m_frmNodeEdit(m_script, m_scriptEdits, m_motion, m_frmSettings.configuration(), m_ui, m_identity),
      m_frmTimeline(m_script, m_scriptEdits, m_runner, m_motion, m_frmSettings.configuration()) {
  m_frmSettings.controlsRequested = [this] { openControls(); };
  m_frmSettings.unsavedElsewhere = [this] { return m_frmScript.hasUnsavedChanges(); };
  m_frmSettings.quitting = [this] {
    if (!m_frmScript.mayDiscardChanges()) return false;
    m_frmScript.unload();
    return true;
  };
  m_frmSettings.servoSettingsFileUsed = [this](const std::string &path) {
    m_remembered.rememberDocument(DocumentKind::ServoSettings, path, m_folders);
    showRecentDocuments();
  };
  QObject::connect(m_frmSettings.portsMenuItem(), &QAction::triggered, [this] { openPorts(); });
  showPortCaptions();
  QObject::connect(m_frmSettings.soundTimingMenuItem(), &QAction::triggered, [this] { openSoundTiming(); });
  useSoundTiming(m_remembered.soundTiming());
  m_soundServer.unheard = [this](const std::string &why) {
    // After the runner's tick that played it: the run goes on behind the message.
    QTimer::singleShot(0, &m_frmScript, [this, why] {
      m_ui.messageBox(QCoreApplication::translate("Application", "The sound cannot be heard: %1 The scripts play on "
                                                                 "without it, timed by this machine's clock.")
                          .arg(QString::fromStdString(why))
                          .toStdString(),
                      m_identity.productName, MessageIcon::Warning, MessageButtons::Ok);
    });
  };

  m_frmControls.closeRefusal = [this] { return controlsCloseRefusal(); };
  // The board's servos belong to the servo settings they were last sent under.
  m_frmControls.lastPositions = [this] { return m_remembered.lastPositions(m_remembered.values().servoSettingsFile); };
  m_frmControls.boardLeftAt = [this](const ServoPositions &positions) {
    m_remembered.rememberPositions(m_remembered.values().servoSettingsFile, positions);
  };
  m_runner.setLineCarried([this] { return m_frmControls.lineCarried(); });
  m_frmControls.unloaded = [this] {
    m_runner.halt(); // a sound a single step started
    m_frmScript.hide();
    m_frmTimeline.hide();
    m_frmSettings.show();
  };
  m_frmControls.scriptRequested = [this] { m_frmScript.showBeside(m_frmControls); };
  m_frmControls.stopRequested = [this] { stopAll(); };
  m_frmScript.stopAllRequested = [this] { stopAll(); };
  m_frmControls.speedChanged = [this] { m_frmTimeline.inputChanged(); };

  m_runner.setStateListener([this] { showRunState(); });
  m_runner.setStopListener([this] { stopAll(); });
  m_frmScript.closed = [this] {
    m_frmTimeline.hide();
    m_motion.restoreManualSpeed();
  };
  m_frmScript.timelineRequested = [this] { m_frmTimeline.showBeside(m_frmScript, m_frmControls); };
  m_frmScript.scriptFileUsed = [this](const std::string &path) {
    m_remembered.rememberDocument(DocumentKind::Script, path, m_folders);
    showRecentDocuments();
  };
  // The editor's node must outlive it.
  m_frmScript.unloadAllowed = [this] { return !m_motion.nodeEditorOpen(); };
  m_frmScript.editRequested = [this](int index) { m_frmNodeEdit.openFor(index, m_frmControls, m_frmScript); };
  m_frmNodeEdit.closed = [this] { m_frmScript.editFinished(); };

  auto forgetGone = [this](RecentFilesMenu *menu, DocumentKind kind) {
    menu->gone = [this, kind](const std::string &path) {
      m_remembered.forgetRecentDocument(kind, path);
      showRecentDocuments();
    };
  };
  forgetGone(m_frmSettings.recentFilesMenu(), DocumentKind::ServoSettings);
  forgetGone(m_frmScript.recentFilesMenu(), DocumentKind::Script);
  showRecentDocuments();
  for (QWidget *window : std::initializer_list<QWidget *>{&m_frmSettings, &m_frmControls, &m_frmScript})
    new FileDrop(*window, [this](const std::string &path) { return mayOpen(path); },
                 [this](const std::vector<std::string> &paths) { openDocuments(paths); });
}

void Application::show() {
  m_frmSettings.show();
  if (!m_identity.keepsSettings())
    m_ui.messageBox(QCoreApplication::translate("Application",
                                                "There is no home folder to keep settings in: neither HOME nor "
                                                "XDG_CONFIG_HOME is set. %1 starts from its defaults, and the window "
                                                "positions, the board, port and baud choices and the files used last "
                                                "will not be kept after it ends.")
                        .arg(QString::fromStdString(m_identity.productName))
                        .toStdString(),
                    m_identity.productName, MessageIcon::Warning, MessageButtons::Ok);
  m_frmSettings.restoreServoSettings(m_remembered.values().servoSettingsFile);
}

void Application::openDocuments(const std::vector<std::string> &paths) {
  // Servo settings first: a script's control window takes its limits from the rows.
  for (DocumentKind kind : {DocumentKind::ServoSettings, DocumentKind::Script})
    for (const std::string &path : paths)
      if (documentKindOf(path) == kind) openDocument(path);
}

bool Application::mayOpen(const std::string &path) const {
  const auto kind = documentKindOf(path);
  if (!kind) return false;
  // The rows are the control window's limits while it is open.
  if (*kind == DocumentKind::ServoSettings) return !m_frmControls.isLoaded();
  // Not over a running script, nor under the node editor's node.
  return m_runner.idle() && !m_motion.nodeEditorOpen();
}

void Application::openDocument(const std::string &path) {
  if (!mayOpen(path)) return;
  if (documentKindOf(path) == DocumentKind::ServoSettings) m_frmSettings.openServoSettings(path);
  else openScript(path);
}

void Application::openScript(const std::string &path) {
  if (!m_frmControls.isLoaded()) m_frmSettings.requestControls();
  // A row refused by its check, or no driver: said, and the script stays unopened.
  if (!m_frmControls.isLoaded()) return;
  m_frmScript.showBeside(m_frmControls);
  m_frmScript.openFile(path);
}

void Application::showRecentDocuments() {
  m_frmSettings.recentFilesMenu()->showFiles(m_remembered.recentDocuments(DocumentKind::ServoSettings));
  m_frmScript.recentFilesMenu()->showFiles(m_remembered.recentDocuments(DocumentKind::Script));
}

void Application::showPortCaptions() {
  std::array<std::string, comPorts> captions;
  for (int port = 1; port <= comPorts; ++port)
    captions[port - 1] = portCaption(port, portRoute(port, m_portsAtStart, m_remembered.values().portDevices));
  m_frmSettings.showPortCaptions(captions);
}

void Application::openPorts() {
  auto *dialog = new PortsDialog(m_portsAtStart, m_remembered.values().portDevices, &m_frmSettings);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->adjustSize();
  moveOver(*dialog, m_frmSettings);
  QObject::connect(dialog, &QDialog::accepted, [this, dialog] {
    m_remembered.rememberPortDevices(dialog->chosen());
    showPortCaptions();
  });
  dialog->open();
}

void Application::openSoundTiming() {
  auto *dialog = new SoundTimingDialog(m_remembered.soundTiming(), &m_frmSettings);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  QObject::connect(dialog, &QDialog::accepted, [this, dialog] {
    m_remembered.rememberSoundTiming(dialog->chosen());
    useSoundTiming(dialog->chosen());
  });
  dialog->open();
}

void Application::useSoundTiming(const SoundTiming &timing) {
  m_clock.setOffsetMs(timing.offsetMs);
  m_script.setJawLookAheadMs(timing.jawLookAheadMs);
  m_frmTimeline.inputChanged();
}

void Application::showRunState() {
  m_frmScript.showRunState();
  m_frmControls.setBackEnabled(ScriptControls::forState(m_runner.idle()).controlBack);
}

// The link stays while a run or the node editor needs it; the user hears what to end first.
std::optional<std::string> Application::controlsCloseRefusal() const {
  if (m_motion.nodeEditorOpen())
    return QCoreApplication::translate("Application", "The node editor is open. Save or cancel it, then close this "
                                                      "window.").toStdString();
  if (!m_runner.idle())
    return QCoreApplication::translate("Application", "A script is running and needs the link to the board. Stop it "
                                                      "(STOP or Escape), then close this window.").toStdString();
  return std::nullopt;
}

void Application::stopAll() {
  // The run ends first: no line of it may set a target after the hold.
  m_runner.halt();
  m_motion.holdAll();
}

void Application::openControls() {
  if (m_frmControls.isLoaded()) return;
  // Without the driver there is no control window; the user's rows stay as they are.
  if (const auto problem = m_tavik.bind()) {
    m_ui.messageBox(*problem, m_identity.productName, MessageIcon::Critical, MessageButtons::Ok);
    return;
  }
  m_frmSettings.hide();
  handPortsToDriver(m_portsAtStart, m_remembered.values().portDevices);
  m_frmControls.load();
}

} // namespace quarnel
