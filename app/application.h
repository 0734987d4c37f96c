// The one object that owns the run: the application's identity, the user-interface services,
// the start-up record, the folders the file dialogs start in, the motion tables, the driver,
// the script and its runner, and the windows, each created once.
#pragma once

#include "config/document_folders.h"
#include "config/setup_record.h"
#include "control/clock.h"
#include "control/control_window.h"
#include "control/motion_model.h"
#include "control/tavik_binding.h"
#include "script/node_editor.h"
#include "script/script_model.h"
#include "script/script_runner.h"
#include "script/script_window.h"
#include "settings/settings_window.h"
#include "ui/app_identity.h"
#include "ui/qt_ui_services.h"

namespace quarnel {

class Application {
public:
  explicit Application(std::string folder);
  void show();

private:
  void openControls();
  void showRunState();

  AppIdentity m_identity;
  QtUiServices m_ui;
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
};

} // namespace quarnel
