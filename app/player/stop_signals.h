// SIGINT, SIGTERM and SIGHUP as events of the Qt event loop, read from a signalfd: the run ends
// between two ticks, never inside one.
#pragma once

#include <QObject>
#include <QSocketNotifier>

#include <functional>
#include <memory>

namespace quarnel {

class StopSignals : public QObject {
public:
  // Blocks the signals for this thread and every thread started after, so that only the
  // descriptor sees them: make it after the QCoreApplication and before the driver starts its
  // transmit thread.
  StopSignals();
  ~StopSignals() override;

  // Told once for each signal that arrives.
  std::function<void()> stopRequested = [] {};

private:
  void drain();

  int m_fd = -1;
  std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace quarnel
