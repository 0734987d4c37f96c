// The played clock against what the sound server really played over a minute of clicks, how
// far the jaw runs ahead of the voice it follows, and quarnel-play timed by the sound: each pose
// placed on a click of a one-minute and a five-minute track against the click as heard, and the
// program's CPU; printed, nothing is asserted.
#include "application_parts.h"
#include "played_show.h"
#include "script_text.h"
#include "sound/jaw_moves.h"
#include "sound_samples.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <numeric>

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

// A click a second from 1 s on, each with a pose of servo 0 on it: ten units either way at full
// speed, and 900 ms of pause after each, as every line runs 100 ms after the last.
void posesOnClicks(const tavik::testing::SoundServer &server, const std::string &player, int seconds) {
  const tavik::testing::TemporaryFolder folder;
  std::vector<int> clicksMs;
  std::vector<std::string> lines = {"SOUND clicks.wav", "PAUSE 900"};
  for (int k = 1; k < seconds; ++k) {
    clicksMs.push_back(1000 * k);
    lines.insert(lines.end(), {k % 2 ? "Up" : "Down", "PAUSE 900"});
  }
  if (!tavik::testing::writeWaveFile(folder.file("clicks.wav"), *tavik::testing::clickTrack(clicksMs, 1000 * seconds))) {
    std::printf("poses on clicks: the track could not be written\n");
    return;
  }
  std::ofstream(folder.file("clicks.tvk"), std::ios::binary) << tvk({{"Up", pose(137, 255)}, {"Down", pose(127, 255)}}, lines);
  const tavik::testing::BoardProcess board(false);
  const double start = tavik::testing::steadySeconds();
  const tavik::testing::PlayedShow show =
      playShow(server, board, {player, "--device", board.link(), folder.file("clicks.tvk")}, "/dev/null",
               std::chrono::seconds(seconds + 60));
  const double ranFor = tavik::testing::steadySeconds() - start;
  const std::vector<double> heard = show.clicksPlayed();
  const std::vector<double> poses = show.moveStarts(0, 0.3);
  if (show.exitCode != 0 || heard.size() != clicksMs.size() || poses.size() != clicksMs.size()) {
    std::printf("poses on clicks over %d s: exit code %d, %zu clicks played and %zu poses of %zu\n", seconds, show.exitCode,
                heard.size(), poses.size(), clicksMs.size());
    return;
  }
  std::vector<double> lateMs;
  for (size_t k = 0; k < poses.size(); ++k) lateMs.push_back((poses[k] - heard[k]) * 1000);
  const auto mean = [](auto first, auto last) { return std::accumulate(first, last, 0.0) / static_cast<double>(last - first); };
  const double worst = *std::max_element(lateMs.begin(), lateMs.end(), [](double a, double b) { return std::abs(a) < std::abs(b); });
  const size_t minute = std::min<size_t>(59, lateMs.size() / 2);
  const double drift = mean(lateMs.end() - static_cast<std::ptrdiff_t>(minute), lateMs.end()) -
                       mean(lateMs.begin(), lateMs.begin() + static_cast<std::ptrdiff_t>(minute));
  std::printf("poses on clicks over %d s, each pose's start on the wire after its click as played: mean %+.1f ms, "
              "worst %+.1f ms, drift %+.1f ms from the first minute to the last; quarnel-play's CPU %.2f %% of a core "
              "(goal 2 %%)\n",
              seconds, mean(lateMs.begin(), lateMs.end()), worst, drift, 100 * show.cpuSeconds / ranFor);
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
  const tavik::testing::TemporaryFolder programs;
  setenv("XDG_CONFIG_HOME", programs.file("config").c_str(), 1);
  const std::string player = placePlayerIn(programs.file("bin"));
  for (const int seconds : {60, 300}) posesOnClicks(server, player, seconds);
  return 0;
}
