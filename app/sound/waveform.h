// The sound's outline for drawing: the lowest and highest sample of each stretch of time, at
// whatever zoom is asked. A tree of block extremes, built once, keeps every zoom cheap.
#pragma once

#include "sound/decoded_sound.h"

#include <memory>
#include <vector>

namespace quarnel {

struct SampleSpan {
  float lowest = 0; // -1 to 1, of the mono mix
  float highest = 0;
};

class Waveform {
public:
  explicit Waveform(std::shared_ptr<const DecodedSound> sound);

  // One span for each of `count` buckets of `msPerBucket` from `startMs`. A bucket narrower
  // than a sample holds the sample it starts in; one outside the sound is {0, 0}.
  std::vector<SampleSpan> summary(double startMs, double msPerBucket, int count) const;

private:
  SampleSpan span(int64_t first, int64_t end) const;
  SampleSpan blockSpan(int64_t firstBlock, int64_t endBlock) const;
  SampleSpan frameSpan(int64_t first, int64_t end) const;

  std::shared_ptr<const DecodedSound> m_sound;
  // m_levels[0] holds each block's span, every further level the spans of pairs of the one below.
  std::vector<std::vector<SampleSpan>> m_levels;
};

} // namespace quarnel
