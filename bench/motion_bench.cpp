// Measures the control window's motion as the board sees it: the speed on the wire against the
// speed asked for (with the tick keeping its sub-millisecond remainders, and with every tick
// rounded to whole milliseconds as the baseline), the CPU an idle control window costs, and the
// time from a slider change to its frame. Real widgets (offscreen), the real 1 ms timer, the
// real libTavik.so on a pty. Prints figures, asserts nothing.
#include "application_parts.h"
#include "line_recorder.h"
#include "motion/clock.h"
#include "pseudo_terminal.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSlider>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

using namespace quarnel;
using tavik::testing::LineRecorder;
using tavik::testing::PseudoTerminal;
using Steady = std::chrono::steady_clock;

namespace {

// The baseline: each reading moves on by the elapsed time rounded to whole milliseconds, so
// the window's tick sees exactly what rounding every tick and dropping the rest would give.
class WholeMillisecondClock : public Clock {
public:
  double seconds() const override {
    const double real = m_real.seconds();
    if (m_last != 0) m_reported += std::nearbyint((real - m_last) * 1000) / 1000;
    m_last = real;
    return m_reported;
  }

private:
  SteadyClock m_real;
  mutable double m_last = 0;
  mutable double m_reported = 1000;
};

struct Rig {
  explicit Rig(const Clock &clock) : parts(clock) {
    qputenv("TAVIK_COM1", pty.slavePath().c_str());
    parts.configuration.servos[0] = {"Arm", "0", "0", "254"};
    parts.controls.load();
  }
  ~Rig() { parts.controls.close(); }
  QSlider *slider(const char *name) { return parts.controls.findChild<QSlider *>(name); }

  PseudoTerminal pty;
  LineRecorder wire{pty};
  ApplicationParts parts;
  MotionModel &motion = parts.motion;
};

// Waits out the start-up burst and servo 0's travel from 127 to its home of 0 at speed 32.
void settleAtHome(Rig &rig) {
  QTest::qWait(200);
  for (int i = 0; i < 400 && rig.motion.displayed(0) != 0; ++i) QTest::qWait(25);
  QTest::qWait(100);
}

// Units per second of servo 0 on the wire, divided by the speed's s / 1.02.
double fidelity(const Clock &clock, int speed) {
  Rig rig(clock);
  settleAtHome(rig);
  rig.slider("vscSpeed")->setValue(speed);
  const int units = std::min(254, std::max(4, static_cast<int>(speed / 1.02 * 2.5)));
  const auto moved = Steady::now();
  rig.slider("hscServoCon(0)")->setValue(units);
  QElapsedTimer waited;
  waited.start();
  while (rig.motion.displayed(0) != units && waited.elapsed() < 10'000) QTest::qWait(5);
  QTest::qWait(20);
  std::vector<LineRecorder::Frame> ramp;
  for (const auto &f : rig.wire.frames())
    if (f.servo == 0 && f.at > moved) ramp.push_back(f);
  if (ramp.size() < 2) return 0;
  const double seconds = std::chrono::duration<double>(ramp.back().at - ramp.front().at).count();
  return (ramp.back().position - ramp.front().position) / seconds / (speed / 1.02);
}

// The user-interface thread's CPU, where all of Quarnel's own work runs (the driver's thread is
// parked when nothing moves); the process as a whole also holds this benchmark's line recorder.
double idleCpuPercent() {
  SteadyClock clock;
  Rig rig(clock);
  settleAtHome(rig);
  rusage before{}, after{};
  getrusage(RUSAGE_THREAD, &before);
  const auto start = Steady::now();
  QTest::qWait(10'000);
  getrusage(RUSAGE_THREAD, &after);
  const auto cpu = [](const rusage &r) {
    return r.ru_utime.tv_sec + r.ru_stime.tv_sec + (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
  };
  return 100 * (cpu(after) - cpu(before)) / std::chrono::duration<double>(Steady::now() - start).count();
}

struct Latency {
  double toMove;  // to the TVK_MOVE call
  double toWire;  // to the frame at the far end of the line
};

// Median times from a slider change to its first step, for a servo standing still at `speed`.
Latency sliderToWire(int speed) {
  SteadyClock clock;
  Rig rig(clock);
  settleAtHome(rig);
  rig.slider("vscSpeed")->setValue(speed);
  std::vector<double> ms, moveMs;
  Steady::time_point movedAt{};
  rig.motion.addPositionListener([&](int, int16_t) { movedAt = Steady::now(); });
  for (int trial = 0; trial < 60; ++trial) {
    const size_t before = rig.wire.frames().size();
    const int target = trial % 2 ? 1 : 0;
    const auto start = Steady::now();
    rig.slider("hscServoCon(0)")->setValue(target);
    QElapsedTimer waited;
    waited.start();
    // Not a busy loop: on two cores it would keep the driver's and the recorder's threads waiting.
    while (rig.wire.frames().size() == before && waited.elapsed() < 3000) QTest::qWait(1);
    const auto frames = rig.wire.frames();
    if (frames.size() > before) {
      ms.push_back(std::chrono::duration<double, std::milli>(frames[before].at - start).count());
      moveMs.push_back(std::chrono::duration<double, std::milli>(movedAt - start).count());
    }
    // Standing still for longer than an interval, at a different moment every time.
    QTest::qWait(1020 / speed + 15 + trial % 13);
  }
  const auto median = [](std::vector<double> &v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
  };
  return {median(moveMs), median(ms)};
}

} // namespace

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  SteadyClock steady;
  WholeMillisecondClock whole;
  std::printf("| speed | wire speed / asked, ticks rounded to whole ms | wire speed / asked, remainders kept |\n|---|---|---|\n");
  for (int speed : {1, 8, 32, 40, 120, 200, 255}) {
    std::printf("| %d | %.3f | %.3f |\n", speed, fidelity(whole, speed), fidelity(steady, speed));
    std::fflush(stdout);
  }
  std::printf("\nidle control window, user-interface thread: %.2f %% of one core\n", idleCpuPercent());
  for (int speed : {255, 32}) {
    const Latency l = sliderToWire(speed);
    std::printf("slider change, speed %d, median: %.2f ms to TVK_MOVE, %.2f ms to the frame on the wire\n", speed,
                l.toMove, l.toWire);
  }
}
