// The sounds a script's SOUND lines name, each read once while it stays unchanged on disk, and
// the voice envelopes the jaw follows. The runner and the timeline's worker thread share one.
#pragma once

#include "sound/decoded_sound.h"
#include "sound/voice_envelope.h"

#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace quarnel {

class SoundShelf {
public:
  // The file's decoded sound, or why it cannot be played.
  SoundRead sound(const std::filesystem::path &file);
  // The envelope of a sound this shelf gave out, worked out once.
  std::shared_ptr<const VoiceEnvelope> envelope(const std::shared_ptr<const DecodedSound> &sound);

private:
  struct Entry {
    std::filesystem::file_time_type modified;
    std::uintmax_t size = 0;
    SoundRead read;
    std::shared_ptr<const VoiceEnvelope> envelope;
  };
  std::mutex m_mutex;
  std::map<std::filesystem::path, Entry> m_entries;
};

} // namespace quarnel
