// One run of quarnel-play: the servo settings and the script read and checked, the sound server
// reached when the script plays sounds, the link opened, the servos brought home, the script
// played by the same runner, motion model and ticker as the windows use, on the sound's clock
// while one plays, and the end: the script's, or a stop that holds every servo.
#pragma once

#include "config/remembered_settings.h"
#include "link/board_link.h"
#include "link/servo_driver.h"
#include "motion/clock.h"
#include "motion/motion_model.h"
#include "motion/motion_ticker.h"
#include "player/console_ui.h"
#include "player/player_options.h"
#include "player/progress_line.h"
#include "script/runner_timer.h"
#include "script/script_model.h"
#include "script/script_runner.h"
#include "servos/servo_configuration.h"
#include "sound/server_sound_player.h"
#include "sound/silent_player.h"
#include "sound/sound_clock.h"

#include <QObject>

#include <functional>
#include <optional>
#include <string>

namespace quarnel {

class Player : public QObject {
public:
  // `startSeconds` is the clock reading that times count from; `rememberedFile` is the
  // quarnel.conf that keeps where the board's servos were left and the sound timing (empty:
  // none is kept).
  Player(const PlayerOptions &options, ServoDriver &driver, const Clock &clock, double startSeconds, ConsoleUi &ui,
         ProgressLine &progress, const std::string &rememberedFile);

  // Reads the servo settings and the script and checks every line, and connects to the sound
  // server for a script that plays sounds; why the script cannot be played, naming the file,
  // the line or the sound server.
  std::optional<std::string> load();

  // Opens the link with every servo where the board was left, and starts the run; why the port
  // could not be opened.
  std::optional<std::string> start();

  // Ctrl+C: every servo holds where it is and the link closes.
  void stop();

  // Once the link is closed, with the exit code: 0 when the script ended or was stopped, 1 when
  // the link lost the board's device or the output could not be written.
  std::function<void(int)> finished = [](int) {};

private:
  std::optional<std::string> loadServoSettings();
  std::optional<std::string> loadScript();
  std::optional<std::string> connectSound();
  void lineStarted(int row);
  // A run that can no longer reach the board or its output ends as a stop does, said why.
  void endOnFault(const std::string &fault);
  static std::string soundLost(const std::string &why);
  void finish(int exitCode);
  double sinceStart() const { return m_clock.seconds() - m_startSeconds; }

  const PlayerOptions m_options;
  const Clock &m_clock;
  const double m_startSeconds;
  ConsoleUi &m_ui;
  ProgressLine &m_progress;
  ServoConfiguration m_configuration;
  RememberedSettings m_remembered;
  MotionModel m_motion;
  BoardLink m_link;
  SilentPlayer m_silence;
  ServerSoundPlayer m_soundServer;
  // The run's clock, and its sounds: heard, or in silence with --no-sound and a dry run.
  SoundClock m_runClock;
  MotionTicker m_ticker;
  ScriptModel m_script;
  ScriptRunner m_runner;
  RunnerTimer m_tmrScriptRun;
  bool m_linkOpen = false;
};

} // namespace quarnel
