// Reading sounds once: a long track takes a while to decode and the timeline redraws often.
#include "script/sound_shelf.h"

#include <system_error>

namespace quarnel {

SoundRead SoundShelf::sound(const std::filesystem::path &file) {
  std::error_code error;
  const auto modified = std::filesystem::last_write_time(file, error);
  const auto size = error ? 0 : std::filesystem::file_size(file, error);
  {
    std::lock_guard lock(m_mutex);
    const auto known = m_entries.find(file);
    if (!error && known != m_entries.end() && known->second.modified == modified && known->second.size == size)
      return known->second.read;
  }
  // Decoded outside the lock: the window must not wait for the timeline's long track.
  SoundRead read = decodeSoundFile(file.string());
  if (!error) {
    std::lock_guard lock(m_mutex);
    m_entries[file] = Entry{modified, size, read, nullptr};
  }
  return read;
}

std::shared_ptr<const VoiceEnvelope> SoundShelf::envelope(const std::shared_ptr<const DecodedSound> &sound) {
  {
    std::lock_guard lock(m_mutex);
    for (const auto &[file, entry] : m_entries)
      if (entry.read.sound == sound && entry.envelope) return entry.envelope;
  }
  auto worked = std::make_shared<const VoiceEnvelope>(voiceEnvelope(*sound));
  std::lock_guard lock(m_mutex);
  for (auto &[file, entry] : m_entries)
    if (entry.read.sound == sound) entry.envelope = worked;
  return worked;
}

} // namespace quarnel
