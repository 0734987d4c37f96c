// What a run plays its sounds through: the sound server, or silence timed by a clock where no
// one is to hear them (the timeline's simulation, a dry run, quarnel-play --no-sound).
#pragma once

#include "sound/decoded_sound.h"

#include <memory>
#include <optional>
#include <string>

namespace quarnel {

class SoundPlayer {
public:
  virtual ~SoundPlayer() = default;

  // Plays `sound` from its start, in place of whatever was playing. Why it cannot, or nothing.
  virtual std::optional<std::string> play(std::shared_ptr<const DecodedSound> sound) = 0;
  // Ends the sound at once; the played time stays where it was.
  virtual void stop() = 0;
  // How far into the sound playback has got, in ms: 0 before it starts, its length once it
  // has ended. Never goes back while a sound plays.
  virtual double playedMs() const = 0;
  // True once the sound has played to its end or was stopped, and before any sound was played.
  virtual bool ended() const = 0;
};

} // namespace quarnel
