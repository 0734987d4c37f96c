// The node editor's checks, its live moves, the live copy's rule and Save.
#include "script/node_edit.h"

#include "motion/motion_model.h"
#include "script/node_name.h"
#include "script/script_model.h"
#include "text/text_number.h"

#include <QCoreApplication>

namespace quarnel {

void NodeEdit::begin(int index) {
  m_index = index;
  m_typed.fill(false);
}

std::optional<std::string> NodeEdit::nameRefusal(std::string_view name) const {
  if (name.empty()) return QCoreApplication::translate("NodeEdit", "Name cannot be blank").toStdString();
  if (auto refusal = nodeNameRefusal(name)) return refusal;
  return nodeNameClash(m_script.nodes(), name, m_index);
}

std::optional<std::string> NodeEdit::positionRefusal(int servo, std::string_view text) const {
  const auto position = textToNumber(text);
  const auto lowest = m_config.minimum(servo), highest = m_config.maximum(servo);
  // Bounds that are no numbers bound nothing that could be trusted, so nothing passes them.
  if (!position || !lowest || !highest || *position < *lowest || *position > *highest) {
    const ServoSetting &bounds = m_config.servos[servo];
    return QCoreApplication::translate("NodeEdit", "Position must be within the minimum and maximum bounds of servo %1 (%2 to %3)")
        .arg(QString::number(servo), QString::fromStdString(bounds.minimum), QString::fromStdString(bounds.maximum))
        .toStdString();
  }
  return std::nullopt;
}

std::optional<std::string> NodeEdit::speedRefusal(std::string_view text) const {
  if (!textToNumber(text))
    return QCoreApplication::translate("NodeEdit", "Speed must be a whole number from -32768 to 32767").toStdString();
  return std::nullopt;
}

void NodeEdit::applyPosition(int servo, std::string_view text) {
  if (const auto position = textToNumber(text)) m_motion.setTarget(servo, *position);
}

std::optional<std::string> NodeEdit::applySpeed(int servo, std::string_view text) {
  const auto speed = textToNumber(text);
  if (!speed) return std::nullopt;
  if (*speed == 0) {
    m_motion.setServoSpeed(servo, 1);
    return "1";
  }
  m_motion.setServoSpeed(servo, *speed);
  return std::nullopt;
}

void NodeEdit::positionTyped(int servo) { m_typed[servo] = true; }

bool NodeEdit::takesDisplayedPosition(int servo, bool boxFocused) {
  if (boxFocused) return false;
  m_typed[servo] = false;
  return true;
}

std::variant<Node, NodeEdit::Refusal> NodeEdit::savedNode(const Texts &texts) const {
  if (auto refusal = nameRefusal(texts.name)) return Refusal{Refusal::Name, 0, *refusal};
  Node node{texts.name, {}, {}};
  for (int slot = 0; slot < servoChannels; ++slot) {
    if (m_typed[slot]) {
      if (auto refusal = positionRefusal(slot, texts.pos[slot])) return Refusal{Refusal::Position, slot, *refusal};
      node.pos[slot] = *textToNumber(texts.pos[slot]);
    } else {
      node.pos[slot] = m_motion.target(slot);
    }
    if (auto refusal = speedRefusal(texts.speed[slot])) return Refusal{Refusal::Speed, slot, *refusal};
    node.speed[slot] = *textToNumber(texts.speed[slot]);
  }
  return node;
}

} // namespace quarnel
