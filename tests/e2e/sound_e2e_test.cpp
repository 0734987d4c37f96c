// quarnel-play with sound, as a user runs it: a PulseAudio server of the test's own with a null
// sink whose monitor is recorded, tavik-board --log taking the wire at the line's speed, both
// put on one clock. Poses placed on the clicks of a click track reach the wire as the clicks
// are played; a jaw follows speech, open on the words and shut in the gaps.
#include "application_parts.h"
#include "played_show.h"
#include "script_text.h"
#include "sound_samples.h"
#include "temporary_folder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <numeric>

namespace quarnel {
namespace {

using namespace std::chrono_literals;
using tavik::testing::BoardProcess;
using tavik::testing::PlayedShow;

class SoundShowTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(server.running()) << server.log();
    setenv("XDG_CONFIG_HOME", folder.file("config").c_str(), 1);
  }
  std::string file(const std::string &name, const std::string &bytes) {
    std::ofstream(folder.file(name), std::ios::binary) << bytes;
    return folder.file(name);
  }
  PlayedShow play(const std::string &script) {
    const BoardProcess board(false); // taking the bytes at the line's speed
    return playShow(server, board, {player, "--device", board.link(), script}, folder.file("out"), 60s);
  }

  tavik::testing::SoundServer server;
  const tavik::testing::TemporaryFolder folder;
  const std::string player = placePlayerIn(folder.file("bin"));
};

TEST_F(SoundShowTest, PosesPlacedOnClicksReachTheWireAsTheClicksArePlayed) {
  // A click a second; the lines between poses wait 900 ms, as each runs 100 ms after the last.
  std::vector<int> clicksMs;
  std::vector<std::string> lines = {"SOUND clicks.wav", "PAUSE 900"};
  for (int k = 0; k < 6; ++k) {
    clicksMs.push_back(1000 * (k + 1));
    lines.insert(lines.end(), {k % 2 ? "Down" : "Up", "PAUSE 900"});
  }
  ASSERT_TRUE(tavik::testing::writeWaveFile(folder.file("clicks.wav"), *tavik::testing::clickTrack(clicksMs, 7000)));
  // Ten units at full speed: each move is over well within the runner's tick.
  const PlayedShow show = play(file("clicks.tvk", tvk({{"Up", pose(137, 255)}, {"Down", pose(127, 255)}}, lines)));
  ASSERT_EQ(show.exitCode, 0);

  const std::vector<double> played = show.clicksPlayed();
  const std::vector<double> poses = show.moveStarts(0, 0.3);
  ASSERT_EQ(played.size(), clicksMs.size());
  ASSERT_EQ(poses.size(), clicksMs.size());
  std::vector<double> lateMs;
  for (size_t k = 0; k < poses.size(); ++k) {
    lateMs.push_back((poses[k] - played[k]) * 1000);
    EXPECT_NEAR(lateMs.back(), 0, 25) << "pose " << k;
  }
  EXPECT_NEAR(std::accumulate(lateMs.begin(), lateMs.end(), 0.0) / static_cast<double>(lateMs.size()), 0, 10);
}

TEST_F(SoundShowTest, AJawFollowsSpeechOpenOnTheWordsAndShutInTheGaps) {
  const struct {
    const char *text;
    int words;
  } sentences[] = {{"Open the door and come inside.", 6}, {"I am the skull on the shelf.", 7}};
  constexpr int gapMs = 1500;
  DecodedSound speech{22050, 1, std::vector<int16_t>(gapMs * 22050 / 1000)};
  std::vector<std::pair<double, double>> spokenMs; // each sentence's start and end in the file
  int words = 0;
  for (const auto &sentence : sentences) {
    const auto voice = tavik::testing::spokenText(sentence.text);
    ASSERT_TRUE(voice && voice->rate == speech.rate && voice->channels == 1);
    const double startMs = speech.lengthMs();
    speech.samples.insert(speech.samples.end(), voice->samples.begin(), voice->samples.end());
    spokenMs.emplace_back(startMs, speech.lengthMs());
    speech.samples.resize(speech.samples.size() + gapMs * 22050 / 1000);
    words += sentence.words;
  }
  ASSERT_TRUE(tavik::testing::writeWaveFile(folder.file("speech.wav"), speech));
  const std::string pause = "PAUSE " + std::to_string(static_cast<int>(speech.lengthMs()));
  const PlayedShow show = play(file("speech.tvk", tvk({}, {"SOUND speech.wav", "JAW 3 40 120", pause})));
  ASSERT_EQ(show.exitCode, 0);

  // Where the file's first sound is heard sets where the file starts on the clock.
  const auto loud = [](float s) { return std::abs(s) > 0.05f; };
  const auto fileFirst = std::find_if(speech.samples.begin(), speech.samples.end(), [&](int16_t s) { return loud(s / 32768.0f); });
  const auto heardFirst = std::find_if(show.heard.begin(), show.heard.end(), loud);
  ASSERT_NE(heardFirst, show.heard.end());
  const double fileStart = show.heardAt(heardFirst - show.heard.begin()) -
                           static_cast<double>(fileFirst - speech.samples.begin()) / speech.rate;
  const auto jaw = show.servoFrames(3);
  const auto jawAt = [&](double fileMs) {
    int position = 127;
    for (const auto &[at, p] : jaw)
      if (at <= fileStart + fileMs / 1000) position = p;
    return position;
  };
  for (size_t k = 0; k < spokenMs.size(); ++k) {
    int widest = 0;
    for (double ms = spokenMs[k].first; ms < spokenMs[k].second; ms += 5) widest = std::max(widest, jawAt(ms));
    EXPECT_GE(widest, 100) << sentences[k].text;
    for (double ms = spokenMs[k].second + 300; ms < spokenMs[k].second + gapMs - 100; ms += 5)
      ASSERT_EQ(jawAt(ms), 40) << "after " << sentences[k].text << " at " << ms << " ms";
  }
  int openings = 0;
  for (size_t i = 1; i < jaw.size(); ++i) openings += jaw[i - 1].second == 40 && jaw[i].second > 40;
  EXPECT_GE(openings, static_cast<int>(spokenMs.size()));
  EXPECT_LE(openings, 2 * words) << "the jaw chatters";
  EXPECT_EQ(jaw.back().second, 40);
}

} // namespace
} // namespace quarnel
