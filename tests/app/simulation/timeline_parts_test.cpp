// The timeline's pure parts: its time scale, its traces and sounds column by column, and its
// notes.
#include "simulation/sound_band.h"
#include "simulation/time_scale.h"
#include "simulation/timeline_notes.h"
#include "simulation/trace_columns.h"

#include <QString>

#include <map>

#include <gtest/gtest.h>

namespace quarnel {
namespace {

TEST(TimeScale, FitsTheWholeRunAndZoomsNoFurtherThanItOrTheFinest) {
  struct Case {
    int endMs, width;
    double whole;
  };
  for (const Case c : {Case{9'500, 1000, 10}, Case{0, 1000, finestMsPerPixel}, Case{9'500, 0, 10'000}}) {
    EXPECT_EQ(TimeScale::wholeRun(c.endMs, c.width).msPerPixel(), c.whole) << c.endMs << " ms in " << c.width;
    EXPECT_EQ(TimeScale::wholeRun(c.endMs, c.width).runLength(c.endMs), std::max(c.width, 1));
  }
  struct Zoom {
    double factor, msPerPixel;
  };
  const TimeScale ten(10);
  for (const Zoom z : {Zoom{2, 5}, Zoom{0.5, 20}, Zoom{1000, finestMsPerPixel}, Zoom{0.001, 100}})
    EXPECT_EQ(ten.zoomed(z.factor, 9'500, 100).msPerPixel(), z.msPerPixel) << "zoomed by " << z.factor;
  EXPECT_EQ(ten.pixelOf(104), 10);
  EXPECT_EQ(ten.pixelOf(105), 11);
  EXPECT_EQ(ten.timeAt(11), 110);
}

TEST(TimeScale, TicksStandAtLeastTheirSpacingApartAtOneTwoOrFiveAPowerOfTen) {
  struct Case {
    double msPerPixel, stepMs;
    int decimals;
  };
  for (const Case c : {Case{0.01, 1, 3}, Case{0.1, 10, 2}, Case{finestMsPerPixel, 50, 2}, Case{1, 100, 1},
                       Case{3, 500, 1}, Case{10, 1000, 0}, Case{15, 2000, 0}, Case{80, 10'000, 0}}) {
    const AxisTicks ticks = TimeScale(c.msPerPixel).ticks();
    EXPECT_DOUBLE_EQ(ticks.stepMs, c.stepMs) << c.msPerPixel << " ms a pixel";
    EXPECT_EQ(ticks.decimals, c.decimals) << c.msPerPixel << " ms a pixel";
  }
}

// The texts read as the toolkit's own numbers do, halves and all.
TEST(TimeScale, SecondsReadAsTheToolkitWritesThem) {
  for (int halfMs = 0; halfMs < 40'000; ++halfMs)
    for (int decimals = 0; decimals <= 3; ++decimals) {
      const double ms = halfMs / 2.0;
      const QString toolkit = QString::number(ms / 1000, 'f', decimals) + " s";
      ASSERT_EQ(secondsText(ms, decimals), toolkit.toStdString()) << ms << " ms at " << decimals;
    }
  EXPECT_EQ(secondsText(1250, 1), "1.3 s");
  EXPECT_EQ(secondsText(9960, 1), "10.0 s");
  EXPECT_EQ(secondsText(3'600'000, 0), "3600 s");
}

TEST(TraceColumns, EachColumnKeepsItsFirstLowestHighestAndLastPositions) {
  // At 10 ms a pixel: four changes on column 10, one on column 20.
  const std::vector<PositionChange> changes{
      {100, 0, 130}, {101, 0, 120}, {103, 0, 140}, {104, 0, 135}, {200, 0, 150}};
  struct Case {
    const char *what;
    std::vector<PositionChange> changes;
    double fromMs, toMs;
    std::vector<TracePoint> points;
  };
  const Case cases[] = {
      {"whole", changes, -1, 2000,
       {{0, 127}, {10, 130}, {10, 120}, {10, 140}, {10, 135}, {20, 150}, {20, 150}, {100, 150}}},
      {"entering where it stands", changes, 150, 2000, {{10, 135}, {20, 150}, {20, 150}, {100, 150}}},
      {"cut short", changes, -1, 150, {{0, 127}, {10, 130}, {10, 120}, {10, 140}, {10, 135}, {15, 135}}},
      {"no change", {}, -1, 2000, {{0, 127}, {100, 127}}},
  };
  for (const Case &c : cases)
    EXPECT_EQ(traceColumns(c.changes, 127, 1000, TimeScale(10), c.fromMs, c.toMs), c.points) << c.what;
}

// A sound of a frame a millisecond, silent but for 0.5 at 506 ms and -1 at 1500 ms, played from
// 1000 ms of the run: each peak stands on the column its moment in the run rounds to, and a
// column is all that is worked out for each pixel shown, however long the sound.
TEST(WaveColumns, StandOnTheRunsAxisFromTheSoundsStartOneAColumnShown) {
  auto sound = std::make_shared<DecodedSound>();
  sound->rate = 1000;
  sound->channels = 1;
  sound->samples.resize(2000);
  sound->samples[506] = 16384;
  sound->samples[1500] = -32768;
  const Waveform waveform(sound);
  const SoundSpan whole{1000, 3000, 1, sound}, replaced{1000, 1400, 1, sound};
  struct Case {
    const char *what;
    SoundSpan span;
    double msPerPixel, fromMs, toMs;
    int firstPixel;
    size_t columns;
    std::map<int, std::pair<float, float>> loud; // column: lowest, highest; the others silent
  };
  const Case cases[] = {
      {"whole, 10 ms a column", whole, 10, -1, 10'000, 100, 201, {{151, {0, 0.5f}}, {250, {-1, 0}}}},
      {"whole, 2 ms a column", whole, 2, -1, 10'000, 500, 1001, {{753, {0, 0.5f}}, {1250, {-1, 0}}}},
      {"a window of it", whole, 2, 1200, 1600, 600, 201, {{753, {0, 0.5f}}}},
      {"cut short by the next sound", replaced, 10, -1, 10'000, 100, 41, {}},
      {"out of sight", whole, 10, 3500, 4000, 0, 0, {}},
  };
  for (const Case &c : cases) {
    const WaveColumns columns = waveColumns(c.span, waveform, TimeScale(c.msPerPixel), c.fromMs, c.toMs);
    ASSERT_EQ(columns.spans.size(), c.columns) << c.what;
    if (c.columns == 0) continue;
    EXPECT_EQ(columns.firstPixel, c.firstPixel) << c.what;
    for (size_t i = 0; i < columns.spans.size(); ++i) {
      const int column = columns.firstPixel + static_cast<int>(i);
      const auto loud = c.loud.find(column);
      const std::pair<float, float> expected = loud == c.loud.end() ? std::pair(0.0f, 0.0f) : loud->second;
      EXPECT_EQ(std::pair(columns.spans[i].lowest, columns.spans[i].highest), expected)
          << c.what << " column " << column;
    }
  }
}

TEST(TimelineNotes, TellHowTheRunEndsTheLinesLoadAndTheLinePicked) {
  const ServoConfiguration config;
  NodeTable nodes;
  nodes.reset({"Home", {}, {}});
  auto played = [](Simulation sim, std::vector<OverloadSpan> overloaded) {
    PlayedAhead shown{std::move(sim), {}, 9600, {}, {}};
    shown.load = {320, 100, std::move(overloaded), 37.4, 0, 0};
    return shown;
  };
  Simulation plain;
  plain.endMs = 1250;
  Pose leaning{};
  leaning[0] = 10;
  plain.lineRuns = {{100, 1, "PAUSE 300", {}}, {400, 2, "Nowhere", {}}, {700, 3, "Home", leaning, Easing::Out}};
  Simulation failed = plain;
  failed.failure = "The line \"Nowhere\" cannot be run: no node has this name.";
  Simulation capped;
  capped.endMs = simulationCapMs;
  capped.capped = true;
  Simulation looped;
  looped.endMs = 4000;
  looped.loops = {{1000, 3250, 2, 6}};
  struct Case {
    const char *what;
    PlayedAhead shown;
    std::optional<int> pickedRun;
    std::vector<std::string> notes; // after the first, which never changes
  };
  const std::string fits = "The line at 9600 bit/s carries 320 frames a second; the script asks up to 100.";
  const Case cases[] = {
      {"ends", played(plain, {}), std::nullopt,
       {"The script ends after 1.3 s.", fits + " It never asks for more.",
        "Click a moment, or press Up or Down, to see the line running then and what it changes."}},
      {"fails", played(failed, {{100, 200}}), 1,
       {*failed.failure, fits + " Shaded: it asks for more; the worst lag is 37 ms.", "Line 2 at 0.4 s: Nowhere"}},
      {"capped", played(capped, {}), 0,
       {"Shown up to 3600 s; the script runs on.", fits + " It never asks for more.", "Line 1 at 0.1 s: PAUSE 300"}},
      {"an eased move", played(plain, {}), 2,
       {"The script ends after 1.3 s.", fits + " It never asks for more.",
        "Line 3 at 0.7 s, Home: Servo0 10 → 0 at speed 0; 11 servos unchanged — 10.2 s, eased out"}},
      {"loops", played(looped, {}), std::nullopt,
       {"Each loop is shown once, 4.0 s in all; a run repeats the loop from line 2 to line 6 (2.3 s a pass) until STOP.",
        fits + " It never asks for more.",
        "Click a moment, or press Up or Down, to see the line running then and what it changes."}},
  };
  for (const Case &c : cases) {
    const LineRun *picked = c.pickedRun ? &plain.lineRuns[static_cast<size_t>(*c.pickedRun)] : nullptr;
    std::vector<std::string> notes = timelineNotes(&c.shown, picked, nodes, config);
    notes.erase(notes.begin());
    EXPECT_EQ(notes, c.notes) << c.what;
  }
  EXPECT_EQ(timelineNotes(nullptr, nullptr, nodes, config),
            (std::vector<std::string>{"Every servo starts at its home position; a WAIT is answered at once.",
                                      "Playing the script ahead..."}));
}

} // namespace
} // namespace quarnel
