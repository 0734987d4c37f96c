// Plays the script line by line: a node line hands targets and step intervals to the motion
// model, along the curve the last EASE set, a PAUSE its pause, a WAIT puts up a prompt, a
// LOOPEND sends the run back, and SOUND and JAW play a sound and let a servo follow it; the next
// line starts only once the update tick has found every servo at its target, the line has
// carried those targets to the board, no pause counts and no prompt is up. Ticked every
// runnerTickMs by whoever plays the script: the script window, quarnel-play or the timeline's
// simulation.
#pragma once

#include "motion/eased_move.h"
#include "script/script_model.h"
#include "script/script_sound.h"
#include "sound/sound_player.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace quarnel {

class MotionModel;

constexpr int runnerTickMs = 100;

class ScriptRunner {
public:
  // Sounds play through `sound`.
  ScriptRunner(ScriptModel &script, MotionModel &motion, SoundPlayer &sound);
  ~ScriptRunner() { endWait(); }
  ScriptRunner(const ScriptRunner &) = delete;
  ScriptRunner &operator=(const ScriptRunner &) = delete;

  // Told whenever the runner goes idle or starts running.
  void setStateListener(std::function<void()> listener) { m_stateListener = std::move(listener); }
  // Told of the row of each line the run is about to carry out.
  void setLineListener(std::function<void(int row)> listener) { m_lineListener = std::move(listener); }
  // Told when the user answers a WAIT's prompt with Stop, so that whoever owns the run stops it
  // as its STOP does; the run has already ended by then.
  void setStopListener(std::function<void()> listener) { m_stopListener = std::move(listener); }
  // Asked whether the line to the board has carried every displayed position: a move's end must
  // reach the board before the next line's moves can take its place in the driver's slots.
  void setLineCarried(std::function<bool()> carried) { m_lineCarried = std::move(carried); }

  // How many passes each loop makes: its LOOPEND sends the run back until then and lets it go
  // on past itself after the last one. Nothing loops for ever, as the script window does.
  void setLoopPasses(std::optional<int> passes) { m_loopPasses = passes; }
  // The pass the run is making through the loop that holds the current line, from 1: the loop
  // that the first LOOPEND at or below it closes. Nothing below the last LOOPEND.
  std::optional<int> loopPass() const;

  bool idle() const { return m_idle; }
  // Run or Resume is held before its first line by servos still moving from before.
  bool waitingForServos() const;
  // A WAIT line's prompt is up and not yet answered; a run goes no further until it is.
  bool waitingForUser() const { return m_waitingForUser; }
  // Whether the next tick of a run goes on to the next line, as the motion stands now.
  bool readyForNextLine() const;

  // Carries out one line outside the script, as the node pop-up's Goto and Edit do: a node's
  // move goes at one speed, whatever the last EASE set. A line that cannot be carried out (no
  // node of that name, a pause length that is no number) is reported, naming it, and false
  // returned.
  bool processCommand(std::string_view text);

  // The curve the node lines run now travel along: LINEAR from each Run on, then as the last
  // EASE line run, stepped or gone to set it.
  Easing easing() const { return m_easing; }

  // The timer's tick; `lateMs()` tells, whenever asked, how long ago the moment it stands for
  // was. Not entered again while one of its messages is open. A pause it starts counts from
  // that moment, so it ends at the tick that many milliseconds on, as in the timeline's
  // simulation, however late the tick came or long its work took.
  void tick(const std::function<double()> &lateMs = [] { return 0.0; });

  // Run and Resume refuse to start, naming the line, while a SOUND line's file cannot be played.
  void run();    // from line 1, in silence
  void resume(); // from the marked line, running it again
  // At the next tick; the move under way finishes, a WAIT's prompt and a pause end. The sound
  // stops whenever a run ends.
  void stop();
  // STOP: the run ends now with no further line, a WAIT's prompt goes and a pause stops.
  void halt();
  void step();   // the next line, wrapping to line 1 past the end; idle only
  void gotoLine(); // the current line again; idle only

private:
  // `lateMs()`: how long ago the line was due to start.
  std::optional<std::string> carryOut(std::string_view text, Easing moves,
                                      const std::function<double()> &lateMs = [] { return 0.0; });
  bool carryOutOrReport(std::string_view text, Easing moves);
  void loopBack();
  void report(std::string_view line, const std::string &reason) const;
  void setIdle(bool idle);
  void waitForUser();
  void endWait();

  ScriptModel &m_script;
  MotionModel &m_motion;
  ScriptSound m_sound;
  bool m_idle = true;
  bool m_stopRequested = false;
  bool m_inTick = false;
  bool m_waitingForUser = false;
  // Run or Resume has stepped the current line back before the marked one, which no tick has
  // yet gone on to.
  bool m_startLineDue = false;
  Easing m_easing = Easing::Linear;
  std::function<void()> m_stateListener;
  std::function<void(int)> m_lineListener;
  std::function<void()> m_stopListener = [] {};
  std::function<bool()> m_lineCarried = [] { return true; };
  std::optional<int> m_loopPasses;
  std::map<int, int> m_passesDone; // by the row of the LOOPEND that ends the loop
};

// The row a LOOPEND at `loopEndRow` sends the run back to: the nearest "LOOPSTART" above it, or
// row 1 when there is none.
int loopStartAbove(const ScriptLines &lines, int loopEndRow);

} // namespace quarnel
