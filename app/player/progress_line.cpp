// Formatting the progress of a run, and writing it without waiting for a slow reader.
#include "progress_line.h"

#include "printable_text.h"

#include <QCoreApplication>

#include <cerrno>
#include <climits>
#include <cmath>
#include <poll.h>

namespace quarnel {

namespace {

// Long enough for any command and most node names, short enough for one terminal line.
constexpr size_t longestShownText = 40;

// " pass 2/3", " pass 2" when loops run for ever, nothing outside a loop.
std::string passText(std::optional<int> pass, std::optional<int> passes) {
  if (!pass) return {};
  if (passes) return QCoreApplication::translate("ProgressLine", " pass %1/%2").arg(*pass).arg(*passes).toStdString();
  return QCoreApplication::translate("ProgressLine", " pass %1").arg(*pass).toStdString();
}

// "line 3 pass 2/3".
std::string lineText(int row, std::optional<int> pass, std::optional<int> passes) {
  return QCoreApplication::translate("ProgressLine", "line %1%2")
      .arg(QString::number(row), QString::fromStdString(passText(pass, passes)))
      .toStdString();
}

// `text` cut to at most `longest` bytes, "..." marking the cut, never inside a UTF-8 character.
std::string shortened(const std::string &text, size_t longest) {
  if (text.size() <= longest) return text;
  size_t cut = longest - 3;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  return text.substr(0, cut) + "...";
}

// Whether `out` takes a line now: a pipe with room for PIPE_BUF bytes, a terminal not held,
// a file; or a broken one, whose write fails at once and is told.
bool takesALineNow(std::FILE *out) {
  pollfd ready{fileno(out), POLLOUT, 0};
  return poll(&ready, 1, 0) > 0;
}

} // namespace

void ProgressLine::lineStarted(double seconds, int row, std::string_view text, std::optional<int> pass) {
  m_row = row;
  m_text = printableLine(text);
  m_pass = pass;
  if (!m_terminal) {
    const std::string head = std::to_string(std::llround(seconds * 1000)) + " " + lineText(row, pass, m_passes) + ": \"";
    // A pipe takes up to PIPE_BUF bytes whole once it has room, so a longer line could block.
    write(head + shortened(m_text, PIPE_BUF - head.size() - 2) + "\"\n");
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
  const long long s = m_shownSeconds;
  char clock[32];
  if (s >= 3600) std::snprintf(clock, sizeof clock, "%lld:%02lld:%02lld", s / 3600, s / 60 % 60, s % 60);
  else std::snprintf(clock, sizeof clock, "%02lld:%02lld", s / 60, s % 60);
  // Back to the line's start and clear it, so a shorter text leaves nothing of the longer one.
  if (write("\r\033[K" + std::string(clock) + "  " + lineText(m_row, m_pass, m_passes) + "  \"" +
            shortened(m_text, longestShownText) + "\""))
    m_open = true;
}

void ProgressLine::finish() {
  if (!m_open) return;
  write("\n");
  m_open = false;
}

bool ProgressLine::write(const std::string &text) {
  if (m_slow == SlowOutput::DropLine && !takesALineNow(m_out)) return false;
  std::fwrite(text.data(), 1, text.size(), m_out);
  flush();
  return true;
}

void ProgressLine::flush() {
  // A stream that failed once may flush "well" later with the bytes gone: the first error counts.
  if (std::fflush(m_out) != 0 && m_writeError == 0) m_writeError = errno;
}

} // namespace quarnel
