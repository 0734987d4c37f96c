// Turning the texts users type and files carry into numbers: decimal, optional sign, surrounding
// blanks ignored. A text that is no such number gives no value, never 0.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace quarnel {

// A fraction is rounded to the nearest whole number, a half to the even neighbour; the result
// must fit 16 bits.
std::optional<int16_t> textToNumber(std::string_view text);

// Any finite number of the same form, fraction kept.
std::optional<double> textToReal(std::string_view text);

} // namespace quarnel
