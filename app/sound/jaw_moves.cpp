// The gate's thresholds are measured against the sound's own loud level, so a quiet recording
// moves the jaw as far as a loud one.
#include "sound/jaw_moves.h"

#include <algorithm>
#include <cmath>

namespace quarnel {

namespace {

// Where the loud level is taken: a rare click louder than all the speech does not count.
constexpr double loudPercentile = 0.99;
// Opens at a sixth of the loud level (-16 dB), closes at a fourteenth (-23 dB).
constexpr float openShare = 1.0f / 6;
constexpr float closeShare = 1.0f / 14;
// Below this (-60 dB of full scale) the whole sound is taken as silence.
constexpr float quietestLoudLevel = 0.001f;

float loudLevel(std::vector<float> levels) {
  if (levels.empty()) return 0;
  const auto at = levels.begin() + static_cast<std::ptrdiff_t>(loudPercentile * static_cast<double>(levels.size() - 1));
  std::nth_element(levels.begin(), at, levels.end());
  return *at;
}

// How far open the jaw is for each step of the envelope, 0 to 1.
std::vector<float> openings(const std::vector<float> &levels) {
  std::vector<float> opening(levels.size(), 0.0f);
  const float loud = loudLevel(levels);
  if (loud < quietestLoudLevel) return opening;
  const float openAt = loud * openShare;
  const float closeAt = loud * closeShare;
  bool gateOpen = false;
  for (size_t i = 0; i < levels.size(); ++i) {
    gateOpen = gateOpen ? levels[i] > closeAt : levels[i] > openAt;
    // The square root opens the jaw visibly on the quieter syllables too.
    if (gateOpen) opening[i] = std::sqrt(std::clamp((levels[i] - closeAt) / (loud - closeAt), 0.0f, 1.0f));
  }
  return opening;
}

} // namespace

std::vector<JawMove> jawMoves(const VoiceEnvelope &envelope, const JawSettings &settings) {
  const auto withinTravel = [&](int position) {
    return std::clamp(position, int{settings.limits.lowest}, int{settings.limits.highest});
  };
  const int closed = withinTravel(settings.closed);
  const int open = withinTravel(settings.open);
  const int stepMs = std::max(settings.stepMs, envelope.stepMs);
  const std::vector<float> opening = openings(envelope.levels);
  const auto envelopeStep = [&](long long ms) { return static_cast<size_t>(std::max(0LL, ms) / envelope.stepMs); };

  std::vector<JawMove> moves;
  for (int time = 0;; time += stepMs) {
    // What is heard over the coming step, a look-ahead later: the widest the jaw should be.
    const size_t first = envelopeStep(static_cast<long long>(time) + settings.lookAheadMs);
    const size_t end = std::min(opening.size(), envelopeStep(static_cast<long long>(time) + settings.lookAheadMs + stepMs));
    const float widest = first < end ? *std::max_element(opening.begin() + first, opening.begin() + end) : 0.0f;
    const auto position = static_cast<int16_t>(std::lround(closed + widest * static_cast<float>(open - closed)));
    if (moves.empty() || moves.back().position != position) moves.push_back({time, position});
    if (first >= opening.size() && position == closed) break;
  }
  return moves;
}

} // namespace quarnel
