// The band's columns, and the sound under a moment.
#include "simulation/sound_band.h"

#include "script/line_command.h"

#include <algorithm>

namespace quarnel {

WaveColumns waveColumns(const SoundSpan &sound, const Waveform &waveform, const TimeScale &scale, double fromMs,
                        double toMs) {
  const double first = std::max<double>(sound.startMs, fromMs), last = std::min<double>(sound.endMs, toMs);
  if (first > last) return {};
  const int firstPixel = scale.pixelOf(first);
  const double msPerPixel = scale.msPerPixel();
  // A column holds the moments that round to it: from half a column before its own moment.
  const double soundMs = scale.timeAt(firstPixel) - msPerPixel / 2 - sound.startMs;
  return {firstPixel, waveform.summary(soundMs, msPerPixel, scale.pixelOf(last) - firstPixel + 1)};
}

const SoundSpan *soundPlayingAt(const Simulation &sim, int timeMs) {
  auto after = std::upper_bound(sim.sounds.begin(), sim.sounds.end(), timeMs,
                                [](int t, const SoundSpan &sound) { return t < sound.startMs; });
  if (after == sim.sounds.begin() || timeMs >= std::prev(after)->endMs) return nullptr;
  return &*std::prev(after);
}

std::string soundName(const Simulation &sim, const SoundSpan &sound) {
  auto line = std::find_if(sim.lineRuns.begin(), sim.lineRuns.end(),
                           [&](const LineRun &run) { return run.row == sound.row; });
  return line == sim.lineRuns.end() ? std::string() : classifyLine(line->text).soundPath;
}

} // namespace quarnel
