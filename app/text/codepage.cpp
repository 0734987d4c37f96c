// Windows-1252 to and from UTF-8. The five bytes the set leaves undefined map to the C1 control
// characters of the same value, as the platform that wrote these files did.
#include "text/codepage.h"

#include <array>
#include <cstdint>

namespace quarnel {

namespace {

// Code points of the bytes 0x80 to 0x9F; the rest of the set equals Latin-1.
constexpr std::array<char32_t, 32> high = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t byteToCodePoint(unsigned char b) {
  return b >= 0x80 && b <= 0x9F ? high[b - 0x80] : b;
}

std::optional<unsigned char> codePointToByte(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
  for (size_t i = 0; i < high.size(); ++i)
    if (high[i] == c) return static_cast<unsigned char>(0x80 + i);
  return std::nullopt;
}

void appendUtf8(std::string &out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// One UTF-8 sequence starting at `pos`, which it advances; no value when malformed.
std::optional<char32_t> nextCodePoint(std::string_view s, size_t &pos) {
  auto lead = static_cast<unsigned char>(s[pos++]);
  if (lead < 0x80) return lead;
  int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
  if (extra < 0 || lead > 0xF4 || pos + extra > s.size()) return std::nullopt;
  char32_t c = lead & (0x3F >> extra);
  for (int i = 0; i < extra; ++i) {
    auto b = static_cast<unsigned char>(s[pos++]);
    if ((b & 0xC0) != 0x80) return std::nullopt;
    c = (c << 6) | (b & 0x3F);
  }
  return c;
}

} // namespace

std::string decodeCodepage(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char b : bytes) appendUtf8(out, byteToCodePoint(static_cast<unsigned char>(b)));
  return out;
}

std::optional<std::string> encodeCodepage(std::string_view utf8) {
  std::string out;
  for (size_t pos = 0; pos < utf8.size();) {
    auto c = nextCodePoint(utf8, pos);
    if (!c) return std::nullopt;
    auto b = codePointToByte(*c);
    if (!b) return std::nullopt;
    out += static_cast<char>(*b);
  }
  return out;
}

std::optional<std::string> firstUnencodable(std::string_view utf8) {
  for (size_t pos = 0; pos < utf8.size();) {
    size_t start = pos;
    auto c = nextCodePoint(utf8, pos);
    if (!c || !codePointToByte(*c)) return std::string(utf8.substr(start, pos - start));
  }
  return std::nullopt;
}

} // namespace quarnel
