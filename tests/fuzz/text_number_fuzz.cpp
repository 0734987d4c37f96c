// Any text to a number: a result lies within a half of the text's exact value.
#include "text/text_number.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  using namespace quarnel;
  std::string_view text(reinterpret_cast<const char *>(data), size);
  auto whole = textToNumber(text);
  auto real = textToReal(text);
  if (whole && (!real || std::fabs(*real - *whole) > 0.5)) std::abort();
  return 0;
}
