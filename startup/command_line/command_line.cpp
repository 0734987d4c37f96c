// The shared options and how help, version and bad use are answered.
#include "command_line.h"

#include <cstdio>

namespace quarnel {

namespace {

void print(std::FILE *to, const QString &text) {
  std::fputs(text.toLocal8Bit().constData(), to);
  std::fflush(to);
}

} // namespace

// Qt's own help option would also offer --help-all, which lists options of Qt's that are not
// taken here.
CommandLine::CommandLine(QString program, const QString &description)
    : m_program(std::move(program)), m_help({"h", "help"}, "Show this help and exit."),
      m_version("version", "Show the version and exit.") {
  m_parser.setApplicationDescription(description);
  m_parser.addOption(m_help);
  m_parser.addOption(m_version);
}

std::optional<int> CommandLine::parse(const QStringList &arguments) {
  if (!m_parser.parse(arguments)) return usageError(m_parser.errorText());
  if (m_parser.isSet(m_help)) {
    print(stdout, m_parser.helpText());
    return 0;
  }
  if (m_parser.isSet(m_version)) {
    print(stdout, m_program + " " + QUARNEL_VERSION_TEXT + "\n");
    return 0;
  }
  if (!m_parser.positionalArguments().isEmpty())
    return usageError("unexpected argument " + m_parser.positionalArguments().first());
  return std::nullopt;
}

int CommandLine::usageError(const QString &why) const {
  print(stderr, m_program + ": " + why + "\n" + m_parser.helpText());
  return 2;
}

} // namespace quarnel
