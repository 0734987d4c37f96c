#include "sound_samples.h"

#include "spawn_program.h"

#include <sndfile.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <sys/wait.h>
#include <thread>

namespace tavik::testing {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

int64_t frameAt(double ms) { return std::llround(ms * SoundServer::rate / 1000); }

struct Reading {
  double at; // steady seconds
  double value;
};

// The value at `at`, between the two readings around it.
double valueAt(const std::vector<Reading> &readings, double at) {
  const auto after = std::lower_bound(readings.begin(), readings.end(), at,
                                      [](const Reading &r, double t) { return r.at < t; });
  if (after == readings.begin() || after == readings.end()) return NAN;
  const Reading &before = *(after - 1);
  return before.value + (after->value - before.value) * (at - before.at) / (after->at - before.at);
}

} // namespace

double steadySeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

std::vector<int64_t> clicksIn(const std::vector<float> &samples) {
  std::vector<int64_t> found;
  for (size_t i = 0; i < samples.size(); ++i)
    if (std::abs(samples[i]) > 0.4f && (found.empty() || static_cast<int64_t>(i) - found.back() > frameAt(200)))
      found.push_back(static_cast<int64_t>(i));
  return found;
}

std::shared_ptr<quarnel::DecodedSound> clickTrack(const std::vector<int> &clicksMs, int lengthMs) {
  auto sound = std::make_shared<quarnel::DecodedSound>();
  sound->rate = SoundServer::rate;
  sound->channels = 1;
  sound->samples.assign(static_cast<size_t>(frameAt(lengthMs)), 0);
  for (const int ms : clicksMs) std::fill_n(sound->samples.begin() + frameAt(ms), frameAt(1), int16_t{26000});
  return sound;
}

std::shared_ptr<quarnel::DecodedSound> toneBurst(int startMs, int endMs, int lengthMs) {
  auto sound = clickTrack({}, lengthMs);
  for (int64_t frame = frameAt(startMs); frame < frameAt(endMs); ++frame)
    sound->samples[static_cast<size_t>(frame)] =
        static_cast<int16_t>(16384 * std::sin(2 * M_PI * 1000 * static_cast<double>(frame) / SoundServer::rate));
  return sound;
}

bool writeWaveFile(const std::string &path, const quarnel::DecodedSound &sound) {
  SF_INFO info{};
  info.samplerate = sound.rate;
  info.channels = sound.channels;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  SNDFILE *file = sf_open(path.c_str(), SFM_WRITE, &info);
  if (!file) return false;
  const bool whole = sf_writef_short(file, sound.samples.data(), sound.frames()) == sound.frames();
  return sf_close(file) == 0 && whole;
}

std::shared_ptr<const quarnel::DecodedSound> spokenText(const std::string &text) {
  const TemporaryFolder folder;
  const std::string file = folder.file("spoken.wav");
  int status = -1;
  waitpid(spawnProgram({"/usr/bin/espeak-ng", "-w", file, text}), &status, 0);
  return quarnel::decodeSoundFile(file).sound;
}

ClickTiming timeClicks(quarnel::SoundOutput &output, const SoundServer &server,
                       const std::shared_ptr<const quarnel::DecodedSound> &clicks) {
  const std::string recording = server.folder().file("clicks.raw");
  std::vector<Reading> clock;
  std::vector<Reading> arrived; // frames of the recording there at each moment
  if (output.play(clicks)) return {};
  const pid_t recorder = server.startRecording(recording);
  const double giveUp = steadySeconds() + clicks->lengthMs() / 1000 + 30;
  while (!output.ended() && steadySeconds() < giveUp) {
    // The size is read first: a reading held up afterwards only makes the arrival look later.
    const auto frames = static_cast<double>(fs::exists(recording) ? fs::file_size(recording) / 2 : 0);
    if (frames > 0) arrived.push_back({steadySeconds(), frames});
    const double before = steadySeconds();
    const double played = output.playedMs();
    const double after = steadySeconds();
    if (after - before < 0.001) clock.push_back({(before + after) / 2, played});
    std::this_thread::sleep_for(1ms);
  }
  std::this_thread::sleep_for(200ms);
  endProgram(recorder);

  ClickTiming timing;
  timing.clockWentBack = !std::is_sorted(clock.begin(), clock.end(), [](auto &a, auto &b) { return a.value < b.value; });
  if (arrived.empty()) return timing;
  CountStart recordingStart;
  for (const Reading &r : arrived) recordingStart.seen(r.at, r.value / SoundServer::rate);
  for (const int64_t click : clicksIn(recordedSamples(recording)))
    timing.clockMs.push_back(valueAt(clock, recordingStart.seconds() + static_cast<double>(click) / SoundServer::rate));
  return timing;
}

} // namespace tavik::testing
