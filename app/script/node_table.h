// The node table: Home at index 0, then the created or loaded nodes in creation order. Each
// node has a button in the script window with the same index and the node's name as caption.
#pragma once

#include "script/node.h"

#include <optional>
#include <string_view>
#include <vector>

namespace quarnel {

// The node list's scroll offset is 300 twips a step in 16 bits, which bounds the list.
constexpr int maxNodes = 113; // Home included

// The node list's scroll bar, as the last created node left it.
struct NodeScroll {
  bool enabled = false;
  int maximum = 0;
  int value = 0;
};

class NodeTable {
public:
  // Home alone.
  void reset(Node home);

  int count() const { return static_cast<int>(m_nodes.size()); }
  bool full() const { return count() >= maxNodes; }
  const Node &node(int index) const { return m_nodes[index]; }
  Node &node(int index) { return m_nodes[index]; }
  NodeScroll scroll() const { return m_scroll; }

  // Adds at index count(); the caller checks full() first.
  void add(Node node) { insert(count(), std::move(node)); }
  // Adds at `index`, 1 to count(); later nodes move up one index. The list scrolls as for a
  // node added last.
  void insert(int index, Node node);
  // Removes node `index`, 1 to count() - 1; later nodes move down one index.
  void remove(int index);
  // Keeps only Home, the list unscrolled as for Home alone.
  void removeCreated();

  // The node a line names: a node whose name equals the text, else the first whose name
  // contains it, so lines written for the older rule still run.
  std::optional<int> find(std::string_view text) const;

private:
  std::vector<Node> m_nodes;
  NodeScroll m_scroll;
};

} // namespace quarnel
