// The application's objects wired as the program wires them, for end-to-end tests and
// benchmarks that drive the windows themselves: a folder of their own, the build's real
// libTavik.so, the control window on the caller's clock, and the script model and runner.
#pragma once

#include "config/app_identity.h"
#include "config/setup_record.h"
#include "control/control_window.h"
#include "link/tavik_binding.h"
#include "motion/clock.h"
#include "motion/motion_model.h"
#include "script/script_model.h"
#include "script/script_runner.h"
#include "script_window/script_edits.h"
#include "script_window/script_window.h"
#include "scripted_ui_services.h"
#include "servos/servo_configuration.h"
#include "sound/silent_player.h"
#include "temporary_folder.h"
#include "ui/document_folders.h"

#include <memory>
#include <string>

namespace quarnel {

class ApplicationParts {
public:
  explicit ApplicationParts(const Clock &clock);

  // The script window beside the controls, told of the runner's state as the program tells
  // it; made at the first call, so that a measurement of the control window alone has none.
  ScriptWindow &scriptWindow();

  tavik::testing::TemporaryFolder folder;
  AppIdentity identity;
  ServoConfiguration configuration;
  SetupRecord setup;
  MotionModel motion;
  TavikBinding tavik;
  ScriptedUiServices ui;
  DocumentFolders folders;
  ControlWindow controls;
  ScriptModel script;
  ScriptEdits edits;
  SilentPlayer sound;
  ScriptRunner runner;

private:
  const Clock &m_clock;
  std::unique_ptr<ScriptWindow> m_scriptWindow;
};

// Puts the build's libTavik.so in `programFolder` under the name the application loads, as the
// build tree has it.
void placeDriverIn(const std::string &programFolder);

// Puts the build's quarnel-play in `programFolder` with the driver beside it, as an installation
// has them: its settings are then the user's, not those of the build's own folder. Its path.
std::string placePlayerIn(const std::string &programFolder);

} // namespace quarnel
