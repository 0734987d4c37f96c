// A PulseAudio server of the test's own, on a private socket with a null sink whose monitor
// records what was played. Its home and runtime folders are in a temporary folder, so the
// user's own server and settings are never touched.
#pragma once

#include "temporary_folder.h"

#include <string>
#include <sys/types.h>
#include <vector>

namespace tavik::testing {

class SoundServer {
public:
  static constexpr int rate = 44100; // the null sink's, so nothing played is resampled
  // The latency a recording asks of the sink. The sink takes the shortest its streams ask for,
  // and renders each block that far ahead of the block's play time; its monitor hears the block
  // as it is rendered, so a sound is recorded this much before it plays.
  static constexpr int recordingLatencyMs = 10;

  // Starts the server and points this process's sound clients at it (PULSE_SERVER).
  SoundServer();
  ~SoundServer();
  SoundServer(const SoundServer &) = delete;
  SoundServer &operator=(const SoundServer &) = delete;

  // Whether it came up and answers on its socket.
  bool running() const { return m_pid > 0; }
  // What the server said, for a test that fails.
  std::string log() const;
  // Ends the server, as when the user's session ends.
  void stop();

  // Records the sink's monitor, mono 16-bit at `rate`, into `file` as raw samples.
  pid_t startRecording(const std::string &file) const;

  const TemporaryFolder &folder() const { return m_dir; }

private:
  TemporaryFolder m_dir;
  pid_t m_pid = -1;
};

// The raw 16-bit samples of a recording, from -1 to 1.
std::vector<float> recordedSamples(const std::string &file);

} // namespace tavik::testing
