// Decoding the line as a board does: frames, resynchronising on 255, bytes that make no frame.
#include "frame_decoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavik::board {
namespace {

// "s,p" for a frame, "!" + text for an error.
std::vector<std::string> decode(const std::vector<uint8_t> &bytes) {
  FrameDecoder decoder;
  std::vector<std::string> events;
  for (uint8_t b : bytes)
    if (const auto e = decoder.feed(b))
      events.push_back(e->kind == BoardEvent::Kind::Frame ? std::to_string(e->servo) + "," + std::to_string(e->position)
                                                          : "!" + e->error);
  return events;
}

TEST(FrameDecoder, DecodesFramesAndRecoversFromEveryKindOfDamage) {
  using V = std::vector<std::string>;
  EXPECT_EQ(decode({255, 2, 100, 255, 31, 254, 255, 0, 0}), (V{"2,100", "31,254", "0,0"}));
  // Joining in the middle of a frame: the bytes before the first 255 are stray.
  EXPECT_EQ(decode({7, 100, 255, 1, 5}), (V{"!stray byte 7", "!stray byte 100", "1,5"}));
  // A frame cut short by the next start byte is reported and the new frame still counts.
  EXPECT_EQ(decode({255, 4, 255, 4, 9}), (V{"!incomplete frame", "4,9"}));
  EXPECT_EQ(decode({255, 255, 3, 3}), (V{"!incomplete frame", "3,3"}));
  // A servo number with no slot takes its position byte along, so the line stays in step.
  EXPECT_EQ(decode({255, 40, 100, 255, 3, 1}), (V{"!servo 40 out of range, position 100", "3,1"}));
  EXPECT_EQ(decode({255, 3}), V{});
}

} // namespace
} // namespace tavik::board
