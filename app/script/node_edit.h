// The node editor's rules: which texts its boxes accept, what an accepted position or speed
// does to the servos at once, which boxes the live copy of positions may fill, and what Save
// stores.
#pragma once

#include "script/node.h"
#include "servos/servo_configuration.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace quarnel {

class MotionModel;
class ScriptModel;

class NodeEdit {
public:
  NodeEdit(ScriptModel &script, MotionModel &motion, const ServoConfiguration &config)
      : m_script(script), m_motion(motion), m_config(config) {}

  // The editor opens on node `index` (never Home), its boxes just filled from the node.
  void begin(int index);

  // Why the text cannot stand, for the user; nothing when it can. The node's own name is no
  // clash with itself.
  std::optional<std::string> nameRefusal(std::string_view name) const;
  std::optional<std::string> positionRefusal(int servo, std::string_view text) const;
  std::optional<std::string> speedRefusal(std::string_view text) const;

  // An accepted box goes to the servo at once. A speed of 0 is taken as 1, and the text the
  // speed box shows instead is returned; any other speed keeps the user's text.
  void applyPosition(int servo, std::string_view text);
  std::optional<std::string> applySpeed(int servo, std::string_view text);

  // The user typed into the position box of `servo`.
  void positionTyped(int servo);
  // The live copy of a newly displayed position: whether it may go into the box. The focused box
  // is the user's and keeps its text and selection; any other box takes it, and then holds no
  // typing of the user's any more.
  bool takesDisplayedPosition(int servo, bool boxFocused);

  struct Texts {
    std::string name;
    std::array<std::string, servoChannels> pos;
    std::array<std::string, servoChannels> speed;
  };
  // The box a refusal is about, so the editor can put the focus there.
  struct Refusal {
    enum Box { Name, Position, Speed } box;
    int servo = 0;
    std::string message;
  };
  // Save's node: the name, the speeds, and for each servo the position the user typed, else
  // where the servo is going (a box may show it on its way there); or, when a box's check
  // would refuse it, that box, and nothing is to be stored.
  std::variant<Node, Refusal> savedNode(const Texts &texts) const;
  // The node being edited.
  int index() const { return m_index; }

private:
  ScriptModel &m_script;
  MotionModel &m_motion;
  const ServoConfiguration &m_config;
  int m_index = 0;
  std::array<bool, servoChannels> m_typed{};
};

} // namespace quarnel
