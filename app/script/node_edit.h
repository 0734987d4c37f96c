// The node editor's rules: which texts its boxes accept, what an accepted position or speed
// does to the servos at once, and what Save stores. The boxes' texts are the editor's only data.
#pragma once

#include "config/servo_configuration.h"
#include "node.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace quarnel {

class MotionModel;

constexpr std::string_view blankNameMessage = "Name cannot be blank";
constexpr std::string_view positionMessage = "Position must be within minimum and maximum bounds for ths servo";
constexpr std::string_view speedMessage = "Speed must be a whole number from -32768 to 32767";

class NodeEdit {
public:
  NodeEdit(MotionModel &motion, const ServoConfiguration &config) : m_motion(motion), m_config(config) {}

  // Why the text cannot stand, for the user; nothing when it can.
  std::optional<std::string> nameRefusal(std::string_view name) const;
  std::optional<std::string> positionRefusal(int servo, std::string_view text) const;
  std::optional<std::string> speedRefusal(std::string_view text) const;

  // An accepted box goes to the servo at once. A speed of 0 is taken as 1; the text the speed
  // box should show afterwards is returned.
  void applyPosition(int servo, std::string_view text);
  std::string applySpeed(int servo, std::string_view text);

  struct Texts {
    std::string name;
    std::array<std::string, nodeSlots> pos;
    std::array<std::string, nodeSlots> speed;
  };
  // The box a refusal is about, so the editor can put the focus there.
  struct Refusal {
    enum Box { Name, Position, Speed } box;
    int servo = 0;
    std::string message;
  };
  // Save's node: the name, positions and speeds the boxes hold; or, when a box's check would
  // refuse it, that box, and nothing is to be stored.
  std::variant<Node, Refusal> savedNode(const Texts &texts) const;

private:
  MotionModel &m_motion;
  const ServoConfiguration &m_config;
};

} // namespace quarnel
