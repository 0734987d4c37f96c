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
#include <string_view>

namespace quarnel {

class SoundShelf {
public:
  // Where relative paths start: the script's folder.
  void setFolder(std::filesystem::path folder);
  std::filesystem::path folder() const;

  // The file a SOUND line's path names, relative ones from the folder.
  std::filesystem::path resolve(std::string_view path) const;

  // The decoded sound, or why it cannot be played.
  SoundRead sound(std::string_view path);
  // The envelope of a sound this shelf gave out, worked out once.
  std::shared_ptr<const VoiceEnvelope> envelope(const std::shared_ptr<const DecodedSound> &sound);

private:
  struct Entry {
    std::filesystem::file_time_type modified;
    std::uintmax_t size = 0;
    SoundRead read;
    std::shared_ptr<const VoiceEnvelope> envelope;
  };
  mutable std::mutex m_mutex;
  std::filesystem::path m_folder;
  std::map<std::filesystem::path, Entry> m_entries;
};

} // namespace quarnel
