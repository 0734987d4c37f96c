// The thread, its cancel flag, and the result posted back to the worker's thread.
#include "timeline/timeline_worker.h"

namespace quarnel {

TimelineWorker::~TimelineWorker() { cancel(); }

void TimelineWorker::cancel() {
  m_cancel = true;
  if (m_thread.joinable()) m_thread.join();
}

void TimelineWorker::play(SimulationInput input) {
  cancel();
  m_cancel = false;
  const unsigned long generation = ++m_generation;
  m_thread = std::thread([this, input = std::move(input), generation] {
    auto played = playAhead(input, m_cancel);
    if (!played) return;
    // Posted to the worker's thread; Qt drops it if the worker is gone by then.
    auto result = std::make_shared<const PlayedAhead>(std::move(*played));
    QMetaObject::invokeMethod(this, [this, result = std::move(result), generation] {
      if (generation == m_generation) m_done(result); // else a run of a script that has changed since
    }, Qt::QueuedConnection);
  });
}

} // namespace quarnel
