// Script files as quarnel-play and the windows read them, written by tests and benchmarks.
#pragma once

#include "crlf_text.h"

#include <string>
#include <utility>
#include <vector>

namespace quarnel {

// A node's data: servo `servo` at `position`, every other servo at 127, all at `speed`.
inline std::string pose(int position, int speed, int servo = 0) {
  std::string text;
  for (int slot = 0; slot < 12; ++slot)
    text += std::to_string(slot == servo ? position : 127) + ',' + std::to_string(speed) + ',';
  return text;
}

// A script file: its nodes (name and data) and its lines, each record quoted.
inline std::string tvk(const std::vector<std::pair<std::string, std::string>> &nodes, const std::vector<std::string> &lines) {
  std::string file = "\"TVKFILE\"\n";
  for (const auto &[name, data] : nodes) file += '"' + name + "\"\n\"" + data + "\"\n";
  file += "\"***\"\n";
  for (const auto &line : lines) file += '"' + line + "\"\n";
  return crlf(file + "\"\"\n\"***\"\n");
}

} // namespace quarnel
