// The sound output against a real PulseAudio server whose null sink's monitor is recorded: the
// played-sample clock is read while clicks play, and each click's time in the recording is set
// against what the clock said then.
#include "sound/sound_output.h"
#include "sound_server.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace {

using quarnel::DecodedSound;
using quarnel::SoundOutput;
using tavik::testing::SoundServer;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

// How far the clock may stray from what was heard: loose, as the machine is shared.
constexpr double clockToleranceMs = 25;

double steadySeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

int64_t frameAt(double ms) { return std::llround(ms * SoundServer::rate / 1000); }

// Mono at the sink's rate; each click 1 ms loud, silence between.
std::shared_ptr<DecodedSound> clickTrack(const std::vector<int> &clicksMs, int lengthMs) {
  auto sound = std::make_shared<DecodedSound>();
  sound->rate = SoundServer::rate;
  sound->channels = 1;
  sound->samples.assign(static_cast<size_t>(frameAt(lengthMs)), 0);
  for (const int ms : clicksMs) std::fill_n(sound->samples.begin() + frameAt(ms), frameAt(1), int16_t{26000});
  return sound;
}

// Where a loud stretch starts, each at least 200 ms after the one before, in frames.
std::vector<int64_t> clicksIn(const std::vector<float> &samples) {
  std::vector<int64_t> found;
  for (size_t i = 0; i < samples.size(); ++i)
    if (std::abs(samples[i]) > 0.4f && (found.empty() || static_cast<int64_t>(i) - found.back() > frameAt(200)))
      found.push_back(static_cast<int64_t>(i));
  return found;
}

struct Reading {
  double at; // steady seconds
  double value;
};

// The reading's value at `at`, between the two readings around it.
double valueAt(const std::vector<Reading> &readings, double at) {
  const auto after = std::lower_bound(readings.begin(), readings.end(), at,
                                      [](const Reading &r, double t) { return r.at < t; });
  if (after == readings.begin() || after == readings.end()) return NAN;
  const Reading &before = *(after - 1);
  return before.value + (after->value - before.value) * (at - before.at) / (after->at - before.at);
}

class SoundOutputTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(server.running()) << server.log();
    auto connection = SoundOutput::connect();
    ASSERT_TRUE(connection.output) << *connection.error;
    output = std::move(connection.output);
  }

  // Starts recording the sink and waits until samples arrive.
  void startRecording() {
    recorder = server.startRecording(recording);
    for (int i = 0; i < 500 && !(fs::exists(recording) && fs::file_size(recording) > 0); ++i)
      std::this_thread::sleep_for(10ms);
    ASSERT_GT(fs::file_size(recording), 0u);
  }
  std::vector<float> stopRecording() {
    tavik::testing::endProgram(recorder);
    recorder = -1;
    return tavik::testing::recordedSamples(recording);
  }
  void TearDown() override {
    if (recorder > 0) tavik::testing::endProgram(recorder);
  }

  SoundServer server;
  std::unique_ptr<SoundOutput> output;
  std::string recording = (server.folder() / "recording.raw").string();
  pid_t recorder = -1;
};

// Played on a fresh server, whose idle sink has seconds of silence queued that it cannot take
// back: the sound is heard only after those, and the clock must wait for them too.
TEST_F(SoundOutputTest, PlayedClockTellsWhatTheSinkHasPlayed) {
  const std::vector<int> clicksMs = {400, 1150, 1900, 2650, 3400};
  const auto sound = clickTrack(clicksMs, 3600);
  std::vector<Reading> clock;
  // When the recording's frames had arrived: each was heard no later than it arrived.
  std::vector<Reading> recorded;
  ASSERT_EQ(output->play(sound), std::nullopt);
  recorder = server.startRecording(recording);
  const double giveUp = steadySeconds() + 30;
  while (!output->ended() && steadySeconds() < giveUp) {
    // Its size is read first: a reading held up later only makes the arrival look later.
    const auto frames = static_cast<double>(fs::exists(recording) ? fs::file_size(recording) / 2 : 0);
    if (frames > 0) recorded.push_back({steadySeconds(), frames});
    const double before = steadySeconds();
    const double played = output->playedMs();
    const double after = steadySeconds();
    if (after - before < 0.001) clock.push_back({(before + after) / 2, played});
    std::this_thread::sleep_for(1ms);
  }
  ASSERT_TRUE(output->ended());
  EXPECT_EQ(output->playedMs(), sound->lengthMs());
  std::this_thread::sleep_for(200ms);
  const std::vector<int64_t> found = clicksIn(stopRecording());
  ASSERT_EQ(found.size(), clicksMs.size());

  EXPECT_TRUE(std::is_sorted(clock.begin(), clock.end(), [](auto &a, auto &b) { return a.value < b.value; }));
  ASSERT_FALSE(recorded.empty());
  double recordingStart = recorded.front().at;
  for (const Reading &r : recorded) recordingStart = std::min(recordingStart, r.at - r.value / SoundServer::rate);
  for (size_t k = 0; k < found.size(); ++k) {
    const double heardAt = recordingStart + static_cast<double>(found[k]) / SoundServer::rate;
    EXPECT_NEAR(valueAt(clock, heardAt), clicksMs[k], clockToleranceMs) << "click " << k;
  }
}

TEST_F(SoundOutputTest, StopSilencesAtOnceAndAnotherSoundReplacesThePlayingOne) {
  auto tone = clickTrack({}, 5000);
  for (size_t i = 0; i < tone->samples.size(); ++i)
    tone->samples[i] = static_cast<int16_t>(16000 * std::sin(2 * M_PI * 440 * static_cast<double>(i) / SoundServer::rate));
  startRecording();
  ASSERT_EQ(output->play(tone), std::nullopt);
  while (output->playedMs() < 500) std::this_thread::sleep_for(1ms);
  output->stop();
  const double stoppedAt = output->playedMs();
  EXPECT_TRUE(output->ended());
  std::this_thread::sleep_for(300ms);
  EXPECT_EQ(output->playedMs(), stoppedAt);
  const std::vector<float> samples = stopRecording();
  const auto loud = [](float s) { return std::abs(s) > 0.1f; };
  const auto firstLoud = std::find_if(samples.begin(), samples.end(), loud);
  const auto lastLoud = std::find_if(samples.rbegin(), samples.rend(), loud).base();
  const double heardMs = static_cast<double>(lastLoud - firstLoud) * 1000 / SoundServer::rate;
  EXPECT_NEAR(heardMs, stoppedAt, clockToleranceMs);

  const auto shortSound = clickTrack({100}, 600);
  ASSERT_EQ(output->play(tone), std::nullopt);
  ASSERT_EQ(output->play(shortSound), std::nullopt);
  EXPECT_FALSE(output->ended());
  for (int i = 0; i < 3000 && !output->ended(); ++i) std::this_thread::sleep_for(1ms);
  EXPECT_TRUE(output->ended());
  EXPECT_EQ(output->playedMs(), shortSound->lengthMs());
  EXPECT_EQ(output->fault(), std::nullopt);
}

TEST_F(SoundOutputTest, AServerThatGoesAwayEndsTheSoundAndSaysSo) {
  ASSERT_EQ(output->play(clickTrack({}, 10000)), std::nullopt);
  server.stop();
  for (int i = 0; i < 5000 && !output->ended(); ++i) std::this_thread::sleep_for(1ms);
  EXPECT_TRUE(output->ended());
  EXPECT_EQ(output->fault(), "The sound server went away.");
  EXPECT_LT(output->playedMs(), 10000);
  EXPECT_NE(output->play(clickTrack({}, 100)), std::nullopt);
}

// No server at the address, and one that takes the connection but never answers: either is
// said, and the second within the time-out.
TEST(SoundOutputWithoutServer, SaysWhyWithoutWaiting) {
  const fs::path folder = fs::temp_directory_path() / ("quarnel-no-sound-" + std::to_string(getpid()));
  fs::create_directories(folder);
  const std::string silent = (folder / "silent").string();
  const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  silent.copy(address.sun_path, sizeof address.sun_path - 1);
  ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
  ASSERT_EQ(listen(listener, 4), 0);

  const struct {
    std::string server;
    std::string said;
  } cases[] = {
      {(folder / "nothing").string(), "No sound server: Connection refused."},
      {silent, "The sound server did not answer within 0.5 s."},
  };
  for (const auto &c : cases) {
    setenv("PULSE_SERVER", ("unix:" + c.server).c_str(), 1);
    const auto connection = SoundOutput::connect(500ms);
    EXPECT_EQ(connection.output, nullptr) << c.server;
    EXPECT_EQ(connection.error.value_or(""), c.said);
  }
  close(listener);
  fs::remove_all(folder);
}

} // namespace
