// Control characters replaced byte by byte; UTF-8 text passes whole.
#include "printable_text.h"

namespace quarnel {

std::string printableLine(std::string_view text) {
  std::string line;
  line.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    const bool lineBreak = c == '\r' || c == '\n';
    // U+0080 to U+009F: C1 controls, which some terminals obey as well.
    const bool c1 = c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) <= 0x9F &&
                    static_cast<unsigned char>(text[i + 1]) >= 0x80;
    if (lineBreak) {
      if (!line.empty() && line.back() != ' ') line += ' ';
    } else if (c == '\t') {
      line += ' ';
    } else if (c < 0x20 || c == 0x7F || c1) {
      line += '?';
      if (c1) ++i;
    } else {
      line += static_cast<char>(c);
    }
  }
  return line;
}

} // namespace quarnel
