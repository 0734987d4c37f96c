// The sound output against a real PulseAudio server whose null sink's monitor is recorded: the
// played-sample clock against the clicks heard, a stop against the sound heard, and a server
// that is not there, does not answer or goes away; and the run's player, which goes on in
// silence without one.
#include "manual_clock.h"
#include "sound/server_sound_player.h"
#include "sound/sound_output.h"
#include "sound_samples.h"
#include "spawn_program.h"
#include "wait_until.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>

namespace {

using quarnel::DecodedSound;
using quarnel::SoundOutput;
using tavik::testing::ClickTiming;
using tavik::testing::clickTrack;
using tavik::testing::endProgram;
using tavik::testing::SoundServer;
using tavik::testing::waitUntil;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

// How far the clock may stray from what was heard: loose, as the machine is shared.
constexpr double clockToleranceMs = 25;

class SoundOutputTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(server.running()) << server.log();
    auto connection = SoundOutput::connect();
    ASSERT_TRUE(connection.output) << *connection.error;
    output = std::move(connection.output);
  }

  SoundServer server;
  std::unique_ptr<SoundOutput> output;
};

// Played on a fresh server, whose idle sink has seconds of silence queued that it cannot take
// back: the sound is heard only after those, and the clock must wait for them too.
TEST_F(SoundOutputTest, PlayedClockTellsWhatTheSinkHasPlayed) {
  const std::vector<int> clicksMs = {400, 1150, 1900, 2650, 3400};
  const auto sound = clickTrack(clicksMs, 3600);
  const ClickTiming timing = timeClicks(*output, server, sound);
  EXPECT_TRUE(output->ended());
  EXPECT_EQ(output->playedMs(), sound->lengthMs());
  EXPECT_FALSE(timing.clockWentBack);
  ASSERT_EQ(timing.clockMs.size(), clicksMs.size());
  for (size_t k = 0; k < clicksMs.size(); ++k) EXPECT_NEAR(timing.clockMs[k], clicksMs[k], clockToleranceMs) << "click " << k;
}

TEST_F(SoundOutputTest, StopSilencesAtOnceAndAnotherSoundReplacesThePlayingOne) {
  auto tone = clickTrack({}, 5000);
  for (size_t i = 0; i < tone->samples.size(); ++i)
    tone->samples[i] = static_cast<int16_t>(16000 * std::sin(2 * M_PI * 440 * static_cast<double>(i) / SoundServer::rate));
  const std::string recording = server.folder().file("tone.raw");
  const pid_t recorder = server.startRecording(recording);
  ASSERT_TRUE(waitUntil([&] { return fs::exists(recording) && fs::file_size(recording) > 0; }, 10s));
  ASSERT_EQ(output->play(tone), std::nullopt);
  ASSERT_TRUE(waitUntil([&] { return output->playedMs() >= 500; }));
  output->stop();
  const double stoppedAt = output->playedMs();
  EXPECT_TRUE(output->ended());
  std::this_thread::sleep_for(300ms);
  EXPECT_EQ(output->playedMs(), stoppedAt);
  endProgram(recorder);
  const std::vector<float> samples = tavik::testing::recordedSamples(recording);
  const auto loud = [](float s) { return std::abs(s) > 0.1f; };
  const auto firstLoud = std::find_if(samples.begin(), samples.end(), loud);
  const auto lastLoud = std::find_if(samples.rbegin(), samples.rend(), loud).base();
  const double heardMs = static_cast<double>(lastLoud - firstLoud) * 1000 / SoundServer::rate;
  EXPECT_NEAR(heardMs, stoppedAt, clockToleranceMs);

  const auto shortSound = clickTrack({100}, 600);
  ASSERT_EQ(output->play(tone), std::nullopt);
  ASSERT_EQ(output->play(shortSound), std::nullopt);
  EXPECT_FALSE(output->ended());
  EXPECT_TRUE(waitUntil([&] { return output->ended(); }));
  EXPECT_EQ(output->playedMs(), shortSound->lengthMs());
  EXPECT_EQ(output->fault(), std::nullopt);
}

TEST_F(SoundOutputTest, AServerThatGoesAwayEndsTheSoundAndSaysSo) {
  ASSERT_EQ(output->play(clickTrack({}, 10000)), std::nullopt);
  server.stop();
  EXPECT_TRUE(waitUntil([&] { return output->ended(); }));
  EXPECT_EQ(output->fault(), "The sound server went away.");
  EXPECT_LT(output->playedMs(), 10000);
  EXPECT_NE(output->play(clickTrack({}, 100)), std::nullopt);
}

// No server at the address, and one that takes the connection but never answers: either is
// said, and the second within the time-out.
TEST(SoundOutputWithoutServer, SaysWhyWithoutWaiting) {
  const tavik::testing::TemporaryFolder folder;
  const std::string silent = folder.file("silent");
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
      {folder.file("nothing"), "No sound server: Connection refused."},
      {silent, "The sound server did not answer within 0.5 s."},
  };
  for (const auto &c : cases) {
    setenv("PULSE_SERVER", ("unix:" + c.server).c_str(), 1);
    const auto connection = SoundOutput::connect(500ms);
    EXPECT_EQ(connection.output, nullptr) << c.server;
    EXPECT_EQ(connection.error.value_or(""), c.said);
  }
  close(listener);
}

// No server: the sounds go on in silence on the wall clock, told once. A server there at the next
// sound is heard; one that goes away is said.
TEST(ServerSoundPlayer, GoesOnInSilenceWhereNoSoundCanBeHeardAndSaysSoOnce) {
  const tavik::testing::TemporaryFolder folder;
  setenv("PULSE_SERVER", ("unix:" + folder.file("nothing")).c_str(), 1);
  quarnel::ManualClock wall;
  quarnel::ServerSoundPlayer player(wall);
  std::vector<std::string> told;
  player.unheard = [&](const std::string &why) { told.push_back(why); };
  for (int sound = 0; sound < 2; ++sound) {
    EXPECT_EQ(player.play(clickTrack({}, 1000)), std::nullopt);
    EXPECT_FALSE(player.ended());
    wall.advanceMs(300);
    EXPECT_NEAR(player.playedMs(), 300, 1e-6);
  }
  wall.advanceMs(800);
  EXPECT_TRUE(player.ended());
  EXPECT_EQ(told, (std::vector<std::string>{"No sound server: Connection refused."}));
  EXPECT_EQ(player.fault(), std::nullopt);

  SoundServer server;
  ASSERT_TRUE(server.running()) << server.log();
  EXPECT_EQ(player.play(clickTrack({}, 10000)), std::nullopt);
  EXPECT_TRUE(waitUntil([&] { return player.playedMs() > 0; })) << "not heard";
  EXPECT_EQ(player.fault(), std::nullopt);
  server.stop();
  EXPECT_TRUE(waitUntil([&] { return player.ended(); }));
  EXPECT_EQ(player.fault(), "The sound server went away.");
  EXPECT_EQ(told.size(), 1u);
}

} // namespace
