// How loud the voice is over time: the sound's mono mix narrowed to the band speech carries,
// followed by an envelope that rises quickly and falls slowly.
#pragma once

#include "sound/decoded_sound.h"

#include <vector>

namespace quarnel {

struct VoiceEnvelope {
  int stepMs = 5;            // the time one level stands for
  std::vector<float> levels; // from the sound's start, one a step: 0 (silent) to 1 (full scale)
};

VoiceEnvelope voiceEnvelope(const DecodedSound &sound, int stepMs = 5);

} // namespace quarnel
