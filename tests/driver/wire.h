// Reading the bytes the driver put on the line as frames.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tavik::testing {

struct Frame {
  int servo;
  int position;
  bool operator==(const Frame &) const = default;
};

// Splits `bytes` into frames 255, servo, position. A byte stream that is not a whole number of
// well-formed frames (servo above 31, position 255, start byte missing) fails the test.
std::vector<Frame> framesOf(const std::vector<uint8_t> &bytes);

// The 32 frames of the burst that follows every open, with the positions `positions` gives.
std::vector<Frame> burstFrames(int position = 127);

std::string describe(const std::vector<Frame> &frames);

} // namespace tavik::testing
