// A node: a named pose of all twelve servo slots, and its node data text, the form it takes in
// script files: position, comma, speed, comma for slot 0 to 11.
#pragma once

#include "motion/motion_model.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quarnel {

struct Node {
  std::string name;
  std::array<int16_t, servoChannels> pos{};
  std::array<int16_t, servoChannels> speed{};

  bool operator==(const Node &) const = default;
};

std::string nodeDataText(const Node &node);

// The positions and speeds of a node data text into `node`; false, with `node` untouched, when
// the text has fewer than 24 comma-terminated numbers or a field that is no 16-bit number.
// Anything after the 24th comma is ignored.
bool parseNodeData(std::string_view text, Node &node);

} // namespace quarnel
