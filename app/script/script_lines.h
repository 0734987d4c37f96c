// The script as the script window's grid shows it: row 0 is the heading, rows 1 and up are the
// command lines in execution order, and the last row is always the empty insertion row. Column
// 0 is a line's text, column 1 the marker "<" on the marked line. `currentLine` is the row the
// next placed command goes to; the runner moves it ahead of the marker while it runs.
#pragma once

#include <QtGlobal>

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quarnel {

// Shown translated, in the context ScriptLines.
constexpr std::string_view scriptHeading = QT_TRANSLATE_NOOP("ScriptLines", "Command");
constexpr std::string_view lineMarker = "<";

// What changed, so a view can follow without reading every row again. Item views must hear of
// a row coming or going, and of a reset, while the lines still stand as before: Inserting,
// Removing and Resetting come before the change, Inserted, Removed and Reset after it. Marked
// is the marker coming onto or leaving a row whose text stands, which the runner does at
// every line.
struct ScriptLinesChange {
  enum Kind { Inserting, Inserted, Removing, Removed, Changed, Marked, Resetting, Reset };
  Kind kind;
  int row = 0; // the row inserted, removed, changed or marked; none for a reset
};

class ScriptLines {
public:
  using Listener = std::function<void(const ScriptLinesChange &)>;
  using ListenerId = int;

  ScriptLines() { clear(); }
  // Every view that follows the lines is told of each change, in the order they were added;
  // a view gone must be removed by the id it was given.
  ListenerId addListener(Listener listener);
  void removeListener(ListenerId id);

  // The grid.
  int rowCount() const { return static_cast<int>(m_lines.size()) + 1; }
  int lastRow() const { return rowCount() - 1; }
  // Rows 1 to the last: the heading is no line.
  bool isLine(int row) const { return row >= 1 && row <= lastRow(); }
  // Column 0: the heading for row 0, else the line's text.
  std::string_view text(int row) const;
  // Column 1: the marker or nothing.
  std::string_view marker(int row) const { return row == m_marked ? lineMarker : std::string_view(); }
  int markedRow() const { return m_marked; }
  int currentLine() const { return m_current; }
  // Rows 1 to the last, the insertion row included.
  const std::vector<std::string> &all() const { return m_lines; }

  // The current line and the marked row together, so an edit can be undone back to both.
  struct Cursor {
    int current = 1;
    int marked = 1;
    bool operator==(const Cursor &) const = default;
  };
  Cursor cursor() const { return {m_current, m_marked}; }
  void setCursor(Cursor cursor);

  // The user's edits. Those at the current line do nothing while it is no line.
  // Writes the command into the current line and moves down, keeping an empty insertion row last.
  void placeCommand(std::string_view command);
  // A click on a row: it becomes current and carries the marker.
  void select(int row);
  // A double click: an empty line is inserted at the current line and marked.
  void insertEmptyLine();
  // The Delete button: removes the current line and marks the next; the insertion row stays.
  void deleteLine();
  // Back to the heading and one empty line, current and marked.
  void clear();
  // An opened file's lines: the script becomes them and an empty insertion row, which is current
  // and marked, as placing each on a cleared script would leave it, told as one reset.
  void load(std::vector<std::string> lines);

  // The runner's and node removal's moves.
  void setCurrentLine(int row) { m_current = row; }
  void markCurrent() { mark(m_current); }
  void clearMarker() { mark(-1); }
  // Removes every line whose text is exactly `text` and returns their rows as they were, in
  // order; the current line keeps its row number as far as the shorter script allows, and
  // carries the marker.
  std::vector<int> removeLinesEqualTo(std::string_view text);
  // A node's new name: every line that is exactly `from`, case and all, becomes `to`. Returns
  // the rows renamed.
  std::vector<int> renameLines(std::string_view from, std::string_view to);

  // Single rows in and out, for undoing the edits above. The marker stays with its line, and
  // the current line and the marker are the caller's to set afterwards.
  void insertLine(int row, std::string_view text);
  void removeLine(int row);
  void setLineText(int row, std::string_view text);
  // Lines of `text` back at `rows`, ascending, each the row it will have; in one pass however
  // many there are.
  void insertLines(const std::vector<int> &rows, std::string_view text);
  // Every row as `lines` holds it, the insertion row included; row 1 current and marked.
  void setLines(std::vector<std::string> lines);

private:
  void mark(int row);
  void notify(ScriptLinesChange::Kind kind, int row = 0) const;
  void reset(std::vector<std::string> rows, int current);

  std::vector<std::string> m_lines; // row r is m_lines[r - 1]
  int m_current = 1;
  int m_marked = 1;
  std::vector<std::pair<ListenerId, Listener>> m_listeners;
  ListenerId m_nextListenerId = 0;
};

} // namespace quarnel
