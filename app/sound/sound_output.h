// Plays decoded sounds through the system's sound server (PulseAudio, or PipeWire through its
// PulseAudio service) and tells how far playback has got by the samples actually played, so a
// run timed by it stays on the sound's beat however long the sound is.
#pragma once

#include "sound/decoded_sound.h"
#include "sound/sound_player.h"

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;
struct pa_operation;

namespace quarnel {

class SoundOutput : public SoundPlayer {
public:
  struct Connection {
    std::unique_ptr<SoundOutput> output;
    std::optional<std::string> error; // why no sound can be played, for the user
  };
  // Connects to the sound server; one that is not there, or does not answer within `timeout`,
  // is said in `error`.
  static Connection connect(std::chrono::milliseconds timeout = std::chrono::seconds(3));

  ~SoundOutput() override;
  SoundOutput(const SoundOutput &) = delete;
  SoundOutput &operator=(const SoundOutput &) = delete;

  std::optional<std::string> play(std::shared_ptr<const DecodedSound> sound) override;
  void stop() override;

  // How far into the sound the listener is, in ms: the frames the device has played, less what
  // is still on its way to the speaker. 0 before it starts, its length once it has ended.
  double playedMs() const override;
  // True once the sound has played to its end or was stopped, or the server went away; and
  // before any sound was played.
  bool ended() const override;
  // Why playback broke off (the server went away), or nothing.
  std::optional<std::string> fault() const;

private:
  SoundOutput(std::chrono::milliseconds timeout);
  std::optional<std::string> connectContext();
  // `late` and `refused` are untranslated messages: `late` with %1 for the time waited.
  std::optional<std::string> awaitReady(const std::function<std::optional<bool>()> &readiness, const char *late,
                                        const char *refused);
  // The untranslated `pattern`, translated, with the server's last error for its %1.
  std::string serverSays(const char *pattern) const;
  std::optional<std::string> startStream();
  void dropStream();
  double currentMs() const;
  void askForTiming() const;
  void writeSamples(size_t bytes);
  static void onWritable(pa_stream *, size_t bytes, void *self);
  static void onDrained(pa_stream *, int success, void *self);

  std::chrono::milliseconds m_timeout;
  pa_threaded_mainloop *m_loop = nullptr;
  pa_context *m_context = nullptr;
  pa_stream *m_stream = nullptr;
  pa_operation *m_drain = nullptr;
  std::shared_ptr<const DecodedSound> m_sound;
  size_t m_writtenBytes = 0;
  bool m_drained = false;
  double m_stoppedAtMs = 0;
  // A reading asks the server for fresh timing and never goes back on what it said before.
  mutable pa_operation *m_timingAsked = nullptr;
  mutable uint64_t m_timingAskedAt = 0;
  mutable double m_heardMs = 0;
};

} // namespace quarnel
