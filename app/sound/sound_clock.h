// The clock a run goes by, and the player its sounds go through: while a sound plays, the time is
// the sound's played time, so motion placed minutes into a song lands on its beat however the
// sound device's clock drifts from the machine's; otherwise the wall clock's. It never goes back:
// at a change of source it carries on from where it stood, and before the first samples are
// heard it stands still. The offset moves the run later (above 0) or earlier against the sound.
#pragma once

#include "motion/clock.h"
#include "sound/sound_player.h"

namespace quarnel {

class SoundClock : public Clock, public SoundPlayer {
public:
  SoundClock(const Clock &wall, SoundPlayer &player);

  void setOffsetMs(int ms) { m_offsetMs = ms; }

  double seconds() const override;

  // Plays through the player, and from now on follows the sound.
  std::optional<std::string> play(std::shared_ptr<const DecodedSound> sound) override;
  void stop() override;
  // How far the run has gone since the sound started: the sound's played time less the offset,
  // so a servo following the sound keeps to the run's time as every other servo does.
  double playedMs() const override;
  bool ended() const override { return m_player.ended(); }

private:
  const Clock &m_wall;
  SoundPlayer &m_player;
  int m_offsetMs = 0;
  mutable bool m_followingSound = false;
  double m_soundStart = 0;     // the reading as the sound started
  double m_soundLengthMs = 0;
  mutable double m_wallShift = 0; // the wall clock less the last reading
  mutable double m_last = 0;       // the last reading
};

} // namespace quarnel
