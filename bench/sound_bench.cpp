// The played clock against what the sound server really played over a minute of clicks, and
// how far the jaw runs ahead of the voice it follows; printed, nothing is asserted.
#include "sound/jaw_moves.h"
#include "sound_samples.h"

#include <cmath>
#include <cstdio>

using namespace quarnel;

namespace {

void clockAgainstRecording(const tavik::testing::SoundServer &server) {
  const auto connection = SoundOutput::connect();
  if (!connection.output) {
    std::printf("played clock: %s\n", connection.error->c_str());
    return;
  }
  std::vector<int> clicksMs;
  for (int ms = 500; ms < 60'000; ms += 1000) clicksMs.push_back(ms);
  const auto timing = tavik::testing::timeClicks(*connection.output, server, tavik::testing::clickTrack(clicksMs, 60'000));
  double sum = 0, worst = 0;
  for (size_t k = 0; k < timing.clockMs.size() && k < clicksMs.size(); ++k) {
    const double offset = timing.clockMs[k] - clicksMs[k];
    sum += offset;
    worst = std::abs(offset) > std::abs(worst) ? offset : worst;
  }
  std::printf("played clock against the clicks recorded over 60 s: %zu of %zu clicks found, offset mean %+.1f ms, "
              "worst %+.1f ms%s\n",
              timing.clockMs.size(), clicksMs.size(), timing.clockMs.empty() ? 0 : sum / static_cast<double>(timing.clockMs.size()),
              worst, timing.clockWentBack ? "; the clock went back" : "");
}

// The shift of the jaw's positions against the envelope that lines them up best (Pearson's
// correlation), in ms: below 0 the jaw moves first.
int jawShiftMs(const VoiceEnvelope &envelope, const std::vector<JawMove> &moves) {
  const auto positionAt = [&](int ms) {
    int16_t position = moves.front().position;
    for (const JawMove &move : moves) {
      if (move.timeMs > ms) break;
      position = move.position;
    }
    return static_cast<double>(position);
  };
  int bestShift = 0;
  double bestCorrelation = -2;
  for (int shift = -200; shift <= 200; shift += envelope.stepMs) {
    double se = 0, sp = 0, see = 0, spp = 0, sep = 0, n = 0;
    for (size_t i = 0; i < envelope.levels.size(); ++i) {
      const int ms = static_cast<int>(i) * envelope.stepMs + shift;
      if (ms < 0) continue;
      const double e = envelope.levels[i], p = positionAt(ms);
      se += e, sp += p, see += e * e, spp += p * p, sep += e * p, n += 1;
    }
    const double correlation = (n * sep - se * sp) / std::sqrt((n * see - se * se) * (n * spp - sp * sp));
    if (correlation > bestCorrelation) bestCorrelation = correlation, bestShift = shift;
  }
  return bestShift;
}

void jawAgainstEnvelope() {
  const auto speech = tavik::testing::spokenText(
      "The old house stood on the hill for a hundred years. Nobody remembered who had built it, "
      "and nobody wanted to live there. At night the windows were dark, and the wind sang in the chimney.");
  if (!speech) {
    std::printf("jaw: no speech could be made\n");
    return;
  }
  const VoiceEnvelope envelope = voiceEnvelope(*speech);
  for (const int lookAheadMs : {0, 50, 100}) {
    JawSettings settings;
    settings.lookAheadMs = lookAheadMs;
    const std::vector<JawMove> moves = jawMoves(envelope, settings);
    std::printf("jaw with %3d ms look-ahead on %.1f s of speech: %zu moves, lines up with the envelope shifted %+d ms\n",
                lookAheadMs, speech->lengthMs() / 1000, moves.size(), jawShiftMs(envelope, moves));
  }
}

} // namespace

int main() {
  jawAgainstEnvelope();
  tavik::testing::SoundServer server;
  if (!server.running()) {
    std::printf("played clock: no sound server of our own could be started\n");
    return 1;
  }
  clockAgainstRecording(server);
  return 0;
}
