// The file is read with the project's guarded whole-file read, then decoded from memory, so a
// pipe or device in its place is refused and never waited on.
#include "sound/decoded_sound.h"

#include "config/file_access.h"

#include <QCoreApplication>

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string_view>

namespace quarnel {

namespace {

// A WAV of an hour at 48 kHz, 24-bit stereo, is about a gigabyte.
constexpr long long largestSoundFile = 1LL << 30;
// The decoded samples kept at most, a gigabyte: an hour of stereo at 96 kHz would not fit.
constexpr int64_t mostSoundSamples = 1LL << 29;

struct MemoryFile {
  std::string_view bytes;
  sf_count_t position = 0;
};

MemoryFile &memoryFile(void *data) { return *static_cast<MemoryFile *>(data); }

sf_count_t memoryLength(void *data) { return static_cast<sf_count_t>(memoryFile(data).bytes.size()); }

sf_count_t memorySeek(sf_count_t offset, int whence, void *data) {
  MemoryFile &file = memoryFile(data);
  const sf_count_t base = whence == SEEK_CUR ? file.position
                          : whence == SEEK_END ? static_cast<sf_count_t>(file.bytes.size())
                                               : 0;
  file.position = std::clamp<sf_count_t>(base + offset, 0, static_cast<sf_count_t>(file.bytes.size()));
  return file.position;
}

sf_count_t memoryRead(void *to, sf_count_t count, void *data) {
  MemoryFile &file = memoryFile(data);
  const sf_count_t left = static_cast<sf_count_t>(file.bytes.size()) - file.position;
  const sf_count_t taken = std::clamp<sf_count_t>(count, 0, left);
  std::copy_n(file.bytes.data() + file.position, taken, static_cast<char *>(to));
  file.position += taken;
  return taken;
}

sf_count_t noWrite(const void *, sf_count_t, void *) { return 0; }

sf_count_t memoryTell(void *data) { return memoryFile(data).position; }

SoundRead refused(std::string why) { return {nullptr, std::move(why)}; }

int16_t toSample(float value) {
  return static_cast<int16_t>(std::lround(std::clamp(value, -1.0f, 1.0f) * 32767.0f));
}

// Decodes block by block, so a header that lies about the length cannot make it take more
// than the limits allow.
SoundRead decodeOpen(SNDFILE *file, const SF_INFO &info) {
  if (info.channels < 1 || info.channels > mostSoundChannels)
    return refused(QCoreApplication::translate("DecodedSound", "It has %1 channels; at most %2 can be played.")
                       .arg(info.channels)
                       .arg(mostSoundChannels)
                       .toStdString());
  if (info.samplerate < 1 || info.samplerate > highestSoundRate)
    return refused(QCoreApplication::translate("DecodedSound", "Its sample rate of %1 Hz cannot be played.")
                       .arg(info.samplerate)
                       .toStdString());
  const int64_t mostFrames = std::min<int64_t>(int64_t{longestSoundSeconds} * info.samplerate,
                                               mostSoundSamples / info.channels);
  auto sound = std::make_shared<DecodedSound>();
  sound->rate = info.samplerate;
  sound->channels = info.channels;
  if (info.frames > 0) sound->samples.reserve(std::min<int64_t>(info.frames, mostFrames + 1) * info.channels);
  std::vector<float> block(4096 * static_cast<size_t>(info.channels));
  while (true) {
    const sf_count_t got = sf_readf_float(file, block.data(), 4096);
    if (got <= 0) break;
    std::transform(block.begin(), block.begin() + got * info.channels, std::back_inserter(sound->samples), toSample);
    if (sound->frames() > mostFrames)
      return refused(mostFrames == int64_t{longestSoundSeconds} * info.samplerate
                         ? QCoreApplication::translate("DecodedSound", "It is longer than an hour.").toStdString()
                         : QCoreApplication::translate("DecodedSound",
                                                       "It is too large: decoded, it would take more than a gigabyte.")
                               .toStdString());
  }
  if (sf_error(file) != SF_ERR_NO_ERROR)
    return refused(QCoreApplication::translate("DecodedSound", "It is damaged: %1").arg(sf_strerror(file)).toStdString());
  return {std::move(sound), std::nullopt};
}

} // namespace

SoundRead decodeSoundFile(const std::string &path) {
  const FileRead read = readWholeFile(path, largestSoundFile);
  if (read.error) return refused(*read.error);
  MemoryFile memory{read.bytes};
  SF_VIRTUAL_IO io{memoryLength, memorySeek, memoryRead, noWrite, memoryTell};
  SF_INFO info{};
  SNDFILE *file = sf_open_virtual(&io, SFM_READ, &info, &memory);
  if (!file)
    return refused(QCoreApplication::translate("DecodedSound",
                                               "It is no sound that can be played: not WAV, FLAC, Ogg Vorbis or MP3.")
                       .toStdString());
  SoundRead decoded = decodeOpen(file, info);
  sf_close(file);
  return decoded;
}

} // namespace quarnel
