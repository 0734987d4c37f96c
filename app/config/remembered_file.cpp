// Writing and reading quarnel.conf.
#include "config/remembered_file.h"

#include "text/text_number.h"

#include <utility>
#include <vector>

namespace quarnel {

namespace {

struct Entry {
  const char *section;
  std::string key;
  std::string Remembered::*field = nullptr;
  int port = -1; // for the [ports] entries
  std::vector<std::string> Remembered::*list = nullptr; // a line of its own for each value
};

std::vector<Entry> entries() {
  std::vector<Entry> all{{"files", "servoSettings", &Remembered::servoSettingsFile},
                         {"files", "script", &Remembered::scriptFile},
                         {"folders", "servoSettings", &Remembered::servoSettingsFolder},
                         {"folders", "scripts", &Remembered::scriptFolder}};
  for (int port = 0; port < comPorts; ++port) all.push_back({"ports", "COM" + std::to_string(port + 1), nullptr, port});
  all.push_back({"positions", "servoSettings", &Remembered::positionsServoSettings});
  all.push_back({"positions", "last", &Remembered::positions});
  all.push_back({"recent", "servoSettings", nullptr, -1, &Remembered::recentServoSettings});
  all.push_back({"recent", "script", nullptr, -1, &Remembered::recentScripts});
  all.push_back({"sound", "offset", &Remembered::soundOffsetMs});
  all.push_back({"sound", "jawLookAhead", &Remembered::jawLookAheadMs});
  return all;
}

std::vector<std::string> valuesOf(const Remembered &r, const Entry &e) {
  if (e.list) return r.*e.list;
  return {e.field ? r.*e.field : r.portDevices[e.port]};
}

void take(Remembered &r, const Entry &e, std::string_view value) {
  if (!e.list)
    (e.field ? r.*e.field : r.portDevices[e.port]) = value;
  else if (!value.empty() && (r.*e.list).size() < recentFileCount)
    (r.*e.list).emplace_back(value);
}

} // namespace

std::string writeRememberedFile(const Remembered &remembered) {
  std::string out;
  std::string section;
  for (const Entry &e : entries())
    for (const std::string &value : valuesOf(remembered, e)) {
      if (value.empty() || value.find_first_of("\r\n") != std::string::npos) continue;
      if (section != e.section) {
        section = e.section;
        out += "[" + section + "]\n";
      }
      out += e.key + "=" + value + "\n";
    }
  return out;
}

Remembered readRememberedFile(std::string_view bytes) {
  const std::vector<Entry> all = entries();
  Remembered r;
  std::string section;
  while (!bytes.empty()) {
    size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      section = line.substr(1, line.size() - 2);
      continue;
    }
    size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    for (const Entry &e : all)
      if (section == e.section && line.substr(0, equals) == e.key) take(r, e, line.substr(equals + 1));
  }
  return r;
}

std::string positionsText(const ServoPositions &positions) {
  std::string text;
  for (int16_t position : positions) text += (text.empty() ? "" : ",") + std::to_string(position);
  return text;
}

std::optional<ServoPositions> positionsFromText(std::string_view text) {
  ServoPositions positions;
  for (int servo = 0; servo < servoChannels; ++servo) {
    const bool last = servo + 1 == servoChannels;
    const size_t end = last ? text.size() : text.find(',');
    if (end == std::string_view::npos) return std::nullopt;
    const auto number = textToNumber(text.substr(0, end));
    if (!number || *number < lowestPosition || *number > highestPosition) return std::nullopt;
    positions[servo] = *number;
    if (!last) text.remove_prefix(end + 1);
  }
  return positions;
}

} // namespace quarnel
