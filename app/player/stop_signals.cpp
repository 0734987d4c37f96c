// The signalfd and its notifier.
#include "stop_signals.h"

#include <csignal>
#include <sys/signalfd.h>
#include <unistd.h>

namespace quarnel {

StopSignals::StopSignals() {
  sigset_t stopSet;
  sigemptyset(&stopSet);
  sigaddset(&stopSet, SIGINT);
  sigaddset(&stopSet, SIGTERM);
  // The terminal closed (a dropped ssh session) ends the run the same way, unless the caller
  // asked to play on through it (nohup).
  struct sigaction hangUp {};
  if (sigaction(SIGHUP, nullptr, &hangUp) == 0 && hangUp.sa_handler != SIG_IGN) sigaddset(&stopSet, SIGHUP);
  pthread_sigmask(SIG_BLOCK, &stopSet, nullptr);
  m_fd = signalfd(-1, &stopSet, SFD_CLOEXEC | SFD_NONBLOCK);
  if (m_fd < 0) {
    // Ended at once by a signal rather than not at all.
    pthread_sigmask(SIG_UNBLOCK, &stopSet, nullptr);
    return;
  }
  m_notifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Read);
  connect(m_notifier.get(), &QSocketNotifier::activated, this, [this] {
    if (takePending()) stopRequested();
  });
}

StopSignals::~StopSignals() {
  m_notifier.reset();
  if (m_fd >= 0) ::close(m_fd);
}

bool StopSignals::takePending() {
  if (m_fd < 0) return false;
  bool taken = false;
  signalfd_siginfo info;
  while (read(m_fd, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) taken = true;
  return taken;
}

} // namespace quarnel
