// Reads a settings file as a stream of comma-separated items: an item ends at a comma or at the
// end of a line; an item in double quotes is taken without them and may hold commas; blanks
// before an item are skipped.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quarnel {

// The first character of a text that a quoted item cannot carry (a double quote, a line break,
// or a character outside the 8-bit set), as UTF-8; nothing when the text can be stored.
std::optional<std::string> unstorableCharacter(std::string_view text);

class ItemReader {
public:
  explicit ItemReader(std::string_view bytes) : m_bytes(bytes) {}

  // The next item's bytes; no value at the end of the file.
  std::optional<std::string> next();

private:
  bool atLineEnd() const;
  void skipLineEnd();
  void skipBlanks();
  void finishItem();

  std::string_view m_bytes;
  size_t m_pos = 0;
  bool m_afterComma = false;
};

} // namespace quarnel
