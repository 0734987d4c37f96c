// The timeline's sound band: which sound plays at a moment, the file its SOUND line names, and
// its outline as a plot of pixel columns draws it, one bucket a column, so a sound costs the
// plot's width to draw at any zoom, not its length.
#pragma once

#include "simulation/motion_simulation.h"
#include "simulation/time_scale.h"
#include "sound/waveform.h"

#include <string>
#include <vector>

namespace quarnel {

struct WaveColumns {
  int firstPixel = 0;            // the column of the first span, time 0 at column 0
  std::vector<SampleSpan> spans; // column by column from there
};

// The outline of `sound` over `fromMs` to `toMs` of the run: each column holds the samples
// whose moments round to it, from the sound's start to its end on the run's axis.
WaveColumns waveColumns(const SoundSpan &sound, const Waveform &waveform, const TimeScale &scale, double fromMs,
                        double toMs);

// The sound playing at `timeMs`, or nothing.
const SoundSpan *soundPlayingAt(const Simulation &sim, int timeMs);

// The file as the sound's SOUND line names it.
std::string soundName(const Simulation &sim, const SoundSpan &sound);

} // namespace quarnel
