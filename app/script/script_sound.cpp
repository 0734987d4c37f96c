#include "script/script_sound.h"

#include "link/line_rate.h"
#include "motion/servo_limits.h"
#include "script/script_check.h"
#include "sound/jaw_moves.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace quarnel {

namespace {
constexpr double jawLineShare = 0.25;
} // namespace

int jawStepMs(int baud) {
  return std::max(JawSettings{}.stepMs, static_cast<int>(std::ceil(1000 / (lineFramesPerSecond(baud) * jawLineShare))));
}

std::optional<std::string> soundLineTip(const ScriptModel &script, std::string_view line) {
  const LineCommand command = classifyLine(line);
  if (command.kind != LineKind::Sound || command.soundPath.empty()) return std::nullopt;
  const SoundRead read = lineSound(script, command.soundPath);
  if (read.error) {
    std::string why = *read.error;
    why.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(why.front())));
    return why;
  }
  const long long tenths = std::llround(read.sound->lengthMs() / 100);
  const long long seconds = tenths / 10;
  return command.soundPath + ": " + std::to_string(seconds / 60) + ":" + (seconds % 60 < 10 ? "0" : "") +
         std::to_string(seconds % 60) + "." + std::to_string(tenths % 10);
}

std::optional<std::string> ScriptSound::play(std::string_view path) {
  closeJaw();
  if (path.empty()) {
    stop();
    return std::nullopt;
  }
  SoundRead read = lineSound(m_script, path);
  if (read.error) return read.error;
  if (auto error = m_player.play(read.sound)) return error;
  m_playing = std::move(read.sound);
  return std::nullopt;
}

void ScriptSound::followJaw(const JawFollow &jaw) {
  noticeEnd();
  closeJaw();
  if (!m_playing) {
    m_motion.jumpTo(jaw.servo, jaw.closed);
    return;
  }
  JawSettings settings;
  settings.closed = jaw.closed;
  settings.open = jaw.open;
  settings.limits = servoLimits(m_script.config().servos[jaw.servo]);
  settings.lookAheadMs = m_script.jawLookAheadMs();
  settings.stepMs = jawStepMs(m_script.config().baudRate());
  m_motion.follow(jaw.servo, jawMoves(*m_script.sounds().envelope(m_playing), settings), m_player.playedMs());
  m_jaw = jaw;
}

void ScriptSound::stop() {
  closeJaw();
  if (m_playing) m_player.stop();
  m_playing.reset();
}

void ScriptSound::noticeEnd() {
  if (!m_playing || !m_player.ended()) return;
  closeJaw();
  m_playing.reset();
}

// A servo no longer following (its track ran out, or a target was set for it) is left alone.
void ScriptSound::closeJaw() {
  if (m_jaw && m_motion.follows(m_jaw->servo)) m_motion.jumpTo(m_jaw->servo, m_jaw->closed);
  m_jaw.reset();
}

} // namespace quarnel
