// Sounds played through the system's sound server, connected at the first sound or when asked.
// Where there is no server, or it went away, the sounds go on in silence timed by the wall
// clock, so the motion still runs as it would with them; that is told once.
#pragma once

#include "motion/clock.h"
#include "sound/silent_player.h"
#include "sound/sound_output.h"
#include "sound/sound_player.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace quarnel {

class ServerSoundPlayer : public SoundPlayer {
public:
  explicit ServerSoundPlayer(const Clock &wall) : m_silence(wall) {}

  // Connects now, unless connected already; why there is no sound.
  std::optional<std::string> connect();

  // Never fails: what cannot be heard plays in silence.
  std::optional<std::string> play(std::shared_ptr<const DecodedSound> sound) override;
  void stop() override { playing().stop(); }
  double playedMs() const override { return playing().playedMs(); }
  bool ended() const override { return playing().ended(); }

  // Why the sound playing cannot be heard (the server went away), or nothing.
  std::optional<std::string> fault() const;

  // Told the first time a sound cannot be heard, with why.
  std::function<void(const std::string &why)> unheard = [](const std::string &) {};

private:
  SoundPlayer &playing() { return m_inSilence ? static_cast<SoundPlayer &>(m_silence) : *m_output; }
  const SoundPlayer &playing() const { return m_inSilence ? static_cast<const SoundPlayer &>(m_silence) : *m_output; }

  SilentPlayer m_silence;
  std::unique_ptr<SoundOutput> m_output;
  bool m_inSilence = true;
  bool m_unheardTold = false;
};

} // namespace quarnel
