// File fixtures written as raw string literals with plain line ends, turned into the CR LF
// bytes the files really hold.
#pragma once

#include <string>
#include <string_view>

namespace quarnel {

inline std::string crlf(std::string_view text) {
  std::string out;
  for (char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return out;
}

} // namespace quarnel
