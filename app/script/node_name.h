// Which names a new or renamed node may take: only those a script file can store and a script
// line can run, and none that another node already carries.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quarnel {

class NodeTable;

// Why the name is refused, for the user; nothing when it is fine. Files may still hold such
// names: they load and run by the line rules.
std::optional<std::string> nodeNameRefusal(std::string_view name);

// Why no node but node `own` may carry the name: a line runs the first node of exactly its
// text, so a second one could never be played. A new node has no `own`. Files that already
// hold such twins still load.
std::optional<std::string> nodeNameClash(const NodeTable &nodes, std::string_view name,
                                         std::optional<int> own = std::nullopt);

// What Create Node offers: "Node n" for the first n from the node count up that no node carries.
std::string defaultNodeName(const NodeTable &nodes);

} // namespace quarnel
