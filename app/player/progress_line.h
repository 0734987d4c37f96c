// What quarnel-play shows of a run: on a terminal one line, rewritten in place, with the script
// line, the loop pass and the time since the start; elsewhere (a log, a pipe) one plain line for
// each script line run, "<ms since start> line <n> pass <p>/<loops>: "<text>"".
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace quarnel {

// What becomes of a line the output cannot take at once (a pipe nobody reads, a terminal held
// with Ctrl+S).
enum class SlowOutput {
  Wait,     // the output is what was asked for, as a dry run's positions
  DropLine, // the run and its signals go on, the line is left out
};

class ProgressLine {
public:
  // `passes` is the loop limit, shown beside the pass; nothing when loops run for ever.
  ProgressLine(std::FILE *out, bool terminal, std::optional<int> passes, SlowOutput slow)
      : m_out(out), m_terminal(terminal), m_passes(passes), m_slow(slow) {}

  // `pass` is the loop pass the line is in, nothing outside a loop.
  void lineStarted(double seconds, int row, std::string_view text, std::optional<int> pass);
  // The terminal's line again when the whole seconds it shows have moved on.
  void clockMoved(double seconds);
  // Leaves the terminal's line standing, so what comes next starts on a line of its own.
  void finish();
  // Everything written to the output so far, a dry run's positions too, handed on.
  void flush();
  // The error of the first write the output refused (a full disk, a closed pipe), else 0.
  int writeError() const { return m_writeError; }

private:
  void rewrite();
  // Writes `text` unless the output is slow and may not be waited for; whether it was written.
  bool write(const std::string &text);

  std::FILE *m_out;
  bool m_terminal;
  std::optional<int> m_passes;
  SlowOutput m_slow;
  int m_row = 0;
  std::string m_text;
  std::optional<int> m_pass;
  long long m_shownSeconds = -1;
  bool m_open = false; // a terminal line waits for its end
  int m_writeError = 0;
};

} // namespace quarnel
