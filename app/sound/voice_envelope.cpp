// High-passes at 300 Hz and low-passes at 3 kHz, two of each for steep edges, keep the voice
// and drop hum, rumble and hiss even as loud as the voice. The follower rises in a few ms (the
// jaw must not miss a syllable's start) and falls over tens of ms (it must not flutter at the
// voice's pitch).
#include "sound/voice_envelope.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quarnel {

namespace {

constexpr double voiceLowestHz = 300;
constexpr double voiceHighestHz = 3000;
constexpr double attackMs = 5;
constexpr double releaseMs = 60;

// A second-order Butterworth section, in the direct form the audio cookbooks give.
class Biquad {
public:
  static Biquad highPass(double hz, double rate) { return make(hz, rate, true); }
  static Biquad lowPass(double hz, double rate) { return make(hz, rate, false); }

  double filter(double x) {
    const double y = m_b0 * x + m_b1 * m_x1 + m_b2 * m_x2 - m_a1 * m_y1 - m_a2 * m_y2;
    m_x2 = m_x1;
    m_x1 = x;
    m_y2 = m_y1;
    m_y1 = y;
    return y;
  }

private:
  static Biquad make(double hz, double rate, bool high) {
    const double w = 2 * std::numbers::pi * hz / rate;
    const double q = std::numbers::sqrt2 / 2;
    const double alpha = std::sin(w) / (2 * q);
    const double c = std::cos(w);
    const double a0 = 1 + alpha;
    Biquad b;
    b.m_b1 = (high ? -(1 + c) : 1 - c) / a0;
    b.m_b0 = b.m_b2 = (high ? (1 + c) / 2 : (1 - c) / 2) / a0;
    b.m_a1 = -2 * c / a0;
    b.m_a2 = (1 - alpha) / a0;
    return b;
  }

  double m_b0 = 0, m_b1 = 0, m_b2 = 0, m_a1 = 0, m_a2 = 0;
  double m_x1 = 0, m_x2 = 0, m_y1 = 0, m_y2 = 0;
};

// The share of the way to the new value a one-pole follower takes each frame.
double followShare(double ms, double rate) { return 1 - std::exp(-1000.0 / (ms * rate)); }

} // namespace

VoiceEnvelope voiceEnvelope(const DecodedSound &sound, int stepMs) {
  VoiceEnvelope envelope;
  envelope.stepMs = std::max(1, stepMs);
  if (sound.rate == 0) return envelope;
  const double rate = sound.rate;
  // A low sample rate carries no 3 kHz: the low-pass stays below its Nyquist frequency.
  const double highestHz = std::min(voiceHighestHz, 0.45 * rate);
  Biquad filters[] = {Biquad::highPass(voiceLowestHz, rate), Biquad::highPass(voiceLowestHz, rate),
                      Biquad::lowPass(highestHz, rate), Biquad::lowPass(highestHz, rate)};
  const double attack = followShare(attackMs, rate);
  const double release = followShare(releaseMs, rate);
  // Each step's end is worked out from the start, so rounding never adds up along a long sound.
  const auto stepEnd = [&](int64_t step) {
    return std::min<int64_t>(sound.frames(), std::llround(static_cast<double>(step + 1) * envelope.stepMs * rate / 1000.0));
  };
  double level = 0;
  int64_t frame = 0;
  for (int64_t step = 0; frame < sound.frames(); ++step) {
    float loudest = 0;
    for (const int64_t end = stepEnd(step); frame < end; ++frame) {
      double voice = sound.mono(frame);
      for (Biquad &filter : filters) voice = filter.filter(voice);
      voice = std::abs(voice);
      level += (voice > level ? attack : release) * (voice - level);
      loudest = std::max(loudest, static_cast<float>(level));
    }
    envelope.levels.push_back(loudest);
  }
  return envelope;
}

} // namespace quarnel
