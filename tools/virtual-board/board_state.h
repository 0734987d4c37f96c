// What the board has received, shared between its line thread and its window: the position of
// every servo slot, the frames counted and the line speed seen. Atomics, so neither side waits.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>

namespace tavik::board {

struct BoardState {
  static constexpr int kSlots = 32;
  static constexpr int kNoPosition = -1; // nothing received for the slot yet

  BoardState() {
    for (auto &p : positions) p = kNoPosition;
  }

  std::array<std::atomic<int>, kSlots> positions;
  std::atomic<long> frames{0};
  std::atomic<long> errors{0};
  std::atomic<int32_t> bitsPerSecond{0};
};

} // namespace tavik::board
