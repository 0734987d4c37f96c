// The node table and the node a line names.
#include "script/node_table.h"

#include <algorithm>

namespace quarnel {

namespace {

// From the sixth node on the list scrolls so that the newest button is in view.
constexpr int firstScrollingCount = 6;
constexpr int buttonsInView = 4;

} // namespace

void NodeTable::reset(Node home) {
  m_nodes.clear();
  m_nodes.push_back(std::move(home));
  m_scroll = {};
}

void NodeTable::insert(int index, Node node) {
  m_nodes.insert(m_nodes.begin() + index, std::move(node));
  if (count() >= firstScrollingCount) m_scroll = {true, count() - buttonsInView, count() - buttonsInView};
}

void NodeTable::remove(int index) { m_nodes.erase(m_nodes.begin() + index); }

void NodeTable::removeCreated() {
  m_nodes.resize(1);
  m_scroll = {};
}

std::optional<int> NodeTable::find(std::string_view text) const {
  auto named = [&](auto matches) -> std::optional<int> {
    auto it = std::find_if(m_nodes.begin(), m_nodes.end(), matches);
    if (it == m_nodes.end()) return std::nullopt;
    return static_cast<int>(it - m_nodes.begin());
  };
  if (auto exact = named([&](const Node &n) { return n.name == text; })) return exact;
  return named([&](const Node &n) { return n.name.find(text) != std::string::npos; });
}

} // namespace quarnel
