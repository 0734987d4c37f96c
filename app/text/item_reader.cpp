// The item stream of .sst and setup.res files.
#include "text/item_reader.h"

#include "text/codepage.h"

namespace quarnel {

std::optional<std::string> unstorableCharacter(std::string_view text) {
  auto special = text.find_first_of("\"\r\n");
  auto unencodable = firstUnencodable(text.substr(0, special));
  if (unencodable) return unencodable;
  if (special != std::string_view::npos) return std::string(1, text[special]);
  return std::nullopt;
}

bool ItemReader::atLineEnd() const {
  return m_pos < m_bytes.size() && (m_bytes[m_pos] == '\r' || m_bytes[m_pos] == '\n');
}

// CR LF, a lone LF or a lone CR.
void ItemReader::skipLineEnd() {
  if (m_bytes[m_pos] == '\r' && m_pos + 1 < m_bytes.size() && m_bytes[m_pos + 1] == '\n') ++m_pos;
  ++m_pos;
}

void ItemReader::skipBlanks() {
  while (m_pos < m_bytes.size() && (m_bytes[m_pos] == ' ' || m_bytes[m_pos] == '\t')) ++m_pos;
}

// Consumes the delimiter after an item, and anything stray between a closing quote and it.
void ItemReader::finishItem() {
  while (m_pos < m_bytes.size() && m_bytes[m_pos] != ',' && !atLineEnd()) ++m_pos;
  m_afterComma = m_pos < m_bytes.size() && m_bytes[m_pos] == ',';
  if (m_afterComma) {
    ++m_pos;
  } else if (atLineEnd()) {
    skipLineEnd();
  }
}

std::optional<std::string> ItemReader::next() {
  // Blank lines between items hold no item; an empty item exists only after a comma.
  skipBlanks();
  while (!m_afterComma && atLineEnd()) {
    skipLineEnd();
    skipBlanks();
  }
  if (m_pos >= m_bytes.size()) return std::nullopt;

  std::string item;
  if (m_bytes[m_pos] == '"') {
    // A missing closing quote ends the item at the line's end, so it cannot swallow the file.
    size_t start = ++m_pos;
    while (m_pos < m_bytes.size() && m_bytes[m_pos] != '"' && !atLineEnd()) ++m_pos;
    item = m_bytes.substr(start, m_pos - start);
    if (m_pos < m_bytes.size() && m_bytes[m_pos] == '"') ++m_pos;
  } else {
    size_t start = m_pos;
    while (m_pos < m_bytes.size() && m_bytes[m_pos] != ',' && !atLineEnd()) ++m_pos;
    item = m_bytes.substr(start, m_pos - start);
    while (!item.empty() && (item.back() == ' ' || item.back() == '\t')) item.pop_back();
  }
  finishItem();
  return item;
}

} // namespace quarnel
