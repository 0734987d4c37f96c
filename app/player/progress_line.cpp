// Formatting the progress of a run.
#include "progress_line.h"

#include "printable_text.h"

#include <cerrno>
#include <cmath>
#include <cstring>

namespace quarnel {

namespace {

// Long enough for any command and most node names, short enough for one terminal line.
constexpr size_t longestShownText = 40;

// " pass 2/3", " pass 2" when loops run for ever, nothing outside a loop.
std::string passText(std::optional<int> pass, std::optional<int> passes) {
  if (!pass) return {};
  return " pass " + std::to_string(*pass) + (passes ? "/" + std::to_string(*passes) : "");
}

} // namespace

std::string outputFailure(int error) { return "cannot write to standard output: " + std::string(std::strerror(error)); }

void ProgressLine::lineStarted(double seconds, int row, std::string_view text, std::optional<int> pass) {
  m_row = row;
  m_text = printableLine(text);
  m_pass = pass;
  if (!m_terminal) {
    std::fprintf(m_out, "%lld line %d%s: \"%s\"\n", std::llround(seconds * 1000), row,
                 passText(pass, m_passes).c_str(), m_text.c_str());
    flush();
    return;
  }
  m_shownSeconds = static_cast<long long>(seconds);
  rewrite();
}

void ProgressLine::clockMoved(double seconds) {
  if (!m_terminal || m_row == 0 || static_cast<long long>(seconds) == m_shownSeconds) return;
  m_shownSeconds = static_cast<long long>(seconds);
  rewrite();
}

void ProgressLine::rewrite() {
  std::string text = m_text;
  if (text.size() > longestShownText) {
    size_t cut = longestShownText - 3;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut; // not inside a character
    text = text.substr(0, cut) + "...";
  }
  const long long s = m_shownSeconds;
  char clock[32];
  if (s >= 3600) std::snprintf(clock, sizeof clock, "%lld:%02lld:%02lld", s / 3600, s / 60 % 60, s % 60);
  else std::snprintf(clock, sizeof clock, "%02lld:%02lld", s / 60, s % 60);
  // Back to the line's start and clear it, so a shorter text leaves nothing of the longer one.
  std::fprintf(m_out, "\r\033[K%s  line %d%s  \"%s\"", clock, m_row, passText(m_pass, m_passes).c_str(),
               text.c_str());
  flush();
  m_open = true;
}

void ProgressLine::finish() {
  if (!m_open) return;
  std::fputc('\n', m_out);
  flush();
  m_open = false;
}

void ProgressLine::flush() {
  // A stream that failed once may flush "well" later with the bytes gone: the first error counts.
  if (std::fflush(m_out) != 0 && m_writeError == 0) m_writeError = errno;
}

} // namespace quarnel
