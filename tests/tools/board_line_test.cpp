// The board's end of the line when it cannot start.
#include "board_line.h"
#include "open_descriptors.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace tavik::board {
namespace {

TEST(BoardLine, ALinkThatCannotBeMadeLeavesNoPtyOpen) {
  const int descriptors = tavik::testing::openDescriptorCount();
  EXPECT_THROW(BoardLine("/nonexistent-folder/board"), std::runtime_error);
  EXPECT_EQ(tavik::testing::openDescriptorCount(), descriptors);
}

} // namespace
} // namespace tavik::board
