// Sounds made for tests and benchmarks, and the played clock timed against a recording of what
// the sound server really played.
#pragma once

#include "sound/decoded_sound.h"
#include "sound/sound_output.h"
#include "sound_server.h"

#include <algorithm>
#include <cstdint>
#include <limits>
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

double steadySeconds();

// The moment on the steady clock that a growing file's count starts from (the frames of a
// recording, the microseconds of the board's log): what a look finds was there no later, so
// each look bounds it.
class CountStart {
public:
  void seen(double atSteadySeconds, double secondsCounted) { m_start = std::min(m_start, atSteadySeconds - secondsCounted); }
  double seconds() const { return m_start; }

private:
  double m_start = std::numeric_limits<double>::infinity();
};

// Where each click of a recording starts, in frames, each at least 200 ms after the one before.
std::vector<int64_t> clicksIn(const std::vector<float> &samples);

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
