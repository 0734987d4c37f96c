// A sound file decoded whole: the samples played back and the mono mix the analysis reads.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quarnel {

// The longest sound a file may hold; a longer one is refused before it fills the memory.
constexpr int longestSoundSeconds = 60 * 60;
constexpr int mostSoundChannels = 8;
constexpr int highestSoundRate = 192000;

struct DecodedSound {
  int rate = 0;     // frames a second
  int channels = 0; // 1 to mostSoundChannels
  std::vector<int16_t> samples; // interleaved, one frame after another

  int64_t frames() const { return channels == 0 ? 0 : static_cast<int64_t>(samples.size()) / channels; }
  double lengthMs() const { return rate == 0 ? 0 : static_cast<double>(frames()) * 1000.0 / rate; }
  // The frame's channels averaged, from -1 to 1.
  float mono(int64_t frame) const {
    const int16_t *first = samples.data() + frame * channels;
    int sum = 0;
    for (int c = 0; c < channels; ++c) sum += first[c];
    return static_cast<float>(sum) / (32768.0f * static_cast<float>(channels));
  }
};

struct SoundRead {
  std::shared_ptr<const DecodedSound> sound;
  std::optional<std::string> error; // why the file cannot be played, for the user
};

// Reads and decodes the whole file: WAV, FLAC, Ogg Vorbis, MP3, and whatever else the decoder
// knows. A missing file, one that holds no sound, a special file or one too long is refused.
SoundRead decodeSoundFile(const std::string &path);

} // namespace quarnel
