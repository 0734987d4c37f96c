// The command line every program of the project shares: -h/--help, --version, and usage errors
// answered with the usage on stderr and exit status 2. Each program adds its own options.
#pragma once

#include <QCommandLineParser>
#include <QString>

#include <optional>

namespace quarnel {

class CommandLine {
public:
  // `program` is the name the user types, as in "quarnel 1.2.0".
  CommandLine(QString program, const QString &description);

  QCommandLineParser &parser() { return m_parser; }

  // Parses the arguments. When the program is to end at once (help, version, a usage error)
  // that has been printed and its exit status is returned.
  std::optional<int> parse(const QStringList &arguments);

  // Prints "program: why" and the usage on stderr; the exit status for bad use.
  int usageError(const QString &why) const;

private:
  QString m_program;
  QCommandLineParser m_parser;
  QCommandLineOption m_help;
  QCommandLineOption m_version;
};

} // namespace quarnel
