// The timeline's run played ahead on a thread of its own, one at a time: a new one cancels the
// one still playing, and only the newest's result is handed back, on the worker's own thread.
#pragma once

#include "simulation/played_ahead.h"

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

namespace quarnel {

class TimelineWorker : public QObject {
public:
  using Done = std::function<void(std::shared_ptr<const PlayedAhead>)>;

  explicit TimelineWorker(Done done) : m_done(std::move(done)) {}
  // Waits for a run still playing, which ends at its next runner tick once cancelled.
  ~TimelineWorker() override;

  void play(SimulationInput input);

private:
  void cancel();

  Done m_done;
  unsigned long m_generation = 0;
  std::atomic<bool> m_cancel{false};
  std::thread m_thread;
};

} // namespace quarnel
