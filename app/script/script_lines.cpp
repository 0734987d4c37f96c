// The script grid's rows, current line and marker.
#include "script_lines.h"

#include <algorithm>

namespace quarnel {

std::string_view ScriptLines::text(int row) const {
  return row == 0 ? scriptHeading : std::string_view(m_lines[row - 1]);
}

void ScriptLines::notify(ScriptLinesChange::Kind kind, int row) const {
  if (m_listener) m_listener({kind, row});
}

void ScriptLines::mark(int row) {
  if (row == m_marked) return;
  const int old = m_marked;
  m_marked = row;
  if (old >= 0 && old < rowCount()) notify(ScriptLinesChange::Changed, old);
  if (row >= 0 && row < rowCount()) notify(ScriptLinesChange::Changed, row);
}

void ScriptLines::setText(int row, std::string_view text) {
  m_lines[row - 1] = text;
  ++m_edits;
  notify(ScriptLinesChange::Changed, row);
}

void ScriptLines::insert(int row, std::string_view text) {
  notify(ScriptLinesChange::Inserting, row);
  m_lines.insert(m_lines.begin() + (row - 1), std::string(text));
  ++m_edits;
  if (m_marked >= row) ++m_marked; // the marker stays with its line
  notify(ScriptLinesChange::Inserted, row);
}

void ScriptLines::placeCommand(std::string_view command) {
  if (m_current < rowCount()) setText(m_current, command);
  else insert(rowCount(), command);
  ++m_current;
  if (m_current == rowCount()) insert(rowCount(), "");
  markCurrent();
}

void ScriptLines::select(int row) {
  m_current = std::clamp(row, 1, lastRow());
  markCurrent();
}

void ScriptLines::insertEmptyLine() {
  insert(m_current, "");
  markCurrent();
}

void ScriptLines::deleteLine() {
  if (m_current >= lastRow()) return;
  const int marked = m_marked;
  notify(ScriptLinesChange::Removing, m_current);
  m_lines.erase(m_lines.begin() + (m_current - 1));
  ++m_edits;
  notify(ScriptLinesChange::Removed, m_current);
  m_marked = marked > m_current ? marked - 1 : marked == m_current ? -1 : marked;
  markCurrent();
}

void ScriptLines::clear() { reset({}, 1); }

void ScriptLines::load(std::vector<std::string> lines) {
  const int insertionRow = static_cast<int>(lines.size()) + 1;
  reset(std::move(lines), insertionRow);
}

// `lines` and the insertion row after them, `current` marked.
void ScriptLines::reset(std::vector<std::string> lines, int current) {
  notify(ScriptLinesChange::Resetting);
  lines.emplace_back();
  if (lines != m_lines) ++m_edits;
  m_lines = std::move(lines);
  m_current = current;
  m_marked = current;
  notify(ScriptLinesChange::Reset);
}

void ScriptLines::removeLinesEqualTo(std::string_view text) {
  // The insertion row is empty and never a node's name, so it always survives.
  auto named = [&](const std::string &line) { return line == text && !line.empty(); };
  if (std::none_of(m_lines.begin(), m_lines.end(), named)) return;
  notify(ScriptLinesChange::Resetting);
  std::erase_if(m_lines, named);
  ++m_edits;
  m_current = std::min(m_current, lastRow());
  m_marked = m_current;
  notify(ScriptLinesChange::Reset);
}

void ScriptLines::renameLines(std::string_view from, std::string_view to) {
  for (int row = 1; row < rowCount(); ++row)
    if (m_lines[row - 1] == from) setText(row, to);
}

} // namespace quarnel
