// A bucket is its ragged ends read sample by sample and whole blocks between them taken from
// the tree, a handful of nodes a level: a bucket costs at most two blocks of samples and the
// tree's height, however much of the sound it covers.
#include "sound/waveform.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quarnel {

namespace {

constexpr int64_t blockFrames = 256;

SampleSpan nothing() { return {std::numeric_limits<float>::max(), std::numeric_limits<float>::lowest()}; }

SampleSpan joined(SampleSpan a, SampleSpan b) {
  return {std::min(a.lowest, b.lowest), std::max(a.highest, b.highest)};
}

} // namespace

Waveform::Waveform(std::shared_ptr<const DecodedSound> sound) : m_sound(std::move(sound)) {
  const int64_t blocks = m_sound->frames() / blockFrames;
  std::vector<SampleSpan> level;
  level.reserve(static_cast<size_t>(blocks));
  for (int64_t block = 0; block < blocks; ++block)
    level.push_back(frameSpan(block * blockFrames, (block + 1) * blockFrames));
  while (!level.empty()) {
    std::vector<SampleSpan> pairs;
    for (size_t i = 0; i < level.size(); i += 2)
      pairs.push_back(i + 1 < level.size() ? joined(level[i], level[i + 1]) : level[i]);
    const bool top = level.size() == 1;
    m_levels.push_back(std::move(level));
    if (top) break;
    level = std::move(pairs);
  }
}

std::vector<SampleSpan> Waveform::summary(double startMs, double msPerBucket, int count) const {
  const auto frameAt = [&](int i) {
    return std::llround((startMs + i * msPerBucket) * m_sound->rate / 1000.0);
  };
  std::vector<SampleSpan> spans;
  spans.reserve(static_cast<size_t>(std::max(count, 0)));
  for (int i = 0; i < count; ++i) {
    const int64_t first = frameAt(i);
    spans.push_back(span(first, std::max<int64_t>(first + 1, frameAt(i + 1))));
  }
  return spans;
}

SampleSpan Waveform::span(int64_t first, int64_t end) const {
  first = std::max<int64_t>(first, 0);
  end = std::min(end, m_sound->frames());
  if (first >= end) return {};
  const int64_t firstBlock = (first + blockFrames - 1) / blockFrames;
  const int64_t endBlock = end / blockFrames;
  if (firstBlock >= endBlock) return frameSpan(first, end);
  return joined(joined(frameSpan(first, firstBlock * blockFrames), blockSpan(firstBlock, endBlock)),
                frameSpan(endBlock * blockFrames, end));
}

// Climbs the tree: a node that sticks out of [first, end) on either side is taken alone, and
// the rest is covered by the level above.
SampleSpan Waveform::blockSpan(int64_t first, int64_t end) const {
  SampleSpan result = nothing();
  for (size_t level = 0; first < end; ++level, first /= 2, end /= 2) {
    const std::vector<SampleSpan> &nodes = m_levels[level];
    if (first % 2) result = joined(result, nodes[static_cast<size_t>(first++)]);
    if (end % 2) result = joined(result, nodes[static_cast<size_t>(--end)]);
  }
  return result;
}

SampleSpan Waveform::frameSpan(int64_t first, int64_t end) const {
  SampleSpan result = nothing();
  for (int64_t frame = first; frame < end; ++frame) {
    const float sample = m_sound->mono(frame);
    result = joined(result, {sample, sample});
  }
  return result;
}

} // namespace quarnel
