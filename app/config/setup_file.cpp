// Writing and reading setup.res.
#include "config/setup_file.h"

#include "text/item_reader.h"
#include "text/text_number.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace quarnel {

namespace {

// Plain decimal, a point only when there is a fraction, never an exponent.
std::string formatNumber(double value) {
  if (value == 0) value = 0; // no "-0"
  char buffer[400];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  return ec == std::errc() ? std::string(buffer, end) : "0";
}

// Twips beyond any screen are still a position to bring into view; only non-numbers are bad.
std::optional<double> position(const std::optional<std::string> &item) {
  return item ? textToReal(*item) : std::nullopt;
}

std::optional<int> index(const std::optional<std::string> &item, int last) {
  auto value = item ? textToNumber(*item) : std::nullopt;
  if (!value || *value < 0 || *value > last) return std::nullopt;
  return *value;
}

} // namespace

std::string writeSetupFile(const SetupRecord &r) {
  return formatNumber(r.settingsLeft) + ',' + formatNumber(r.settingsTop) + ',' +
         std::to_string(r.commPortIndex) + ',' + std::to_string(r.baudIndex) + ',' +
         std::to_string(static_cast<int>(r.boardChoice)) + ',' + std::to_string(r.controlsLeft) + ',' +
         formatNumber(r.controlsTop) + "\r\n";
}

SetupRecord readSetupFile(std::string_view bytes, const SetupRecord &defaults) {
  ItemReader reader(bytes);
  std::optional<std::string> items[7];
  for (auto &item : items) item = reader.next();

  SetupRecord r;
  r.settingsLeft = position(items[0]).value_or(defaults.settingsLeft);
  r.settingsTop = position(items[1]).value_or(defaults.settingsTop);
  r.commPortIndex = index(items[2], 3).value_or(defaults.commPortIndex);
  const auto board = index(items[4], 1);
  r.boardChoice = board ? static_cast<Board>(*board) : defaults.boardChoice;
  // An index into the chosen board's list only: 2400 baud exists only in the 8-servo board's.
  const auto lastBaud = static_cast<int>(offeredBaudRates(r.boardChoice).size()) - 1;
  r.baudIndex = index(items[3], lastBaud).value_or(defaults.baudIndex);
  auto controlsLeft = items[5] ? textToNumber(*items[5]) : std::nullopt;
  r.controlsLeft = controlsLeft.value_or(defaults.controlsLeft);
  r.controlsTop = position(items[6]).value_or(defaults.controlsTop);
  return r;
}

} // namespace quarnel
