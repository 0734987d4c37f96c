// The node data text, both ways.
#include "script/node.h"

#include "text/text_number.h"

namespace quarnel {

std::string nodeDataText(const Node &node) {
  std::string text;
  for (int slot = 0; slot < servoChannels; ++slot)
    text += std::to_string(node.pos[slot]) + ',' + std::to_string(node.speed[slot]) + ',';
  return text;
}

bool parseNodeData(std::string_view text, Node &node) {
  std::array<int16_t, 2 * servoChannels> numbers{};
  size_t cursor = 0;
  for (int16_t &number : numbers) {
    const size_t comma = text.find(',', cursor);
    if (comma == std::string_view::npos) return false;
    auto value = textToNumber(text.substr(cursor, comma - cursor));
    if (!value) return false;
    number = *value;
    cursor = comma + 1;
  }
  for (int slot = 0; slot < servoChannels; ++slot) {
    node.pos[slot] = numbers[2 * slot];
    node.speed[slot] = numbers[2 * slot + 1];
  }
  return true;
}

} // namespace quarnel
