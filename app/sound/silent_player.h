// Sounds "played" in silence, timed by a clock: the run goes by the same rules as with the sound
// server, where nothing is to be heard.
#pragma once

#include "motion/clock.h"
#include "sound/sound_player.h"

namespace quarnel {

class SilentPlayer : public SoundPlayer {
public:
  explicit SilentPlayer(const Clock &clock) : m_clock(clock) {}

  std::optional<std::string> play(std::shared_ptr<const DecodedSound> sound) override;
  void stop() override;
  double playedMs() const override;
  bool ended() const override { return !m_playing || playedMs() >= m_lengthMs; }

private:
  const Clock &m_clock;
  bool m_playing = false;
  double m_startSeconds = 0;
  double m_lengthMs = 0;
  double m_stoppedAtMs = 0;
};

} // namespace quarnel
