// Any bytes as a script file: reading never fails, leaves a node table within its bound and a
// script that ends in its empty insertion row, and whatever it gives is either refused on
// writing for a double quote or, once written, reads back to the same bytes.
#include "script/script_file.h"
#include "ui/answering_ui_services.h"

#include <cstdlib>

namespace {

using namespace quarnel;

void check(bool holds) {
  if (!holds) std::abort();
}

void checkWhole(const ScriptModel &script) {
  const ScriptLines &lines = script.lines();
  check(script.nodes().count() >= 1 && script.nodes().count() <= maxNodes);
  check(lines.rowCount() >= 2 && lines.text(lines.lastRow()).empty());
  check(lines.currentLine() == lines.lastRow() && lines.markedRow() == lines.currentLine());
}

// A field without quotes may hold a double quote, which no quoted record can carry.
bool holdsQuote(const ScriptModel &script) {
  for (int i = 1; i < script.nodes().count(); ++i)
    if (script.nodes().node(i).name.find('"') != std::string::npos) return true;
  for (int row = 1; row < script.lines().rowCount(); ++row)
    if (script.lines().text(row).find('"') != std::string_view::npos) return true;
  return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  ServoConfiguration config;
  AnsweringUiServices ui;
  ScriptModel script(config, {ui, "Quarnel"});
  readScript(std::string_view(reinterpret_cast<const char *>(data), size), script);
  checkWhole(script);

  ScriptFileBytes file = writeScript(script);
  if (file.refusal) {
    check(holdsQuote(script));
    return 0;
  }
  ScriptModel again(config, {ui, "Quarnel"});
  check(readScript(file.bytes, again) == ScriptRead::Complete);
  checkWhole(again);
  check(writeScript(again).bytes == file.bytes);
  return 0;
}
