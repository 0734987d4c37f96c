#include "sound_server.h"

#include "spawn_program.h"
#include "wait_until.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace tavik::testing {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

SoundServer::SoundServer() {
  fs::create_directories(m_dir.path() / "home");
  fs::create_directory(m_dir.path() / "run");
  fs::permissions(m_dir.path() / "run", fs::perms::owner_all, fs::perm_options::replace);
  const std::string socket = m_dir.file("socket");
  setenv("HOME", m_dir.file("home").c_str(), 1);
  setenv("XDG_RUNTIME_DIR", m_dir.file("run").c_str(), 1);
  setenv("PULSE_SERVER", ("unix:" + socket).c_str(), 1);
  m_pid = spawnProgram({"/usr/bin/pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
                        "--load=module-null-sink sink_name=test rate=" + std::to_string(rate),
                        "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket},
                       "/dev/null", m_dir.file("server.log"));
  if (m_pid > 0 && !waitUntil([&] { return fs::exists(socket); }, 10s)) stop();
}

SoundServer::~SoundServer() { stop(); }

void SoundServer::stop() {
  if (m_pid > 0) endProgram(m_pid);
  m_pid = -1;
}

std::string SoundServer::log() const {
  std::ifstream in(m_dir.file("server.log"));
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

pid_t SoundServer::startRecording(const std::string &file) const {
  // Short, so what is recorded is close to what plays; shorter ones lose the recording's pace.
  return spawnProgram({"/usr/bin/parec", "--device=test.monitor", "--raw", "--format=s16le",
                       "--rate=" + std::to_string(rate), "--channels=1",
                       "--latency-msec=" + std::to_string(recordingLatencyMs)},
                      file, m_dir.file("recorder.log"));
}

std::vector<float> recordedSamples(const std::string &file) {
  std::ifstream in(file, std::ios::binary);
  std::vector<float> samples;
  int16_t sample = 0;
  while (in.read(reinterpret_cast<char *>(&sample), sizeof sample)) samples.push_back(sample / 32768.0f);
  return samples;
}

} // namespace tavik::testing
