// The one object that owns the run: the application's identity, the user-interface services,
// the start-up record, what is remembered between runs (the last files, the folders the file
// dialogs start in, the ports' devices), the motion tables, the driver, the script, its edits
// and its runner, and the windows, each created once.
#pragma once

#include "config/app_identity.h"
#include "config/remembered_settings.h"
#include "config/setup_record.h"
#include "control/control_window.h"
#include "link/port_route.h"
#include "link/tavik_binding.h"
#include "motion/clock.h"
#include "motion/motion_model.h"
#include "script/script_model.h"
#include "script/script_runner.h"
#include "script_window/node_editor.h"
#include "script_window/script_edits.h"
#include "script_window/script_window.h"
#include "settings/settings_window.h"
#include "timeline/timeline_window.h"
#include "ui/document_folders.h"
#include "widgets/qt_ui_services.h"

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
  void stopAll();

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
  ScriptEdits m_scriptEdits;
  ScriptRunner m_runner;
  ScriptWindow m_frmScript;
  NodeEditor m_frmNodeEdit;
  TimelineWindow m_frmTimeline;
};

} // namespace quarnel
