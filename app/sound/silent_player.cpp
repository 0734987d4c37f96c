#include "sound/silent_player.h"

#include <algorithm>

namespace quarnel {

std::optional<std::string> SilentPlayer::play(std::shared_ptr<const DecodedSound> sound) {
  m_playing = true;
  m_startSeconds = m_clock.seconds();
  m_lengthMs = sound->lengthMs();
  return std::nullopt;
}

void SilentPlayer::stop() {
  if (!m_playing) return;
  m_stoppedAtMs = playedMs();
  m_playing = false;
}

double SilentPlayer::playedMs() const {
  if (!m_playing) return m_stoppedAtMs;
  return std::clamp((m_clock.seconds() - m_startSeconds) * 1000, 0.0, m_lengthMs);
}

} // namespace quarnel
