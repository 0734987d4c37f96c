// The undo commands of the script's edits, and which edit pushes which.
#include "script_window/script_edits.h"

#include <QCoreApplication>
#include <QUndoCommand>

#include <string>
#include <vector>

namespace quarnel {

namespace {

// The untranslated `pattern` with `text` for its %1.
QString withText(const char *pattern, std::string_view text) {
  return QCoreApplication::translate("ScriptEdits", pattern)
      .arg(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

// Undo puts the current line and the marker back where they stood before the edit, and so
// does each redo before it repeats the edit: every edit is then repeated from the very state
// it first started from, and undone back to it.
class ScriptCommand : public QUndoCommand {
public:
  ScriptCommand(ScriptModel &script, const QString &text)
      : QUndoCommand(text), m_script(script), m_cursor(script.lines().cursor()) {}

  void redo() final {
    lines().setCursor(m_cursor);
    apply();
  }
  void undo() final {
    revert();
    lines().setCursor(m_cursor);
  }

protected:
  virtual void apply() = 0;
  virtual void revert() = 0;
  ScriptLines &lines() { return m_script.lines(); }

  ScriptModel &m_script;

private:
  const ScriptLines::Cursor m_cursor;
};

class PlaceCommand : public ScriptCommand {
public:
  PlaceCommand(ScriptModel &script, std::string_view command)
      : ScriptCommand(script, withText(QT_TRANSLATE_NOOP("ScriptEdits", "Place \"%1\""), command)), m_command(command) {}

private:
  void apply() override {
    m_row = lines().currentLine();
    m_rowsBefore = lines().rowCount();
    m_oldText = lines().text(m_row);
    lines().placeCommand(m_command);
  }
  void revert() override {
    // The new insertion row placing appended goes first.
    while (lines().rowCount() > m_rowsBefore) lines().removeLine(lines().lastRow());
    lines().setLineText(m_row, m_oldText);
  }

  const std::string m_command;
  int m_row = 0;
  int m_rowsBefore = 0;
  std::string m_oldText;
};

class InsertLineCommand : public ScriptCommand {
public:
  explicit InsertLineCommand(ScriptModel &script) : ScriptCommand(script, QCoreApplication::translate("ScriptEdits", "Insert line")) {}

private:
  void apply() override {
    m_row = lines().currentLine();
    lines().insertEmptyLine();
  }
  void revert() override { lines().removeLine(m_row); }

  int m_row = 0;
};

class DeleteLineCommand : public ScriptCommand {
public:
  explicit DeleteLineCommand(ScriptModel &script) : ScriptCommand(script, QCoreApplication::translate("ScriptEdits", "Delete line")) {}

private:
  void apply() override {
    m_row = lines().currentLine();
    m_text = lines().text(m_row);
    lines().deleteLine();
  }
  void revert() override { lines().insertLine(m_row, m_text); }

  int m_row = 0;
  std::string m_text;
};

class ClearCommand : public ScriptCommand {
public:
  explicit ClearCommand(ScriptModel &script) : ScriptCommand(script, QCoreApplication::translate("ScriptEdits", "Clear")), m_before(script.lines().all()) {}

private:
  void apply() override { lines().clear(); }
  void revert() override { lines().setLines(m_before); }

  const std::vector<std::string> m_before;
};

class CreateNodeCommand : public ScriptCommand {
public:
  CreateNodeCommand(ScriptModel &script, Node node)
      : ScriptCommand(script, withText(QT_TRANSLATE_NOOP("ScriptEdits", "Create node \"%1\""), node.name)), m_index(script.nodes().count()),
        m_node(std::move(node)) {}

private:
  void apply() override { m_script.insertNode(m_index, m_node); }
  // Lines that already named it before it was made stay.
  void revert() override { m_script.removeNode(m_index); }

  const int m_index;
  const Node m_node;
};

class DeleteNodeCommand : public ScriptCommand {
public:
  DeleteNodeCommand(ScriptModel &script, int index)
      : ScriptCommand(script, withText(QT_TRANSLATE_NOOP("ScriptEdits", "Delete node \"%1\""), script.nodes().node(index).name)), m_index(index),
        m_node(script.nodes().node(index)) {}

private:
  void apply() override { m_removedRows = m_script.deleteNode(m_index); }
  void revert() override {
    m_script.insertNode(m_index, m_node);
    lines().insertLines(m_removedRows, m_node.name);
  }

  const int m_index;
  const Node m_node;
  std::vector<int> m_removedRows;
};

class SaveNodeCommand : public ScriptCommand {
public:
  SaveNodeCommand(ScriptModel &script, int index, Node after)
      : ScriptCommand(script, withText(QT_TRANSLATE_NOOP("ScriptEdits", "Edit node \"%1\""), after.name)), m_index(index), m_before(script.nodes().node(index)),
        m_after(std::move(after)) {}

private:
  void apply() override { m_renamedRows = m_script.replaceNode(m_index, m_after); }
  // Only the rows Save renamed take the old name back: a line that had the new name before
  // keeps it.
  void revert() override {
    m_script.setNode(m_index, m_before);
    for (int row : m_renamedRows) lines().setLineText(row, m_before.name);
  }

  const int m_index;
  const Node m_before;
  const Node m_after;
  std::vector<int> m_renamedRows;
};

} // namespace

void ScriptEdits::place(std::string_view command) {
  ScriptLines &lines = m_script.lines();
  if (!lines.isLine(lines.currentLine())) return;
  // Placing onto the insertion row always appends a new one.
  if (lines.currentLine() < lines.lastRow() && lines.text(lines.currentLine()) == command) {
    lines.placeCommand(command);
    return;
  }
  m_stack.push(new PlaceCommand(m_script, command));
}

void ScriptEdits::placePause() {
  if (const auto pause = m_script.pauseFromUser()) place(*pause);
}

void ScriptEdits::placeEase() {
  if (const auto ease = m_script.easeFromUser()) place(*ease);
}

void ScriptEdits::placeSound(const std::string &otherwise) {
  if (const auto sound = m_script.soundFromUser(otherwise)) place(*sound);
}

void ScriptEdits::placeJaw() {
  if (const auto jaw = m_script.jawFromUser()) place(*jaw);
}

void ScriptEdits::insertEmptyLine() {
  if (m_script.lines().isLine(m_script.lines().currentLine())) m_stack.push(new InsertLineCommand(m_script));
}

void ScriptEdits::deleteLine() {
  const ScriptLines &lines = m_script.lines();
  // The insertion row stays, and with it alone the script is as Clear leaves it.
  if (!lines.isLine(lines.currentLine()) || lines.currentLine() == lines.lastRow()) return;
  m_stack.push(new DeleteLineCommand(m_script));
}

void ScriptEdits::clear() {
  if (m_script.lines().all() == std::vector<std::string>{""}) {
    m_script.lines().clear();
    return;
  }
  m_stack.push(new ClearCommand(m_script));
}

void ScriptEdits::createNodeFromControls(const MotionModel &motion) {
  if (auto node = m_script.nodeFromControls(motion)) m_stack.push(new CreateNodeCommand(m_script, std::move(*node)));
}

void ScriptEdits::deleteNode(int index) {
  if (index < 1 || index >= m_script.nodes().count()) return;
  m_stack.push(new DeleteNodeCommand(m_script, index));
}

void ScriptEdits::saveNode(int index, Node node) {
  if (index < 1 || index >= m_script.nodes().count() || m_script.nodes().node(index) == node) return;
  m_stack.push(new SaveNodeCommand(m_script, index, std::move(node)));
}

} // namespace quarnel
