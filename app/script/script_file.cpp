// Writing and reading .tvk files. A saved script always ends with its empty insertion row; on
// reading, that last empty record becomes the insertion row again rather than a line of its
// own, so saving and opening never grows a script.
#include "script/script_file.h"

#include "text/codepage.h"
#include "text/item_reader.h"

#include <QCoreApplication>

#include <vector>

namespace quarnel {

namespace {

// Records the bytes, or the first text the file cannot store.
class RecordWriter {
public:
  void add(std::string_view text) {
    if (m_refusal) return;
    if (auto bad = unstorableCharacter(text)) {
      m_refusal = QCoreApplication::translate("ScriptFile", "The script holds \"%1\", whose character %2 a script file cannot store.")
                      .arg(QString::fromStdString(std::string(text)), QString::fromStdString(*bad))
                      .toStdString();
      return;
    }
    m_out.bytes += '"' + *encodeCodepage(text) + "\"\r\n";
  }
  ScriptFileBytes finish() {
    if (m_refusal) return {{}, m_refusal};
    return std::move(m_out);
  }

private:
  ScriptFileBytes m_out;
  std::optional<std::string> m_refusal;
};

} // namespace

ScriptFileBytes writeScript(const ScriptModel &script) {
  RecordWriter file;
  file.add(scriptMagic);
  const NodeTable &nodes = script.nodes();
  for (int index = 1; index < nodes.count(); ++index) {
    file.add(nodes.node(index).name);
    file.add(nodeDataText(nodes.node(index)));
  }
  file.add(scriptSectionEnd);
  const ScriptLines &lines = script.lines();
  for (int row = 1; row < lines.rowCount(); ++row) file.add(lines.text(row));
  file.add(scriptSectionEnd);
  return file.finish();
}

ScriptRead readScript(std::string_view bytes, ScriptModel &script) {
  ItemReader records(bytes);
  auto magic = records.next();
  if (!magic || *magic != scriptMagic) {
    script.user().critical(QCoreApplication::translate("ScriptFile", "This is not a valid Kelpin file").toStdString());
    return ScriptRead::NotValid;
  }

  bool damaged = false;
  bool full = false;
  while (true) {
    auto name = records.next();
    if (!name || *name == scriptSectionEnd) {
      damaged = !name;
      break;
    }
    auto data = records.next();
    // The table reports itself full once; the nodes after that are passed over.
    NodeAdded added = !data ? NodeAdded::Malformed
                      : full ? NodeAdded::TableFull
                             : script.createNode(decodeCodepage(*name), *data);
    full = added == NodeAdded::TableFull;
    if (added == NodeAdded::Malformed) {
      damaged = true;
      break;
    }
  }

  std::vector<std::string> lines;
  while (!damaged) {
    auto line = records.next();
    if (!line) {
      damaged = true;
    } else if (*line == scriptSectionEnd) {
      if (!lines.empty() && lines.back().empty()) lines.pop_back(); // the saved insertion row
      break;
    } else {
      lines.push_back(decodeCodepage(*line));
    }
  }
  script.lines().load(std::move(lines));

  if (damaged) {
    script.user().critical(
        QCoreApplication::translate("ScriptFile", "This Kelpin file is damaged: only what comes before the damage was opened.")
            .toStdString());
    return ScriptRead::Damaged;
  }
  return ScriptRead::Complete;
}

} // namespace quarnel
