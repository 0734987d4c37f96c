// The simulation, the line's load under it, the traces and the sounds' outlines, the cancel
// looked at between them.
#include "simulation/played_ahead.h"

#include <algorithm>

namespace quarnel {

std::optional<PlayedAhead> playAhead(const SimulationInput &input, const std::atomic<bool> &cancelled) {
  auto sim = simulateMotion(input, &cancelled);
  if (!sim || cancelled) return std::nullopt;
  PlayedAhead played;
  played.baud = input.config.baudRate();
  played.load = measureLineLoad(*sim, played.baud);
  if (cancelled) return std::nullopt;
  for (const PositionChange &change : sim->changes) played.traces[change.servo].push_back(change);
  // A sound played again, in a loop say, is outlined once.
  for (auto span = sim->sounds.begin(); span != sim->sounds.end(); ++span) {
    if (cancelled) return std::nullopt;
    auto earlier = std::find_if(sim->sounds.begin(), span, [&](const SoundSpan &s) { return s.sound == span->sound; });
    played.outlines.push_back(earlier != span ? played.outlines[static_cast<size_t>(earlier - sim->sounds.begin())]
                                              : std::make_shared<const Waveform>(span->sound));
  }
  played.sim = std::move(*sim);
  return played;
}

} // namespace quarnel
