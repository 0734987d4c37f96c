// The sound a run plays and the servo that follows its voice. SOUND plays a file named from the
// script's folder in place of the sound playing, or stops it; JAW sets a servo to follow the
// voice of the sound playing, until JAW OFF, the next SOUND or the sound's end, when the servo
// goes back to its closed position.
#pragma once

#include "motion/motion_model.h"
#include "script/line_command.h"
#include "script/script_model.h"
#include "sound/sound_player.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace quarnel {

class ScriptSound {
public:
  ScriptSound(const ScriptModel &script, MotionModel &motion, SoundPlayer &player)
      : m_script(script), m_motion(motion), m_player(player) {}

  // Plays the file a SOUND line names; an empty path stops the sound. Why it cannot, or nothing.
  std::optional<std::string> play(std::string_view path);
  // A JAW line: the servo follows the sound playing; with none, it goes to its closed position.
  void followJaw(const JawFollow &jaw);
  void jawOff() { closeJaw(); }
  // The run is over: the sound stops and the jaw closes.
  void stop();
  // On each runner tick: a sound that has ended closes the jaw.
  void noticeEnd();

private:
  void closeJaw();

  const ScriptModel &m_script;
  MotionModel &m_motion;
  SoundPlayer &m_player;
  std::shared_ptr<const DecodedSound> m_playing; // this run's sound, until it ends or stops
  std::optional<JawFollow> m_jaw;
};

// What a SOUND line's tooltip says: the sound's length after its path, "voice.wav: 0:42.3", or
// why it cannot be played; nothing for a line that is no SOUND with a path.
std::optional<std::string> soundLineTip(const ScriptModel &script, std::string_view line);

// The least time between two of the jaw's positions at `baud`: it takes at most a share of the
// line, so the other servos' moves still reach the board on time.
int jawStepMs(int baud);

} // namespace quarnel
