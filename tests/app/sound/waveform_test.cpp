// The outline against the samples read one by one, at zooms from a sample a bucket to the
// whole sound, with buckets that straddle blocks, start before the sound or end past it.
#include "sound/waveform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

using namespace quarnel;

TEST(WaveformTest, EachBucketHoldsTheLowestAndHighestSampleItCovers) {
  auto sound = std::make_shared<DecodedSound>();
  sound->rate = 8000;
  sound->channels = 2;
  std::minstd_rand random(3);
  std::uniform_int_distribution<int> sample(-30000, 30000);
  sound->samples.resize(2 * 100'003);
  for (int16_t &s : sound->samples) s = static_cast<int16_t>(sample(random));
  const Waveform waveform(sound);

  const struct {
    double startMs;
    double msPerBucket;
    int count;
  } zooms[] = {
      {0, 12500.375 / 700, 700},  // the whole sound
      {1234.5, 33.3, 120},        // buckets of a few blocks, not on block edges
      {3000, 0.05, 50},           // narrower than a sample
      {-200, 100, 10},            // starting before the sound
      {12000, 100, 10},           // ending past it
  };
  for (const auto &zoom : zooms) {
    const std::vector<SampleSpan> spans = waveform.summary(zoom.startMs, zoom.msPerBucket, zoom.count);
    ASSERT_EQ(spans.size(), static_cast<size_t>(zoom.count));
    for (int i = 0; i < zoom.count; ++i) {
      const auto frameAt = [&](int b) { return std::llround((zoom.startMs + b * zoom.msPerBucket) * 8); };
      const int64_t first = std::max<int64_t>(0, frameAt(i));
      const int64_t end = std::min<int64_t>(sound->frames(), std::max(frameAt(i) + 1, frameAt(i + 1)));
      SampleSpan expected;
      if (first < end) expected = {2, -2};
      for (int64_t f = first; f < end; ++f) {
        expected.lowest = std::min(expected.lowest, sound->mono(f));
        expected.highest = std::max(expected.highest, sound->mono(f));
      }
      EXPECT_EQ(spans[static_cast<size_t>(i)].lowest, expected.lowest) << zoom.startMs << " bucket " << i;
      EXPECT_EQ(spans[static_cast<size_t>(i)].highest, expected.highest) << zoom.startMs << " bucket " << i;
    }
  }
}

} // namespace
