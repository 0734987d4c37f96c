// Sound files made here with the same library in each format, decoded back; and the files
// that must be refused, each with its reason.
#include "sound/decoded_sound.h"

#include "temporary_folder.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <fstream>
#include <sys/stat.h>

namespace {

using quarnel::decodeSoundFile;

class DecodedSoundTest : public ::testing::Test {
protected:
  // `seconds` of a 440 Hz tone at half scale on every channel, the right one inverted.
  std::string writeTone(const std::string &name, int format, int rate, int channels, double seconds) {
    const std::string path = folder.file(name);
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format;
    SNDFILE *file = sf_open(path.c_str(), SFM_WRITE, &info);
    EXPECT_NE(file, nullptr) << name << ": " << sf_strerror(nullptr);
    if (!file) return path;
    const auto frames = static_cast<sf_count_t>(seconds * rate);
    std::vector<float> samples(static_cast<size_t>(frames * channels));
    for (sf_count_t f = 0; f < frames; ++f)
      for (int c = 0; c < channels; ++c)
        samples[static_cast<size_t>(f * channels + c)] =
            static_cast<float>((c == 1 ? -0.5 : 0.5) * std::sin(2 * M_PI * 440 * static_cast<double>(f) / rate));
    EXPECT_EQ(sf_writef_float(file, samples.data(), frames), frames);
    sf_close(file);
    return path;
  }

  const tavik::testing::TemporaryFolder folder;
};

TEST_F(DecodedSoundTest, EveryFormatDecodesToItsRateChannelsLengthAndSamples) {
  const struct {
    const char *name;
    int format;
    int rate;
    int channels;
    double lengthToleranceMs; // lossy coders pad the ends
  } cases[] = {
      {"tone.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100, 2, 0},
      {"tone.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_24, 48000, 1, 0},
      {"tone.ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 44100, 2, 30},
      {"tone.mp3", SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 44100, 1, 60},
  };
  for (const auto &c : cases) {
    const auto read = decodeSoundFile(writeTone(c.name, c.format, c.rate, c.channels, 1.5));
    ASSERT_TRUE(read.sound) << c.name << ": " << read.error.value_or("");
    const quarnel::DecodedSound &sound = *read.sound;
    EXPECT_EQ(sound.rate, c.rate) << c.name;
    EXPECT_EQ(sound.channels, c.channels) << c.name;
    EXPECT_NEAR(sound.lengthMs(), 1500, c.lengthToleranceMs) << c.name;
    // The tone itself: its loudest sample, and its pitch by counting rising zero crossings.
    int rising = 0;
    int16_t loudest = 0;
    for (size_t i = static_cast<size_t>(sound.channels); i < sound.samples.size(); i += static_cast<size_t>(sound.channels)) {
      rising += sound.samples[i - static_cast<size_t>(sound.channels)] < 0 && sound.samples[i] >= 0;
      loudest = std::max(loudest, sound.samples[i]);
    }
    EXPECT_NEAR(loudest, 16384, 1200) << c.name;
    EXPECT_NEAR(rising, 440 * 1.5, 10) << c.name;
    if (c.channels == 2) {
      EXPECT_NEAR(sound.mono(1000), 0, 0.05) << c.name << ": the channels cancel";
    }
  }
}

TEST_F(DecodedSoundTest, FilesThatHoldNoPlayableSoundAreRefusedWithTheReason) {
  const auto write = [&](const std::string &name, const std::string &bytes) {
    std::ofstream(folder.file(name), std::ios::binary) << bytes;
    return folder.file(name);
  };
  ASSERT_EQ(mkfifo(folder.file("pipe.wav").c_str(), 0600), 0);
  const struct {
    std::string path;
    std::string reason;
  } cases[] = {
      {folder.file("missing.wav"), "No such file or directory"},
      {write("notes.wav", "These are words, not a sound.\n"), "It is no sound that can be played: not WAV, FLAC, Ogg Vorbis or MP3."},
      {write("image.xyz", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)), "It is no sound that can be played: not WAV, FLAC, Ogg Vorbis or MP3."},
      {folder.path().string(), "It is a folder, not a regular file."},
      {folder.file("pipe.wav"), "It is a named pipe, not a regular file."},
      // Cheap to write at 1000 samples a second, yet a second over the hour.
      {writeTone("long.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1000, 1, 3601), "It is longer than an hour."},
  };
  for (const auto &c : cases) {
    const auto read = decodeSoundFile(c.path);
    EXPECT_EQ(read.sound, nullptr) << c.path;
    EXPECT_EQ(read.error.value_or(""), c.reason) << c.path;
  }
}

} // namespace
