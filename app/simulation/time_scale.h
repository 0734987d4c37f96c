// The timeline's time axis: how many milliseconds a pixel column spans, zoomed between the
// finest and the whole run in the plot's width, the spacing of its labelled ticks, and a time
// read out in seconds.
#pragma once

#include <cmath>
#include <string>

namespace quarnel {

// The closest the plot zooms in: two columns a millisecond.
constexpr double finestMsPerPixel = 0.5;
// The plot runs on this far past the run's end, so its last moves stand clear of the edge.
constexpr int runTailMs = 500;
// Labelled ticks stand at least this many pixels apart.
constexpr int minimumTickSpacing = 70;

struct AxisTicks {
  double stepMs; // 1, 2 or 5 times a power of ten
  int decimals;  // of their labels in seconds, as many as the step needs
};

class TimeScale {
public:
  TimeScale() = default;
  explicit TimeScale(double msPerPixel) : m_msPerPixel(msPerPixel) {}
  // A run of `endMs` and its tail whole in `width` columns: how a run is first shown, and the
  // furthest out a zoom goes. Never finer than the finest.
  static TimeScale wholeRun(int endMs, int width);

  double msPerPixel() const { return m_msPerPixel; }
  // The column of `timeMs`, time 0 at column 0, and back.
  int pixelOf(double timeMs) const { return static_cast<int>(std::lround(timeMs / m_msPerPixel)); }
  double timeAt(int pixel) const { return pixel * m_msPerPixel; }
  // The columns a run of `endMs` and its tail take: the length the scroll bar spans.
  int runLength(int endMs) const;
  // `factor` times closer in (below 1: further out), held between the finest and the whole run.
  TimeScale zoomed(double factor, int endMs, int width) const;
  AxisTicks ticks() const;

private:
  double m_msPerPixel = finestMsPerPixel;
};

// "1.3 s" for 1250 ms at 1 decimal: the number's exact binary value rounded half up, as the
// toolkit's own number texts are, so 1150 ms, a hair under 1.15 s, reads "1.1 s". `ms` is
// never negative.
std::string secondsText(double ms, int decimals);

} // namespace quarnel
