#include "sound_server.h"

#include "spawn_program.h"

#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace tavik::testing {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

SoundServer::SoundServer() {
  static int count = 0;
  m_dir = fs::temp_directory_path() / ("quarnel-sound-test-" + std::to_string(getpid()) + "-" + std::to_string(++count));
  fs::create_directories(m_dir / "home");
  fs::create_directories(m_dir / "run");
  fs::permissions(m_dir / "run", fs::perms::owner_all, fs::perm_options::replace);
  const std::string socket = (m_dir / "socket").string();
  setenv("HOME", (m_dir / "home").c_str(), 1);
  setenv("XDG_RUNTIME_DIR", (m_dir / "run").c_str(), 1);
  setenv("PULSE_SERVER", ("unix:" + socket).c_str(), 1);
  m_pid = spawnProgram({"/usr/bin/pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
                        "--load=module-null-sink sink_name=test rate=" + std::to_string(rate),
                        "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket},
                       "/dev/null", (m_dir / "server.log").string());
  for (int i = 0; i < 1000 && m_pid > 0 && !fs::exists(socket); ++i) {
    if (waitpid(m_pid, nullptr, WNOHANG) == m_pid) m_pid = -1;
    std::this_thread::sleep_for(10ms);
  }
  if (m_pid > 0 && !fs::exists(socket)) {
    endProgram(m_pid);
    m_pid = -1;
  }
}

SoundServer::~SoundServer() {
  stop();
  fs::remove_all(m_dir);
}

void SoundServer::stop() {
  if (m_pid > 0) endProgram(m_pid);
  m_pid = -1;
}

std::string SoundServer::log() const {
  std::ifstream in(m_dir / "server.log");
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

pid_t SoundServer::startRecording(const std::string &file) const {
  // A short latency asks the sink for small blocks, so what is recorded is close to what plays.
  return spawnProgram({"/usr/bin/parec", "--device=test.monitor", "--raw", "--format=s16le",
                       "--rate=" + std::to_string(rate), "--channels=1", "--latency-msec=10"},
                      file, (m_dir / "recorder.log").string());
}

std::vector<float> recordedSamples(const std::string &file) {
  std::ifstream in(file, std::ios::binary);
  std::vector<float> samples;
  int16_t sample = 0;
  while (in.read(reinterpret_cast<char *>(&sample), sizeof sample)) samples.push_back(sample / 32768.0f);
  return samples;
}

void endProgram(pid_t pid) {
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
}

} // namespace tavik::testing
