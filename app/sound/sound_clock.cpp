#include "sound/sound_clock.h"

#include <algorithm>

namespace quarnel {

SoundClock::SoundClock(const Clock &wall, SoundPlayer &player) : m_wall(wall), m_player(player), m_last(wall.seconds()) {}

double SoundClock::seconds() const {
  if (!m_followingSound) {
    m_last = std::max(m_last, m_wall.seconds() - m_wallShift);
    return m_last;
  }
  if (m_player.ended()) {
    // It ended some time before this reading: the wall clock carries on from the last reading
    // taken while it played, so the time since its end counts too.
    m_followingSound = false;
    return seconds();
  }
  m_last = std::max(m_last, m_soundStart + (m_player.playedMs() - m_offsetMs) / 1000);
  m_wallShift = m_wall.seconds() - m_last;
  return m_last;
}

std::optional<std::string> SoundClock::play(std::shared_ptr<const DecodedSound> sound) {
  const double now = seconds();
  const double lengthMs = sound->lengthMs();
  if (auto error = m_player.play(std::move(sound))) return error;
  m_followingSound = true;
  m_soundStart = now;
  m_soundLengthMs = lengthMs;
  return std::nullopt;
}

void SoundClock::stop() {
  seconds(); // the reading as the sound stops
  m_player.stop();
  m_followingSound = false; // the wall clock goes on from the reading just taken
}

double SoundClock::playedMs() const {
  if (!m_followingSound) return m_player.playedMs();
  return std::clamp((seconds() - m_soundStart) * 1000, 0.0, m_soundLengthMs);
}

} // namespace quarnel
