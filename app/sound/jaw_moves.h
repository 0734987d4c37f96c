// The positions a jaw servo takes to follow the loudness of speech, worked out ahead from the
// whole sound so the motion engine can play them in time with it.
#pragma once

#include "config/sound_timing.h"
#include "motion/motion_model.h"
#include "sound/voice_envelope.h"

#include <cstdint>
#include <vector>

namespace quarnel {

struct JawSettings {
  int closed = lowestPosition; // the mouth shut, in silence
  int open = highestPosition;  // the mouth at its widest, on the loudest syllables
  ServoLimits limits;          // the servo's travel: no position leaves it
  int lookAheadMs = SoundTiming{}.jawLookAheadMs; // moving this much before the sound is heard
  int stepMs = 30;             // the least time between two positions, so the line keeps up
};

// A change of the jaw's position, timed from the sound's start.
using JawMove = TimedPosition;

// The jaw's changes of position, the first at 0 and the last back at `closed`, each at least a
// step after the one before. A gate keeps the jaw shut in pauses and breath noise: it opens
// only well above the sound's quiet and closes again only well below where it opened.
std::vector<JawMove> jawMoves(const VoiceEnvelope &envelope, const JawSettings &settings);

} // namespace quarnel
