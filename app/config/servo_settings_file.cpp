// Writing and reading .sst files. The reading rules come from files users already have: records
// go to the row their number names, reading stops after twelve records or at "***", and an
// incomplete last record is dropped.
#include "config/servo_settings_file.h"

#include "text/codepage.h"
#include "text/item_reader.h"
#include "text/text_number.h"

#include <QCoreApplication>

#include <algorithm>

namespace quarnel {

namespace {

// Characters, not bytes: every byte of UTF-8 but the continuation bytes starts one.
long long characterCount(std::string_view utf8) {
  return std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
}

// Why a row cannot be written so that it reads back, or nothing.
std::optional<std::string> rowRefusal(int row, const ServoSetting &s) {
  // The reader would stop at this row and lose it and every row after it.
  if (s.name == servoSettingsEnd)
    return QCoreApplication::translate("ServoSettingsFile", "Servo %1 is named %2, which marks the end of a servo settings file.")
        .arg(QString::number(row), QString::fromStdString(s.name))
        .toStdString();
  for (const std::string *text : {&s.name, &s.minimum, &s.home, &s.maximum})
    if (auto bad = unstorableCharacter(*text))
      return QCoreApplication::translate("ServoSettingsFile",
                                         "Servo %1 holds the character %2, which a servo settings file cannot store.")
          .arg(QString::number(row), QString::fromStdString(*bad))
          .toStdString();
  return std::nullopt;
}

} // namespace

ServoSettingsBytes writeServoSettings(const ServoRows &rows) {
  ServoSettingsBytes out;
  for (int row = 0; row < servoChannels; ++row) {
    if (auto refusal = rowRefusal(row, rows[row])) return {{}, refusal};
    const ServoSetting &s = rows[row];
    for (const std::string *text : {&s.name, &s.minimum, &s.home, &s.maximum})
      out.bytes += '"' + *encodeCodepage(*text) + "\",";
    out.bytes += std::to_string(row) + "\r\n";
  }
  out.bytes += '"' + std::string(servoSettingsEnd) + "\",123\r\n";
  return out;
}

bool readServoSettings(std::string_view bytes, ServoRows &rows) {
  ItemReader items(bytes);
  bool applied = false;
  for (int records = 0; records < servoChannels; ++records) {
    std::optional<std::string> fields[5];
    for (auto &field : fields) {
      field = items.next();
      if (!field) return applied;
    }
    if (*fields[0] == servoSettingsEnd) return applied;
    auto row = textToNumber(*fields[4]);
    if (row && *row >= 0 && *row < servoChannels) {
      rows[*row] = {decodeCodepage(*fields[0]), decodeCodepage(*fields[1]),
                    decodeCodepage(*fields[2]), decodeCodepage(*fields[3])};
      applied = true;
    }
  }
  return applied;
}

std::optional<std::string> overlongServoText(const ServoRows &rows) {
  const std::pair<std::string ServoSetting::*, const char *> fields[] = {
      {&ServoSetting::name, QT_TRANSLATE_NOOP("ServoSettingsFile", "Servo %1's name is %2 characters long, more than the %3 a field takes.")},
      {&ServoSetting::minimum, QT_TRANSLATE_NOOP("ServoSettingsFile", "Servo %1's minimum is %2 characters long, more than the %3 a field takes.")},
      {&ServoSetting::home, QT_TRANSLATE_NOOP("ServoSettingsFile", "Servo %1's home is %2 characters long, more than the %3 a field takes.")},
      {&ServoSetting::maximum, QT_TRANSLATE_NOOP("ServoSettingsFile", "Servo %1's maximum is %2 characters long, more than the %3 a field takes.")}};
  for (int row = 0; row < servoChannels; ++row)
    for (const auto &[field, message] : fields)
      if (const long long length = characterCount(rows[row].*field); length > servoTextLimit)
        return QCoreApplication::translate("ServoSettingsFile", message)
            .arg(QString::number(row), QString::number(length), QString::number(servoTextLimit))
            .toStdString();
  return std::nullopt;
}

} // namespace quarnel
