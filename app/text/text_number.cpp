// Decimal text to 16-bit whole numbers and to reals.
#include "text/text_number.h"

#include <charconv>
#include <algorithm>
#include <cmath>
#include <string>

namespace quarnel {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

struct Decimal {
  bool negative = false;
  std::string_view whole;    // digits before the point, may be empty
  std::string_view fraction; // digits after the point, may be empty
};

std::optional<Decimal> parseDecimal(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  Decimal d;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    d.negative = text.front() == '-';
    text.remove_prefix(1);
  }
  size_t i = 0;
  while (i < text.size() && isDigit(text[i])) ++i;
  d.whole = text.substr(0, i);
  if (i < text.size() && text[i] == '.') {
    size_t start = ++i;
    while (i < text.size() && isDigit(text[i])) ++i;
    d.fraction = text.substr(start, i - start);
  }
  if (i != text.size() || (d.whole.empty() && d.fraction.empty())) return std::nullopt;
  return d;
}

} // namespace

std::optional<int16_t> textToNumber(std::string_view text) {
  auto d = parseDecimal(text);
  if (!d) return std::nullopt;
  // Capped, so that any number of digits cannot overflow; anything past the cap is out of range.
  constexpr int64_t cap = 100000;
  int64_t magnitude = 0;
  for (char c : d->whole) magnitude = std::min(cap, magnitude * 10 + (c - '0'));
  if (!d->fraction.empty()) {
    char first = d->fraction.front();
    bool restNonZero = d->fraction.substr(1).find_first_not_of('0') != std::string_view::npos;
    bool up = first > '5' || (first == '5' && (restNonZero || magnitude % 2 == 1));
    if (up) ++magnitude;
  }
  int64_t value = d->negative ? -magnitude : magnitude;
  if (value < INT16_MIN || value > INT16_MAX) return std::nullopt;
  return static_cast<int16_t>(value);
}

std::optional<double> textToReal(std::string_view text) {
  auto d = parseDecimal(text);
  if (!d) return std::nullopt;
  std::string digits(d->whole.empty() ? "0" : d->whole);
  if (!d->fraction.empty()) digits.append(".").append(d->fraction);
  double value = 0;
  auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  // Below 1 the only way out of range is down: a fraction too small for a double is 0.
  const bool belowOne = d->whole.find_first_not_of('0') == std::string_view::npos;
  if (ec == std::errc::result_out_of_range && belowOne) return 0.0;
  if (ec != std::errc() || end != digits.data() + digits.size() || !std::isfinite(value))
    return std::nullopt;
  return d->negative ? -value : value;
}

} // namespace quarnel
