#include "sound/server_sound_player.h"

namespace quarnel {

std::optional<std::string> ServerSoundPlayer::connect() {
  if (m_output) return std::nullopt;
  SoundOutput::Connection connection = SoundOutput::connect();
  m_output = std::move(connection.output);
  return connection.error;
}

std::optional<std::string> ServerSoundPlayer::play(std::shared_ptr<const DecodedSound> sound) {
  stop();
  // A server that went away is asked for again: it may be back.
  if (m_output && m_output->fault()) m_output.reset();
  std::optional<std::string> why = connect();
  if (!why) why = m_output->play(sound);
  m_inSilence = why.has_value();
  if (why && !m_unheardTold) {
    m_unheardTold = true;
    unheard(*why);
  }
  return m_inSilence ? m_silence.play(std::move(sound)) : std::nullopt;
}

std::optional<std::string> ServerSoundPlayer::fault() const {
  return m_inSilence || !m_output ? std::nullopt : m_output->fault();
}

} // namespace quarnel
