#include "sound/sound_clock.h"

#include <algorithm>

namespace quarnel {

SoundClock::SoundClock(const Clock &wall, SoundPlayer &player) : m_wall(wall), m_player(player), m_last(wall.seconds()) {}

double SoundClock::seconds() const {
  if (!m_followingSound) {
    m_last = std::max(m_last, m_wall.seconds() - m_wallShift);
    return m_last;
  }
  // An ended sound's played time is its length: the wall clock takes over from there.
  m_last = std::max(m_last, m_soundStart + (m_player.playedMs() - m_offsetMs) / 1000);
  if (m_player.ended()) followWall();
  return m_last;
}

void SoundClock::followWall() const {
  m_followingSound = false;
  m_wallShift = m_wall.seconds() - m_last;
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
  if (m_followingSound) followWall();
}

double SoundClock::playedMs() const {
  if (!m_followingSound) return m_player.playedMs();
  return std::clamp((seconds() - m_soundStart) * 1000, 0.0, m_soundLengthMs);
}

} // namespace quarnel
