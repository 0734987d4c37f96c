#include "wire.h"

#include <gtest/gtest.h>

namespace tavik::testing {

std::vector<Frame> framesOf(const std::vector<uint8_t> &bytes) {
  std::vector<Frame> frames;
  EXPECT_EQ(bytes.size() % 3, 0u) << "bytes do not end on a frame boundary";
  for (size_t i = 0; i + 2 < bytes.size(); i += 3) {
    EXPECT_EQ(bytes[i], 255) << "byte " << i << " should start a frame";
    EXPECT_LE(bytes[i + 1], 31) << "servo number out of the 32 slots at byte " << i + 1;
    EXPECT_NE(bytes[i + 2], 255) << "position 255 at byte " << i + 2;
    frames.push_back({bytes[i + 1], bytes[i + 2]});
  }
  return frames;
}

std::vector<Frame> burstFrames(int position) {
  std::vector<Frame> frames;
  for (int servo = 0; servo < 32; ++servo) frames.push_back({servo, position});
  return frames;
}

std::string describe(const std::vector<Frame> &frames) {
  std::string text;
  for (const Frame &f : frames) text += "(" + std::to_string(f.servo) + "," + std::to_string(f.position) + ") ";
  return text;
}

} // namespace tavik::testing
