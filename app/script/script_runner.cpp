// The runner tick, the run buttons and the command interpreter they share.
#include "script/script_runner.h"

#include "motion/motion_model.h"
#include "script/line_command.h"
#include "script/script_check.h"

#include <QCoreApplication>

#include <algorithm>

namespace quarnel {

ScriptRunner::ScriptRunner(ScriptModel &script, MotionModel &motion, SoundPlayer &sound)
    : m_script(script), m_motion(motion), m_sound(script, motion, sound) {}

// The reason a line cannot be carried out, or nothing once it has been. A node's move follows
// `moves`.
std::optional<std::string> ScriptRunner::carryOut(std::string_view text, Easing moves,
                                                  const std::function<double()> &lateMs) {
  const LineCommand command = classifyLine(text);
  switch (command.kind) {
  case LineKind::Nothing:
    return std::nullopt;
  case LineKind::Ease:
    if (!command.easing) return easeCurveUnknown();
    m_easing = *command.easing;
    return std::nullopt;
  case LineKind::Sound:
    return m_sound.play(command.soundPath);
  case LineKind::Jaw:
    if (command.jaw) m_sound.followJaw(*command.jaw);
    else if (command.jawOff) m_sound.jawOff();
    else return jawUnreadable();
    return std::nullopt;
  case LineKind::Pause: {
    const auto length = pauseMilliseconds(command.pauseLength);
    if (!length) return pauseIsNoNumber();
    m_motion.startPause(*length, lateMs);
    return std::nullopt;
  }
  case LineKind::Wait:
    waitForUser();
    return std::nullopt;
  case LineKind::LoopEnd:
    loopBack();
    return std::nullopt;
  case LineKind::Node:
    break;
  }
  auto index = m_script.nodes().find(text);
  if (!index) return noSuchNode();
  const Node &node = m_script.nodes().node(*index);
  for (int slot = 0; slot < servoChannels; ++slot) {
    if (m_motion.follows(slot)) continue; // the jaw follows the sound, not the poses
    m_motion.setServoSpeed(slot, node.speed[slot]);
    m_motion.setEasedTarget(slot, node.pos[slot], moves);
  }
  return std::nullopt;
}

void ScriptRunner::loopBack() {
  ScriptLines &lines = m_script.lines();
  const int loopEnd = lines.currentLine();
  if (const int passes = ++m_passesDone[loopEnd]; m_loopPasses && passes >= *m_loopPasses) {
    m_passesDone.erase(loopEnd); // coming round to this loop again starts it afresh
    return;
  }
  lines.setCurrentLine(loopStartAbove(lines, loopEnd));
  lines.markCurrent();
}

int loopStartAbove(const ScriptLines &lines, int loopEndRow) {
  int row = loopEndRow;
  while (row > 1 && lines.text(row) != loopStartCommand) --row;
  return row;
}

std::optional<int> ScriptRunner::loopPass() const {
  const ScriptLines &lines = m_script.lines();
  for (int row = std::max(1, lines.currentLine()); row < lines.rowCount(); ++row)
    if (classifyLine(lines.text(row)).kind == LineKind::LoopEnd) {
      const auto done = m_passesDone.find(row);
      return 1 + (done == m_passesDone.end() ? 0 : done->second);
    }
  return std::nullopt;
}

bool ScriptRunner::waitingForServos() const { return !m_idle && m_startLineDue && !m_motion.allAtTarget(); }

void ScriptRunner::report(std::string_view line, const std::string &reason) const {
  m_script.user().critical(QCoreApplication::translate("ScriptRunner", "The line \"%1\" cannot be run: %2")
                               .arg(QString::fromStdString(std::string(line)), QString::fromStdString(reason))
                               .toStdString());
}

bool ScriptRunner::processCommand(std::string_view text) { return carryOutOrReport(text, Easing::Linear); }

bool ScriptRunner::carryOutOrReport(std::string_view text, Easing moves) {
  const std::string line(text); // the grid may change while a message is open
  auto failure = carryOut(line, moves);
  if (failure) report(line, *failure);
  return !failure;
}

void ScriptRunner::tick(const std::function<double()> &lateMs) {
  if (m_inTick || m_idle) return;
  m_inTick = true;
  ScriptLines &lines = m_script.lines();
  m_motion.catchUp(); // a pause or move over by now counts as over, whenever the update timer fires
  m_sound.noticeEnd();
  if (readyForNextLine()) {
    lines.setCurrentLine(lines.currentLine() + 1);
    m_startLineDue = false;
    lines.clearMarker();
    if (lines.currentLine() < lines.rowCount()) {
      lines.markCurrent();
      if (m_lineListener) m_lineListener(lines.currentLine());
      const std::string text(lines.text(lines.currentLine()));
      auto failure = carryOut(text, m_easing, lateMs);
      m_motion.clearAllAtTarget();
      if (failure) {
        // Stopped before the message, so no tick runs on behind it.
        setIdle(true);
        report(text, *failure);
      }
    } else {
      lines.setCurrentLine(1);
      lines.markCurrent();
      m_stopRequested = true;
    }
  }
  if (m_stopRequested) setIdle(true);
  m_inTick = false;
}

bool ScriptRunner::readyForNextLine() const {
  return !m_waitingForUser && m_motion.allAtTarget() && !m_motion.pauseActive() && m_lineCarried();
}

void ScriptRunner::run() {
  if (!m_idle) return;
  m_script.lines().setCurrentLine(1);
  m_script.lines().markCurrent();
  m_passesDone.clear();
  m_easing = Easing::Linear;
  m_sound.stop(); // one a single step started
  resume();
}

void ScriptRunner::resume() {
  if (!m_idle) return;
  {
    // A long track takes a moment to read, and a run must not stop half way for a file.
    const BusyPointer busy(m_script.user().ui);
    if (const auto unplayable = firstUnplayableSound(m_script)) {
      report(unplayable->text, unplayable->reason);
      return;
    }
  }
  endWait(); // a single step's WAIT
  setIdle(false);
  ScriptLines &lines = m_script.lines();
  lines.setCurrentLine(lines.currentLine() - 1);
  m_startLineDue = true;
}

void ScriptRunner::stop() {
  if (!m_idle) m_stopRequested = true;
}

void ScriptRunner::halt() { setIdle(true); }

void ScriptRunner::step() {
  if (!m_idle) return;
  endWait();
  ScriptLines &lines = m_script.lines();
  int next = lines.currentLine() + 1;
  if (next >= lines.rowCount()) next = 1;
  lines.setCurrentLine(next);
  lines.markCurrent();
  carryOutOrReport(lines.text(next), m_easing);
}

void ScriptRunner::gotoLine() {
  if (!m_idle) return;
  endWait();
  const ScriptLines &lines = m_script.lines();
  carryOutOrReport(lines.text(lines.currentLine()), m_easing);
}

void ScriptRunner::setIdle(bool idle) {
  m_stopRequested = false;
  if (idle) {
    // The run's WAIT and pause end with it; a pause left counting would hold up the next run.
    endWait();
    m_motion.endPause();
    m_sound.stop();
  }
  if (idle && m_startLineDue) {
    // Stopped before the marked line ran: it stays current, as it would be once run.
    ScriptLines &lines = m_script.lines();
    lines.setCurrentLine(lines.currentLine() + 1);
    m_startLineDue = false;
  }
  if (m_idle == idle) return;
  m_idle = idle;
  if (m_stateListener) m_stateListener();
}

void ScriptRunner::waitForUser() {
  m_waitingForUser = true;
  const std::string text = QCoreApplication::translate("ScriptRunner", "Line %1: WAIT. Press OK to continue, or Stop to end the run.")
                               .arg(m_script.lines().currentLine())
                               .toStdString();
  m_script.user().ui.showPrompt(text, m_script.user().title, [this](PromptAnswer answer) {
    m_waitingForUser = false;
    if (answer == PromptAnswer::Stop) {
      halt();
      m_stopListener();
      return;
    }
    // As after any line: the next one waits for at least one more update tick.
    m_motion.clearAllAtTarget();
  });
}

void ScriptRunner::endWait() {
  if (!m_waitingForUser) return;
  m_waitingForUser = false;
  m_script.user().ui.closePrompt();
}

} // namespace quarnel
