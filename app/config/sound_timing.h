// How a run's motion lines up with its sounds, as the user sets it: in the settings window,
// kept in quarnel.conf, and for quarnel-play on its command line.
#pragma once

namespace quarnel {

struct SoundTiming {
  int offsetMs = 0;        // the motion this much later than the sound; earlier below 0
  int jawLookAheadMs = 50; // a JAW servo moves this much before the sound it follows is heard
  bool operator==(const SoundTiming &) const = default;
};

// Either way: further off than this is no sound device's delay.
constexpr int largestSoundOffsetMs = 5000;
constexpr int largestJawLookAheadMs = 1000;

} // namespace quarnel
