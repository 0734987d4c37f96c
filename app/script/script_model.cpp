// Node creation and removal, and the window's prompts that lead to them.
#include "script/script_model.h"

#include "motion/motion_model.h"
#include "motion/servo_limits.h"
#include "script/line_command.h"
#include "script/node_name.h"
#include "text/item_reader.h"
#include "text/text_number.h"

#include <QCoreApplication>

namespace quarnel {

namespace {

constexpr int16_t homeSpeed = 5;

} // namespace

ScriptModel::ScriptModel(const ServoConfiguration &config, ScriptUser user)
    : m_config(config), m_user(std::move(user)) {
  load();
}

std::filesystem::path ScriptModel::soundFile(std::string_view path) const {
  const std::filesystem::path named{std::string(path)};
  return named.is_absolute() ? named : m_soundFolder / named;
}

void ScriptModel::load() {
  Node home{"Home", {}, {}};
  for (int slot = 0; slot < servoChannels; ++slot) {
    home.pos[slot] = servoLimits(m_config.servos[slot]).home;
    home.speed[slot] = homeSpeed;
  }
  m_nodes.reset(std::move(home));
  m_lines.clear();
  m_soundFolder.clear();
}

bool ScriptModel::admits(const Node &node) const {
  if (m_nodes.full()) {
    m_user.critical(QCoreApplication::translate("ScriptModel", "A script holds at most %1 nodes, Home included, so the node %2 was not added.")
                        .arg(QString::number(maxNodes), QString::fromStdString(node.name))
                        .toStdString());
    return false;
  }
  for (int slot = 0; slot < servoChannels; ++slot) {
    const ServoLimits travel = servoLimits(m_config.servos[slot]);
    if (node.pos[slot] < travel.lowest || node.pos[slot] > travel.highest)
      m_user.critical(QCoreApplication::translate("ScriptModel", "Position of Servo %1 in %2 falls outside Min-Max range in "
                                                                 "Settings. Please rectify this or unexpected results may ensue")
                          .arg(QString::number(slot), QString::fromStdString(node.name))
                          .toStdString());
  }
  return true;
}

NodeAdded ScriptModel::createNode(const std::string &name, std::string_view dataText) {
  Node node{name, {}, {}};
  // A full table is told whatever the text holds.
  if (!m_nodes.full() && !parseNodeData(dataText, node)) return NodeAdded::Malformed;
  if (!admits(node)) return NodeAdded::TableFull;
  m_nodes.add(std::move(node));
  return NodeAdded::Added;
}

std::optional<Node> ScriptModel::nodeFromControls(const MotionModel &motion) const {
  const auto answer = m_user.ui.inputBox(
      QCoreApplication::translate("ScriptModel", "Please Enter a name for this node").toStdString(), m_user.title,
      defaultNodeName(m_nodes));
  if (!answer) return std::nullopt;
  const std::string &name = *answer;
  auto refusal = nodeNameRefusal(name);
  if (!refusal) refusal = nodeNameClash(m_nodes, name);
  if (refusal) {
    m_user.critical(*refusal);
    return std::nullopt;
  }
  Node pose{name, {}, {}};
  for (int slot = 0; slot < servoChannels; ++slot) {
    pose.pos[slot] = motion.target(slot);
    pose.speed[slot] = static_cast<int16_t>(motion.speed());
  }
  if (!admits(pose)) return std::nullopt;
  return pose;
}

std::vector<int> ScriptModel::deleteNode(int index) {
  if (index < 1 || index >= m_nodes.count()) return {};
  std::vector<int> rows = m_lines.removeLinesEqualTo(m_nodes.node(index).name);
  m_nodes.remove(index);
  return rows;
}

std::vector<int> ScriptModel::replaceNode(int index, Node node) {
  if (index < 1 || index >= m_nodes.count()) return {};
  std::vector<int> rows;
  // An empty old name would rename the insertion row.
  if (!m_nodes.node(index).name.empty()) rows = m_lines.renameLines(m_nodes.node(index).name, node.name);
  m_nodes.node(index) = std::move(node);
  return rows;
}

void ScriptModel::removeCreatedNodes() {
  m_nodes.removeCreated();
  m_lines.clear();
}

std::optional<std::string> ScriptModel::pauseFromUser() const {
  const auto answered = m_user.ui.inputBox(
      QCoreApplication::translate("ScriptModel", "How long (in ms) would you like the pause to last for?").toStdString(),
      m_user.title, "1000");
  if (!answered) return std::nullopt;
  const std::string &answer = *answered;
  auto length = textToReal(answer);
  if (!length) {
    m_user.critical(QCoreApplication::translate("ScriptModel", "Pause Length must be a number!").toStdString());
    return std::nullopt;
  }
  return std::string(pauseCommand) + " " + (*length < 0 ? std::string("0") : answer);
}

std::optional<std::string> ScriptModel::easeFromUser() const {
  const auto answer = m_user.ui.inputBox(
      QCoreApplication::translate("ScriptModel", "How should the moves after this line travel: LINEAR, IN, OUT or INOUT?")
          .toStdString(),
      m_user.title, "INOUT");
  if (!answer) return std::nullopt;
  const auto easing = easingNamed(*answer);
  if (!easing) {
    m_user.critical(QCoreApplication::translate("ScriptModel", "Ease curve must be LINEAR, IN, OUT or INOUT!").toStdString());
    return std::nullopt;
  }
  return easeLine(*easing);
}

std::optional<std::string> ScriptModel::soundFromUser(const std::string &otherwise) const {
  const FileFilter sounds{QCoreApplication::translate("ScriptModel", "Sounds (*.wav *.flac *.ogg *.mp3)").toStdString(), "*.wav *.flac *.ogg *.mp3"};
  const auto chosen = m_user.ui.openFileDialog(sounds, m_soundFolder.empty() ? otherwise : m_soundFolder.string());
  if (!chosen) return std::nullopt;
  std::filesystem::path path(*chosen);
  if (!m_soundFolder.empty()) {
    const std::filesystem::path inside = path.lexically_relative(m_soundFolder);
    if (!inside.empty() && *inside.begin() != "..") path = inside;
  }
  const std::string line = soundLine(path.string());
  if (const auto bad = unstorableCharacter(line)) {
    m_user.critical(QCoreApplication::translate("ScriptModel", "The path %1 holds the character %2, which a script "
                                                               "file cannot store.")
                        .arg(QString::fromStdString(path.string()), QString::fromStdString(*bad))
                        .toStdString());
    return std::nullopt;
  }
  return line;
}

std::optional<std::string> ScriptModel::jawFromUser() const {
  const auto answer = m_user.ui.inputBox(
      QCoreApplication::translate("ScriptModel", "Which servo should follow the sound, and at what positions is "
                                                 "its mouth closed and open? For example 3 40 120; OFF ends it.")
          .toStdString(),
      m_user.title, "0 40 120");
  if (!answer || answer->empty()) return std::nullopt;
  const LineCommand command = classifyLine(std::string(jawCommand) + " " + *answer);
  if (command.jaw || command.jawOff) return jawLine(command.jaw);
  m_user.critical(QCoreApplication::translate("ScriptModel",
                                              "JAW takes a servo from 0 to 11 and two positions from 0 to 254, or OFF!")
                      .toStdString());
  return std::nullopt;
}

} // namespace quarnel
