// The simulation, the line's load under it and the traces, the cancel looked at between them.
#include "simulation/played_ahead.h"

namespace quarnel {

std::optional<PlayedAhead> playAhead(const SimulationInput &input, const std::atomic<bool> &cancelled) {
  auto sim = simulateMotion(input, &cancelled);
  if (!sim || cancelled) return std::nullopt;
  PlayedAhead played;
  played.baud = input.config.baudRate();
  played.load = measureLineLoad(*sim, played.baud);
  if (cancelled) return std::nullopt;
  for (const PositionChange &change : sim->changes) played.traces[change.servo].push_back(change);
  played.sim = std::move(*sim);
  return played;
}

} // namespace quarnel
