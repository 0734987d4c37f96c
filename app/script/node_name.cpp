// The node name rules.
#include "script/node_name.h"

#include "script/line_command.h"
#include "script/node_table.h"
#include "script/script_file.h"
#include "text/item_reader.h"

#include <QCoreApplication>

namespace quarnel {

namespace {

bool carriedByAnother(const NodeTable &nodes, std::string_view name, std::optional<int> own) {
  for (int i = 0; i < nodes.count(); ++i)
    if (i != own && nodes.node(i).name == name) return true;
  return false;
}

} // namespace

std::optional<std::string> nodeNameRefusal(std::string_view name) {
  const QString shown = QString::fromStdString(std::string(name));
  if (name.find_first_not_of(" \t") == std::string_view::npos)
    return QCoreApplication::translate("NodeName", "Please enter a name for this node.").toStdString();
  if (auto bad = unstorableCharacter(name))
    return QCoreApplication::translate("NodeName", "A node name cannot hold the character %1, which a script file cannot store.")
        .arg(QString::fromStdString(*bad))
        .toStdString();
  if (name == scriptSectionEnd)
    return QCoreApplication::translate("NodeName", "\"%1\" marks the end of a section in a script file. Please choose another name.")
        .arg(shown)
        .toStdString();
  if (classifyLine(name).kind != LineKind::Node)
    return QCoreApplication::translate("NodeName", "\"%1\" would be run as a script command, never as a node. Please choose another name.")
        .arg(shown)
        .toStdString();
  return std::nullopt;
}

std::optional<std::string> nodeNameClash(const NodeTable &nodes, std::string_view name, std::optional<int> own) {
  if (!carriedByAnother(nodes, name, own)) return std::nullopt;
  return QCoreApplication::translate("NodeName", "There is already a node named \"%1\". Please choose another name.")
      .arg(QString::fromStdString(std::string(name)))
      .toStdString();
}

std::string defaultNodeName(const NodeTable &nodes) {
  for (int n = nodes.count();; ++n) {
    std::string name = QCoreApplication::translate("NodeName", "Node %1").arg(n).toStdString();
    if (!carriedByAnother(nodes, name, std::nullopt)) return name;
  }
}

} // namespace quarnel
