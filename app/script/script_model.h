// The script window's data: the node table, the script lines, and the operations that change
// the nodes. The window shows these and adds nothing of its own.
#pragma once

#include "config/servo_configuration.h"
#include "node_table.h"
#include "script_lines.h"
#include "script_user.h"

#include <string>
#include <string_view>

namespace quarnel {

class MotionModel;

enum class NodeAdded { Added, TableFull, Malformed };

class ScriptModel {
public:
  ScriptModel(const ServoConfiguration &config, ScriptUser user);

  // The window's load: Home from the configuration's home positions at speed 5, no other
  // nodes, the script cleared.
  void load();

  const NodeTable &nodes() const { return m_nodes; }
  ScriptLines &lines() { return m_lines; }
  const ScriptLines &lines() const { return m_lines; }
  const ScriptUser &user() const { return m_user; }

  // Adds a node at index nodes().count() from its node data text. Each slot whose position lies
  // outside its servo's travel is reported once, and the node keeps it. A full table is
  // reported; a malformed text is left to the caller. Either way nothing is added then.
  NodeAdded createNode(const std::string &name, std::string_view dataText);

  // Create Node: asks for a name, then adds a node of the control window's targets, every slot
  // at its speed. An empty answer (or cancel) does nothing; a name that could not be stored or
  // run, or that another node carries, is refused with a message.
  void createNodeFromControls(const MotionModel &motion);

  // Removes node `index` (1 to count - 1) and every line that names it exactly.
  void deleteNode(int index);

  // The node editor's Save: node `index` (1 to count - 1) becomes `node`, and every line that
  // named it exactly takes the new name.
  void replaceNode(int index, Node node);

  // What opening a file starts from: Home alone, the script cleared.
  void removeCreatedNodes();

  // The PAUSE button: asks for a length and places "PAUSE " and the answer as typed, a negative
  // length as 0.
  void placePause();

  // Whether the nodes or the lines changed since the last load, open or save. Running the
  // script or moving its marker is no change.
  bool modified() const { return edits() != m_unmodifiedEdits; }
  void markUnmodified() { m_unmodifiedEdits = edits(); }

private:
  unsigned long edits() const { return m_nodeEdits + m_lines.edits(); }

  const ServoConfiguration &m_config;
  ScriptUser m_user;
  NodeTable m_nodes;
  ScriptLines m_lines;
  unsigned long m_nodeEdits = 0;
  unsigned long m_unmodifiedEdits = 0;
};

} // namespace quarnel
