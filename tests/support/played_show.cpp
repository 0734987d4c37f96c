#include "played_show.h"

#include "sound_samples.h"
#include "spawn_program.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>

namespace tavik::testing {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

uintmax_t sizeOf(const std::string &file) {
  std::error_code error;
  const uintmax_t size = fs::file_size(file, error);
  return error ? 0 : size;
}

// The time of the last whole line of the board's log.
std::optional<long long> lastLoggedUs(const std::string &log, uintmax_t size) {
  std::ifstream in(log, std::ios::binary);
  const uintmax_t tail = std::min<uintmax_t>(size, 256);
  in.seekg(static_cast<std::streamoff>(size - tail));
  std::string text(tail, '\0');
  in.read(text.data(), static_cast<std::streamsize>(tail));
  const size_t end = text.rfind('\n');
  if (end == std::string::npos) return std::nullopt;
  const size_t start = text.rfind('\n', end - 1);
  if (start == std::string::npos && tail < size) return std::nullopt;
  return std::stoll(text.substr(start == std::string::npos ? 0 : start + 1));
}

double cpuSecondsOf(const rusage &usage) {
  const auto seconds = [](const timeval &t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

} // namespace

std::vector<double> PlayedShow::clicksPlayed() const {
  std::vector<double> at;
  for (const int64_t frame : clicksIn(heard)) at.push_back(heardAt(frame) + SoundServer::recordingLatencyMs / 1000.0);
  return at;
}

std::vector<std::pair<double, int>> PlayedShow::servoFrames(int servo) const {
  constexpr double frameSeconds = 30.0 / 9600;
  std::vector<std::pair<double, int>> frames;
  for (const LogLine &line : wire) {
    int logged = -1, position = -1;
    if (std::istringstream(line.rest) >> logged >> position && logged == servo)
      frames.emplace_back(wireStart + static_cast<double>(line.us) / 1e6 - frameSeconds, position);
  }
  return frames;
}

std::vector<double> PlayedShow::moveStarts(int servo, double stillSeconds) const {
  const auto frames = servoFrames(servo);
  std::vector<double> starts;
  for (size_t i = 1; i < frames.size(); ++i)
    if (frames[i].second != frames[i - 1].second && (i == 1 || frames[i].first - frames[i - 1].first > stillSeconds))
      starts.push_back(frames[i].first);
  return starts;
}

PlayedShow playShow(const SoundServer &server, const BoardProcess &board, const std::vector<std::string> &command,
                    const std::string &out, std::chrono::seconds timeout) {
  const std::string recording = server.folder().file("show.raw");
  const pid_t recorder = server.startRecording(recording);
  PlayedShow show;
  CountStart heardStart, wireStart;
  uintmax_t logSize = 0;
  const pid_t pid = spawnProgram(command, out);
  const double giveUp = steadySeconds() + static_cast<double>(timeout.count());
  int status = 0;
  rusage usage{};
  while (wait4(pid, &status, WNOHANG, &usage) == 0) {
    if (steadySeconds() > giveUp) {
      kill(pid, SIGKILL);
      wait4(pid, &status, 0, &usage);
      break;
    }
    // Each size is read before the time: a look held up afterwards only makes it seem later.
    const uintmax_t frames = sizeOf(recording) / 2;
    if (frames > 0) heardStart.seen(steadySeconds(), static_cast<double>(frames) / SoundServer::rate);
    if (const uintmax_t size = sizeOf(board.log()); size != logSize) {
      logSize = size;
      const double at = steadySeconds();
      if (const auto us = lastLoggedUs(board.log(), size)) wireStart.seen(at, static_cast<double>(*us) / 1e6);
    }
    std::this_thread::sleep_for(1ms);
  }
  if (WIFEXITED(status)) show.exitCode = WEXITSTATUS(status);
  show.cpuSeconds = cpuSecondsOf(usage);
  std::this_thread::sleep_for(200ms);
  endProgram(recorder);
  show.heard = recordedSamples(recording);
  show.heardStart = heardStart.seconds();
  show.wire = board.lines();
  show.wireStart = wireStart.seconds();
  return show;
}

} // namespace tavik::testing
