// The node name rules.
#include "script/node_name.h"

#include "script/line_command.h"
#include "script/node_table.h"
#include "script/script_file.h"
#include "text/item_reader.h"

namespace quarnel {

namespace {

bool carriedByAnother(const NodeTable &nodes, std::string_view name, std::optional<int> own) {
  for (int i = 0; i < nodes.count(); ++i)
    if (i != own && nodes.node(i).name == name) return true;
  return false;
}

} // namespace

std::optional<std::string> nodeNameRefusal(std::string_view name) {
  const std::string quoted = "\"" + std::string(name) + "\"";
  if (name.find_first_not_of(" \t") == std::string_view::npos) return "Please enter a name for this node.";
  if (auto bad = unstorableCharacter(name))
    return "A node name cannot hold the character " + *bad + ", which a script file cannot store.";
  if (name == scriptSectionEnd)
    return quoted + " marks the end of a section in a script file. Please choose another name.";
  if (classifyLine(name).kind != LineKind::Node)
    return quoted + " would be run as a script command, never as a node. Please choose another name.";
  return std::nullopt;
}

std::optional<std::string> nodeNameClash(const NodeTable &nodes, std::string_view name, std::optional<int> own) {
  if (!carriedByAnother(nodes, name, own)) return std::nullopt;
  return "There is already a node named \"" + std::string(name) + "\". Please choose another name.";
}

std::string defaultNodeName(const NodeTable &nodes) {
  for (int n = nodes.count();; ++n) {
    std::string name = "Node " + std::to_string(n);
    if (!carriedByAnother(nodes, name, std::nullopt)) return name;
  }
}

} // namespace quarnel
