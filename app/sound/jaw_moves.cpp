// The gate's thresholds are measured against the sound's own levels: its quiet (the noise in
// its pauses) and its loud (the voice), so a quiet recording moves the jaw as far as a loud
// one, and a few words in a long track open it as well as a whole speech.
#include "sound/jaw_moves.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace quarnel {

namespace {

// The quiet: what a fifth of the sound stays below.
constexpr double quietPercentile = 0.2;
// The loud, taken among the steps loud enough to open the gate: a rare click louder than all
// the speech does not count.
constexpr double loudPercentile = 0.995;
// Opens at a sixth of the loud level (-16 dB), closes at a fourteenth (-23 dB); and never within
// the noise of the pauses: only at four times the quiet, closing at twice it.
constexpr float openShare = 1.0f / 6;
constexpr float closeShare = 1.0f / 14;
constexpr float openOverQuiet = 4;
constexpr float closeOverQuiet = 2;
// Below this (-60 dB of full scale) nothing counts as voice.
constexpr float quietestVoice = 0.001f;

float percentile(std::vector<float> levels, double share) {
  if (levels.empty()) return 0;
  const auto at = levels.begin() + static_cast<std::ptrdiff_t>(share * static_cast<double>(levels.size() - 1));
  std::nth_element(levels.begin(), at, levels.end());
  return *at;
}

// How far open the jaw is for each step of the envelope, 0 to 1.
std::vector<float> openings(const std::vector<float> &levels) {
  std::vector<float> opening(levels.size(), 0.0f);
  const float quiet = percentile(levels, quietPercentile);
  std::vector<float> voice;
  std::copy_if(levels.begin(), levels.end(), std::back_inserter(voice),
               [&](float level) { return level > std::max(quiet * openOverQuiet, quietestVoice); });
  if (voice.empty()) return opening;
  const float loud = percentile(std::move(voice), loudPercentile);
  const float openAt = std::max(loud * openShare, quiet * openOverQuiet);
  const float closeAt = std::max(loud * closeShare, quiet * closeOverQuiet);
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
