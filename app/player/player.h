// One run of quarnel-play: the servo settings and the script read and checked, the link opened,
// the servos brought home, the script played by the same runner, motion model and ticker as
// the windows use, and the end: the script's, or a stop that holds every servo.
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
#include "script/script_model.h"
#include "script/script_runner.h"
#include "servos/servo_configuration.h"
#include "sound/silent_player.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>
#include <string>

namespace quarnel {

class Player : public QObject {
public:
  // `startSeconds` is the clock reading that times count from; `rememberedFile` is the
  // quarnel.conf that keeps where the board's servos were left (empty: none is kept).
  Player(const PlayerOptions &options, ServoDriver &driver, const Clock &clock, double startSeconds, ConsoleUi &ui,
         ProgressLine &progress, const std::string &rememberedFile);

  // Reads the servo settings and the script and checks every line; why the script cannot be
  // played, naming the file or the line.
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
  void lineStarted(int row);
  // A run that can no longer reach the board or its output ends as a stop does, said why.
  void endOnFault(const std::string &fault);
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
  MotionTicker m_ticker;
  ScriptModel m_script;
  SilentPlayer m_sound{m_clock};
  ScriptRunner m_runner;
  QTimer m_tmrScriptRun;
  bool m_linkOpen = false;
};

} // namespace quarnel
