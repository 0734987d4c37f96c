// Sounds made for tests and benchmarks, and the played clock timed against a recording of what
// the sound server really played.
#pragma once

#include "sound/decoded_sound.h"
#include "sound/sound_output.h"
#include "sound_server.h"

#include <memory>
#include <string>
#include <vector>

namespace tavik::testing {

// Mono at the test server's rate; each click 1 ms loud, silence between.
std::shared_ptr<quarnel::DecodedSound> clickTrack(const std::vector<int> &clicksMs, int lengthMs);

// Mono at the test server's rate: a 1 kHz tone at half scale from `startMs` to `endMs`, silence
// around it: a voice as the jaw hears it.
std::shared_ptr<quarnel::DecodedSound> toneBurst(int startMs, int endMs, int lengthMs);

// Writes `sound` as a 16-bit WAV file; false when it could not.
bool writeWaveFile(const std::string &path, const quarnel::DecodedSound &sound);

// `text` spoken by espeak-ng; null when it could not be made.
std::shared_ptr<const quarnel::DecodedSound> spokenText(const std::string &text);

struct ClickTiming {
  std::vector<double> clockMs; // what the clock said as each click was heard, in order
  bool clockWentBack = false;
};

// Plays the click track on `output` and records `server`'s sink meanwhile. Each click's time in
// the recording is set on the steady clock by the moment the recording's samples arrived (a
// sample is heard no later than it arrives), and the played clock read then is given.
ClickTiming timeClicks(quarnel::SoundOutput &output, const SoundServer &server,
                       const std::shared_ptr<const quarnel::DecodedSound> &clicks);

} // namespace tavik::testing
