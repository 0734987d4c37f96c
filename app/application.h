// The one object that owns the run: the application's identity, the user-interface services,
// the start-up record, what is remembered between runs (the last files, the folders the file
// dialogs start in, the ports' devices), the motion tables, the driver, the script, its edits
// and its runner, and the windows, each created once. Files the user opens from outside the
// windows (named at start, dropped on a window) come in here.
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
#include "sound/server_sound_player.h"
#include "sound/sound_clock.h"
#include "timeline/timeline_window.h"
#include "ui/document_folders.h"
#include "widgets/qt_ui_services.h"

#include <optional>
#include <string>
#include <vector>

namespace quarnel {

class Application {
public:
  explicit Application(std::string folder);
  void show();

  // Files named at start or dropped on a window: servo settings in the settings window, a
  // script in the script window beside the control window, which opens the link as its Script
  // button does.
  void openDocuments(const std::vector<std::string> &paths);

private:
  // Whether a file of this kind can be opened now, from the command line or a drop.
  bool mayOpen(const std::string &path) const;
  void openDocument(const std::string &path);
  void openScript(const std::string &path);
  void showRecentDocuments();
  void openControls();
  void openPorts();
  void openSoundTiming();
  void useSoundTiming(const SoundTiming &timing);
  void showPortCaptions();
  void showRunState();
  std::optional<std::string> controlsCloseRefusal() const;
  void stopAll();

  AppIdentity m_identity;
  QtUiServices m_ui;
  // Taken before the program hands its own choices to the driver through the same variables.
  const PortEnvironment m_portsAtStart = portEnvironment();
  RememberedSettings m_remembered;
  SetupRecord m_setup;
  DocumentFolders m_folders;
  MotionModel m_motion;
  SteadyClock m_wallClock;
  // The sounds, and the clock the motion and the runner go by: the sound's while one plays.
  ServerSoundPlayer m_soundServer{m_wallClock};
  SoundClock m_clock{m_wallClock, m_soundServer};
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
