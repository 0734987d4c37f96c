// The script window's data: the node table, the script lines, and the operations that change
// the nodes. The window shows these and adds nothing of its own.
#pragma once

#include "config/sound_timing.h"
#include "script/node_table.h"
#include "script/script_lines.h"
#include "script/script_user.h"
#include "script/sound_shelf.h"
#include "servos/servo_configuration.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
  const ServoConfiguration &config() const { return m_config; }

  // Where the SOUND lines' relative paths start: the script file's folder, empty (the working
  // folder) while the script has no file.
  const std::filesystem::path &soundFolder() const { return m_soundFolder; }
  void setSoundFolder(std::filesystem::path folder) { m_soundFolder = std::move(folder); }
  // The file a SOUND line's path names.
  std::filesystem::path soundFile(std::string_view path) const;
  // The sounds the lines name, each read once; shared with the timeline's runs played ahead.
  SoundShelf &sounds() const { return *m_sounds; }
  const std::shared_ptr<SoundShelf> &soundShelf() const { return m_sounds; }
  void shareSoundShelf(std::shared_ptr<SoundShelf> shelf) { m_sounds = std::move(shelf); }
  // How long before the sound a JAW line's servo moves to what it hears.
  int jawLookAheadMs() const { return m_jawLookAheadMs; }
  void setJawLookAheadMs(int ms) { m_jawLookAheadMs = ms; }

  // Adds a node at index nodes().count() from its node data text, as a file supplies it. Each
  // slot whose position lies outside its servo's travel is reported once, and the node keeps
  // it. A full table is reported; a malformed text is left to the caller. Either way nothing
  // is added then.
  NodeAdded createNode(const std::string &name, std::string_view dataText);

  // Create Node's node: asks for a name and makes a node of the control window's targets, every
  // slot at its speed, with the reports createNode makes. Nothing on cancel; nothing, with a
  // message, on an empty answer, a full table, or a name that could not be stored or run, or
  // that another node carries. Adding it is the caller's.
  std::optional<Node> nodeFromControls(const MotionModel &motion) const;

  // Removes node `index` (1 to count - 1) and every line that names it exactly; returns the
  // rows those lines had.
  std::vector<int> deleteNode(int index);

  // The node editor's Save: node `index` (1 to count - 1) becomes `node`, and every line that
  // named it exactly takes the new name. Returns the rows renamed.
  std::vector<int> replaceNode(int index, Node node);

  // The table alone, lines untouched, for undoing the edits above: `index` 1 to count() for
  // an insertion, 1 to count() - 1 otherwise.
  void insertNode(int index, Node node) { m_nodes.insert(index, std::move(node)); }
  void removeNode(int index) { m_nodes.remove(index); }
  void setNode(int index, Node node) { m_nodes.node(index) = std::move(node); }

  // What opening a file starts from: Home alone, the script cleared.
  void removeCreatedNodes();

  // The PAUSE button's line: asks for a length and gives "PAUSE " and the answer as typed, a
  // negative length as 0. Nothing when the answer is no number, which is reported.
  std::optional<std::string> pauseFromUser() const;
  // The EASE button's line: asks for a curve and gives "EASE " and its name in capitals.
  // Nothing when the answer names no curve, which is reported.
  std::optional<std::string> easeFromUser() const;
  // The SOUND button's line: asks for a sound file, starting in the script's folder (or in
  // `otherwise` while the script has none), and gives "SOUND " and its path, relative to the
  // script's folder when the file is in it. Nothing when cancelled, or when the path holds a
  // character a script file cannot store, which is reported.
  std::optional<std::string> soundFromUser(const std::string &otherwise) const;
  // The JAW button's line: asks for a servo and its closed and open positions, or OFF. Nothing
  // when cancelled, or when the answer is neither, which is reported.
  std::optional<std::string> jawFromUser() const;

private:
  // A full table refuses the node with a message; a position outside its servo's travel is
  // reported and kept.
  bool admits(const Node &node) const;

  const ServoConfiguration &m_config;
  ScriptUser m_user;
  NodeTable m_nodes;
  ScriptLines m_lines;
  std::filesystem::path m_soundFolder;
  std::shared_ptr<SoundShelf> m_sounds = std::make_shared<SoundShelf>();
  int m_jawLookAheadMs = SoundTiming{}.jawLookAheadMs;
};

} // namespace quarnel
