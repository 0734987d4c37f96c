// The files' 8-bit character set (Windows-1252) and the UTF-8 text the application works in.
// Every byte decodes, so a file from an older machine opens unchanged and saves back the same.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quarnel {

std::string decodeCodepage(std::string_view bytes);

// No value when the text holds a character the 8-bit set has no byte for, or is not UTF-8.
std::optional<std::string> encodeCodepage(std::string_view utf8);

// The first character of the text that the 8-bit set cannot hold, as UTF-8.
std::optional<std::string> firstUnencodable(std::string_view utf8);

} // namespace quarnel
