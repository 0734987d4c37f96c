// Node creation and removal, and the window's prompts that lead to them.
#include "script_model.h"

#include "config/text_number.h"
#include "control/motion_model.h"
#include "control/servo_limits.h"
#include "line_command.h"
#include "node_name.h"

namespace quarnel {

namespace {

constexpr int16_t homeSpeed = 5;

} // namespace

ScriptModel::ScriptModel(const ServoConfiguration &config, ScriptUser user)
    : m_config(config), m_user(std::move(user)) {
  load();
}

void ScriptModel::load() {
  Node home{"Home", {}, {}};
  for (int slot = 0; slot < nodeSlots; ++slot) {
    home.pos[slot] = servoLimits(m_config.servos[slot]).home;
    home.speed[slot] = homeSpeed;
  }
  m_nodes.reset(std::move(home));
  m_lines.clear();
  markUnmodified();
}

NodeAdded ScriptModel::createNode(const std::string &name, std::string_view dataText) {
  if (m_nodes.full()) {
    m_user.critical("A script holds at most " + std::to_string(maxNodes) +
                    " nodes, Home included, so the node " + name + " was not added.");
    return NodeAdded::TableFull;
  }
  Node node{name, {}, {}};
  if (!parseNodeData(dataText, node)) return NodeAdded::Malformed;
  for (int slot = 0; slot < nodeSlots; ++slot) {
    const ServoLimits travel = servoLimits(m_config.servos[slot]);
    if (node.pos[slot] < travel.lowest || node.pos[slot] > travel.highest)
      m_user.critical("Position of Servo " + std::to_string(slot) + " in " + name +
                      " falls outside Min-Max range in Settings. Please rectify this or "
                      "unexpected results may ensue");
  }
  m_nodes.add(std::move(node));
  ++m_nodeEdits;
  return NodeAdded::Added;
}

void ScriptModel::createNodeFromControls(const MotionModel &motion) {
  const std::string name = m_user.ui.inputBox("Please Enter a name for this node", m_user.title,
                                              defaultNodeName(m_nodes));
  if (name.empty()) return;
  auto refusal = nodeNameRefusal(name);
  if (!refusal) refusal = nodeNameClash(m_nodes, name);
  if (refusal) {
    m_user.critical(*refusal);
    return;
  }
  Node pose;
  for (int slot = 0; slot < nodeSlots; ++slot) {
    pose.pos[slot] = motion.target(slot);
    pose.speed[slot] = static_cast<int16_t>(motion.speed());
  }
  createNode(name, nodeDataText(pose));
}

void ScriptModel::deleteNode(int index) {
  if (index < 1 || index >= m_nodes.count()) return;
  m_lines.removeLinesEqualTo(m_nodes.node(index).name);
  m_nodes.remove(index);
  ++m_nodeEdits;
}

void ScriptModel::replaceNode(int index, Node node) {
  if (index < 1 || index >= m_nodes.count()) return;
  // An empty old name would rename the insertion row.
  if (!m_nodes.node(index).name.empty()) m_lines.renameLines(m_nodes.node(index).name, node.name);
  m_nodes.node(index) = std::move(node);
  ++m_nodeEdits;
}

void ScriptModel::removeCreatedNodes() {
  if (m_nodes.count() > 1) ++m_nodeEdits;
  m_nodes.removeCreated();
  m_lines.clear();
}

void ScriptModel::placePause() {
  std::string answer = m_user.ui.inputBox("How long (in ms) would you like the pause to last for?",
                                          m_user.title, "1000");
  auto length = textToReal(answer);
  if (!length) {
    m_user.critical("Pause Length must be a number!");
    return;
  }
  if (*length < 0) answer = "0";
  m_lines.placeCommand(std::string(pauseCommand) + " " + answer);
}

} // namespace quarnel
