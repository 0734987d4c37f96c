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

  // Told when one or more signals have arrived, from the event loop.
  std::function<void()> stopRequested = [] {};

  // Whether a signal has arrived that nobody was told of yet; it is then taken.
  bool takePending();

private:
  int m_fd = -1;
  std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace quarnel
