// The user's edits of the script and its nodes, each one command on an undo stack: placing,
// inserting, deleting and clearing lines, creating and deleting nodes, and the node editor's
// Save. The stack's clean state is whether the script is unmodified.
#pragma once

#include "script/script_model.h"

#include <QUndoStack>

#include <string_view>

namespace quarnel {

class MotionModel;

class ScriptEdits {
public:
  explicit ScriptEdits(ScriptModel &script) : m_script(script) {}

  QUndoStack &stack() { return m_stack; }
  bool modified() const { return !m_stack.isClean(); }
  // A fresh load or an opened file: nothing to undo, and nothing modified.
  void forget() { m_stack.clear(); }
  void markSaved() { m_stack.setClean(); }

  // An edit that would change nothing pushes no command; what it does to the current line
  // and the marker it still does.
  void place(std::string_view command);
  void placePause();
  void placeEase();
  // The sound dialog starts in the script's folder, or in `otherwise` while it has none.
  void placeSound(const std::string &otherwise);
  void placeJaw();
  void insertEmptyLine();
  void deleteLine();
  void clear();
  void createNodeFromControls(const MotionModel &motion);
  void deleteNode(int index);
  void saveNode(int index, Node node);

private:
  ScriptModel &m_script;
  QUndoStack m_stack;
};

} // namespace quarnel
