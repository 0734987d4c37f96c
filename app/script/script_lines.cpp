// The script grid's rows, current line and marker.
#include "script/script_lines.h"

#include <algorithm>

namespace quarnel {

std::string_view ScriptLines::text(int row) const {
  return row == 0 ? scriptHeading : std::string_view(m_lines[row - 1]);
}

ScriptLines::ListenerId ScriptLines::addListener(Listener listener) {
  m_listeners.emplace_back(m_nextListenerId, std::move(listener));
  return m_nextListenerId++;
}

void ScriptLines::removeListener(ListenerId id) {
  std::erase_if(m_listeners, [id](const auto &listener) { return listener.first == id; });
}

void ScriptLines::notify(ScriptLinesChange::Kind kind, int row) const {
  for (const auto &listener : m_listeners) listener.second({kind, row});
}

void ScriptLines::mark(int row) {
  if (row == m_marked) return;
  const int old = m_marked;
  m_marked = row;
  if (old >= 0 && old < rowCount()) notify(ScriptLinesChange::Marked, old);
  if (row >= 0 && row < rowCount()) notify(ScriptLinesChange::Marked, row);
}

void ScriptLines::setCursor(Cursor cursor) {
  m_current = cursor.current;
  mark(cursor.marked);
}

void ScriptLines::setLineText(int row, std::string_view text) {
  m_lines[row - 1] = text;
  notify(ScriptLinesChange::Changed, row);
}

void ScriptLines::insertLine(int row, std::string_view text) {
  notify(ScriptLinesChange::Inserting, row);
  m_lines.insert(m_lines.begin() + (row - 1), std::string(text));
  if (m_marked >= row) ++m_marked; // the marker stays with its line
  notify(ScriptLinesChange::Inserted, row);
}

void ScriptLines::removeLine(int row) {
  notify(ScriptLinesChange::Removing, row);
  m_lines.erase(m_lines.begin() + (row - 1));
  m_marked = m_marked > row ? m_marked - 1 : m_marked == row ? -1 : m_marked;
  notify(ScriptLinesChange::Removed, row);
}

void ScriptLines::placeCommand(std::string_view command) {
  if (!isLine(m_current)) return;
  setLineText(m_current, command);
  ++m_current;
  if (m_current == rowCount()) insertLine(rowCount(), "");
  markCurrent();
}

void ScriptLines::select(int row) {
  m_current = std::clamp(row, 1, lastRow());
  markCurrent();
}

void ScriptLines::insertEmptyLine() {
  if (!isLine(m_current)) return;
  insertLine(m_current, "");
  markCurrent();
}

void ScriptLines::deleteLine() {
  if (!isLine(m_current) || m_current == lastRow()) return;
  removeLine(m_current);
  markCurrent();
}

void ScriptLines::clear() { reset({""}, 1); }

void ScriptLines::load(std::vector<std::string> lines) {
  lines.emplace_back();
  const int insertionRow = static_cast<int>(lines.size());
  reset(std::move(lines), insertionRow);
}

void ScriptLines::setLines(std::vector<std::string> lines) { reset(std::move(lines), 1); }

// Every row, the insertion row included, `current` marked.
void ScriptLines::reset(std::vector<std::string> rows, int current) {
  notify(ScriptLinesChange::Resetting);
  m_lines = std::move(rows);
  m_current = current;
  m_marked = current;
  notify(ScriptLinesChange::Reset);
}

std::vector<int> ScriptLines::removeLinesEqualTo(std::string_view text) {
  std::vector<int> removed;
  // The insertion row is empty and never a node's name, so it always survives.
  for (int row = 1; row < lastRow(); ++row)
    if (!text.empty() && m_lines[row - 1] == text) removed.push_back(row);
  if (removed.empty()) return removed;
  notify(ScriptLinesChange::Resetting);
  std::erase(m_lines, text);
  m_current = std::min(m_current, lastRow());
  m_marked = m_current;
  notify(ScriptLinesChange::Reset);
  return removed;
}

void ScriptLines::insertLines(const std::vector<int> &rows, std::string_view text) {
  if (rows.empty()) return;
  std::vector<std::string> merged;
  merged.reserve(m_lines.size() + rows.size());
  auto next = rows.begin();
  auto putBackDue = [&] {
    for (; next != rows.end() && *next == static_cast<int>(merged.size()) + 1; ++next) merged.emplace_back(text);
  };
  for (std::string &line : m_lines) {
    putBackDue();
    merged.push_back(std::move(line));
  }
  putBackDue();
  notify(ScriptLinesChange::Resetting);
  m_lines = std::move(merged);
  notify(ScriptLinesChange::Reset);
}

std::vector<int> ScriptLines::renameLines(std::string_view from, std::string_view to) {
  std::vector<int> renamed;
  for (int row = 1; row < rowCount(); ++row)
    if (m_lines[row - 1] == from) {
      setLineText(row, to);
      renamed.push_back(row);
    }
  return renamed;
}

} // namespace quarnel
