// The command line every program of the project shares: -h/--help, --version, usage errors
// answered with the usage on stderr and exit status 2, and a help or version that could not be
// written answered with status 1. Each program adds its own options.
#pragma once

#include <QCommandLineParser>
#include <QString>

#include <optional>
#include <string>

namespace quarnel {

// What is said when standard output refused a write with `error`.
std::string outputFailure(int error);

// How a program's command line differs from the plain one.
struct CommandLineForm {
  // A usage error is followed by the whole help, or else by the usage line and where the help is.
  bool wholeHelpOnError = true;
  // -v as well as --version.
  bool shortVersion = false;
  // Qt's own options of a windowed program (-style NAME, -platform NAME, -reverse, ...) are let
  // through for QApplication, which reads them itself; options are then long ones after a
  // single dash too, as Qt's are.
  bool qtOptions = false;
};

class CommandLine {
public:
  // `program` is the name the user types, as in "quarnel 1.2.0".
  CommandLine(QString program, const QString &description, CommandLineForm form = {});

  QCommandLineParser &parser() { return m_parser; }

  // Arguments that are no option, which the program then checks itself; without it any such
  // argument is a usage error.
  void addPositionalArgument(const QString &name, const QString &description);

  // Parses the arguments. When the program is to end at once (help, version, a usage error)
  // that has been printed and its exit status is returned.
  std::optional<int> parse(const QStringList &arguments);

  // Prints "program: why" and the usage on stderr; the exit status for bad use.
  int usageError(const QString &why) const;

private:
  void acceptQtOptions();
  // `text` on standard output; the exit status, 1 with a message when it could not be written.
  int answer(const QString &text) const;

  QString m_program;
  CommandLineForm m_form;
  QCommandLineParser m_parser;
  QCommandLineOption m_help;
  QCommandLineOption m_version;
  bool m_takesPositional = false;
};

} // namespace quarnel
