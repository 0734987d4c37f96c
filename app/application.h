// The one object that owns the run: the application's identity, the user-interface services,
// the start-up record, what is remembered between runs (the last files, the folders the file
// dialogs start in, the ports' devices), the motion tables, the driver, the script and its
// runner, and the windows, each created once.
#pragma once

#include "config/document_folders.h"
#include "config/setup_record.h"
#include "control/clock.h"
#include "control/control_window.h"
#include "control/motion_model.h"
#include "control/tavik_binding.h"
#include "ports/port_route.h"
#include "script/node_editor.h"
#include "script/script_model.h"
#include "script/script_runner.h"
#include "script/script_window.h"
#include "settings/settings_window.h"
#include "timeline/timeline_window.h"
#include "ui/app_identity.h"
#include "ui/qt_ui_services.h"
#include "ui/remembered_settings.h"

namespace quarnel {

class Application {
public:
  explicit Application(std::string folder);
  void show();

private:
  void openControls();
  void openPorts();
  void showPortCaptions();
  void showRunState();

  AppIdentity m_identity;
  QtUiServices m_ui;
  // Taken before the program hands its own choices to the driver through the same variables.
  const PortEnvironment m_portsAtStart = portEnvironment();
  RememberedSettings m_remembered;
  SetupRecord m_setup;
  DocumentFolders m_folders;
  MotionModel m_motion;
  SteadyClock m_clock;
  TavikBinding m_tavik;
  SettingsWindow m_frmSettings;
  ControlWindow m_frmControls;
  ScriptModel m_script;
  ScriptRunner m_runner;
  ScriptWindow m_frmScript;
  NodeEditor m_frmNodeEdit;
  TimelineWindow m_frmTimeline;
};

} // namespace quarnel
