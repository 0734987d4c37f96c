// The jaw on speech spoken by espeak-ng with pauses between sentences and a breath of noise
// throughout, and on tone bursts over hum and hiss as loud as they are.
#include "sound/jaw_moves.h"
#include "sound_samples.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

using namespace quarnel;

// The servo's travel is narrower than the jaw asks: its open position is kept within it.
const JawSettings jaw{40, 220, {30, 127, 180}, 50, 30};
constexpr int16_t jawOpenMost = 180;

// The position the jaw stands at `ms`.
int16_t positionAt(const std::vector<JawMove> &moves, int ms) {
  int16_t position = moves.front().position;
  for (const JawMove &move : moves)
    if (move.timeMs <= ms) position = move.position;
  return position;
}

void addNoise(DecodedSound &sound, double amplitude) {
  std::minstd_rand random(7);
  std::uniform_real_distribution<double> noise(-amplitude, amplitude);
  for (int16_t &s : sound.samples) s = static_cast<int16_t>(std::clamp(s + 32767 * noise(random), -32767.0, 32767.0));
}

// Every move within the jaw's range and the servo's travel, a step apart, ending closed.
void expectPlayable(const std::vector<JawMove> &moves) {
  ASSERT_FALSE(moves.empty());
  EXPECT_EQ(moves.front().timeMs, 0);
  EXPECT_EQ(moves.back().position, jaw.closed);
  for (size_t i = 0; i < moves.size(); ++i) {
    EXPECT_GE(moves[i].position, jaw.closed);
    EXPECT_LE(moves[i].position, jawOpenMost);
    if (i > 0) {
      EXPECT_GE(moves[i].timeMs - moves[i - 1].timeMs, jaw.stepMs);
    }
  }
}

int openingsIn(const std::vector<JawMove> &moves) {
  int openings = 0;
  for (size_t i = 1; i < moves.size(); ++i) openings += moves[i - 1].position == jaw.closed && moves[i].position > jaw.closed;
  return openings;
}

struct Span {
  int startMs;
  int endMs;
};

TEST(JawMovesTest, SpeechOpensTheJawOnWordsAndLeavesItShutInThePauses) {
  const struct {
    const char *text;
    int words;
  } sentences[] = {{"Open the door and come inside.", 6}, {"I am the skull on the shelf.", 7},
                   {"Nobody ever visits me.", 4}};
  constexpr int pauseMs = 1500;
  DecodedSound speech{22050, 1, {}};
  std::vector<Span> sentenceSpans;
  speech.samples.resize(pauseMs * 22050 / 1000);
  for (const auto &sentence : sentences) {
    const auto voice = tavik::testing::spokenText(sentence.text);
    ASSERT_TRUE(voice && voice->rate == speech.rate && voice->channels == 1);
    const int startMs = static_cast<int>(speech.lengthMs());
    speech.samples.insert(speech.samples.end(), voice->samples.begin(), voice->samples.end());
    sentenceSpans.push_back({startMs, static_cast<int>(speech.lengthMs())});
    speech.samples.resize(speech.samples.size() + pauseMs * 22050 / 1000);
  }
  addNoise(speech, 0.03); // breath and room noise at -30 dB

  const VoiceEnvelope envelope = voiceEnvelope(speech);
  const std::vector<JawMove> moves = jawMoves(envelope, jaw);
  expectPlayable(moves);
  const int openings = openingsIn(moves);
  int words = 0;
  for (size_t k = 0; k < sentenceSpans.size(); ++k) {
    words += sentences[k].words;
    int widest = jaw.closed;
    for (int ms = sentenceSpans[k].startMs; ms < sentenceSpans[k].endMs; ms += 10) widest = std::max(widest, int{positionAt(moves, ms)});
    EXPECT_GE(widest, jaw.closed + (jawOpenMost - jaw.closed) * 3 / 4) << sentences[k].text;
    // The pause after it: shut once the voice has faded, until the look-ahead opens it again.
    for (int ms = sentenceSpans[k].endMs + 300; ms < sentenceSpans[k].endMs + pauseMs - 100; ms += 10)
      ASSERT_EQ(positionAt(moves, ms), jaw.closed) << "after " << sentences[k].text << " at " << ms << " ms";
  }
  EXPECT_GE(openings, static_cast<int>(sentenceSpans.size()));
  EXPECT_LE(openings, 2 * words) << "the jaw chatters";

  // Each sentence's first opening comes earlier by as much more look-ahead.
  const auto firstOpenings = [&](int lookAheadMs) {
    JawSettings settings = jaw;
    settings.lookAheadMs = lookAheadMs;
    const std::vector<JawMove> led = jawMoves(envelope, settings);
    std::vector<int> first;
    for (const Span &span : sentenceSpans)
      first.push_back(std::find_if(led.begin(), led.end(), [&](const JawMove &m) {
                        return m.timeMs > span.startMs - 500 && m.position > jaw.closed;
                      })->timeMs);
    return first;
  };
  const std::vector<int> usual = firstOpenings(jaw.lookAheadMs);
  for (const int lookAheadMs : {0, 150}) {
    const std::vector<int> first = firstOpenings(lookAheadMs);
    for (size_t k = 0; k < sentenceSpans.size(); ++k)
      EXPECT_NEAR(usual[k] - first[k], lookAheadMs - jaw.lookAheadMs, jaw.stepMs) << lookAheadMs << " ms, " << sentences[k].text;
  }
}

// Bursts of 1 kHz, 300 ms on and 700 ms off, over a background as loud as they are: the jaw
// opens on each burst and shuts between them whatever the background.
TEST(JawMovesTest, HumAndHissOutsideTheVoiceBandDoNotHoldTheJawOpen) {
  constexpr int rate = 44100;
  const struct {
    const char *background;
    double hz;
  } cases[] = {{"silence", 0}, {"mains hum", 50}, {"hiss", 10000}};
  for (const auto &c : cases) {
    DecodedSound sound{rate, 1, std::vector<int16_t>(5 * rate)};
    for (size_t i = 0; i < sound.samples.size(); ++i) {
      const double t = static_cast<double>(i) / rate;
      const bool burst = std::fmod(t, 1.0) >= 0.4 && std::fmod(t, 1.0) < 0.7;
      sound.samples[i] = static_cast<int16_t>(10000 * ((burst ? std::sin(2 * M_PI * 1000 * t) : 0) +
                                                       (c.hz > 0 ? std::sin(2 * M_PI * c.hz * t) : 0)));
    }
    const std::vector<JawMove> moves = jawMoves(voiceEnvelope(sound), jaw);
    expectPlayable(moves);
    for (int second = 0; second < 5; ++second) {
      EXPECT_GT(positionAt(moves, second * 1000 + 550), jaw.closed) << c.background << ": burst " << second;
      EXPECT_EQ(positionAt(moves, second * 1000 + 200), jaw.closed) << c.background << ": before burst " << second;
    }
  }
}

// A word five minutes into quiet noise, at a rate whose 5 ms is no whole number of frames: the
// jaw opens for it, on its time, a look-ahead before it, and for nothing else.
TEST(JawMovesTest, AWordFiveMinutesInOpensTheJawOnItsTime) {
  constexpr int rate = 44100;
  DecodedSound sound{rate, 1, std::vector<int16_t>(301 * rate)};
  for (size_t i = 300 * rate; i < sound.samples.size() - rate / 2; ++i)
    sound.samples[i] = static_cast<int16_t>(10000 * std::sin(2 * M_PI * 1000 * static_cast<double>(i) / rate));
  addNoise(sound, 0.01);
  const std::vector<JawMove> moves = jawMoves(voiceEnvelope(sound), jaw);
  expectPlayable(moves);
  EXPECT_EQ(openingsIn(moves), 1);
  ASSERT_GE(moves.size(), 2u);
  EXPECT_NEAR(moves[1].timeMs, 300'000 - jaw.lookAheadMs, jaw.stepMs);
}

// A voice that trembles as it fades crosses the gate's level many times on its way down: the
// jaw closes once, on the way, and stays shut.
TEST(JawMovesTest, AFadingTremblingVoiceClosesTheJawOnce) {
  constexpr int rate = 22050;
  constexpr int bursts = 3;
  DecodedSound sound{rate, 1, std::vector<int16_t>(4 * bursts * rate)};
  for (size_t i = 0; i < sound.samples.size(); ++i) {
    // Each four seconds: half a second of quiet, then three of a voice fading as it trembles.
    const double t = std::fmod(static_cast<double>(i) / rate, 4.0) - 0.5;
    const double level = t >= 0 && t < 3 ? std::exp(-t / 0.8) * (1 + 0.35 * std::sin(2 * M_PI * 5 * t)) : 0;
    sound.samples[i] = static_cast<int16_t>(20000 * level * std::sin(2 * M_PI * 700 * t));
  }
  addNoise(sound, 0.003);
  const std::vector<JawMove> moves = jawMoves(voiceEnvelope(sound), jaw);
  expectPlayable(moves);
  EXPECT_EQ(openingsIn(moves), bursts);
}

} // namespace
