// The shared options and how help, version and bad use are answered.
#include "command_line.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace quarnel {

namespace {

// False when the stream refused the text (a full disk, a closed pipe).
bool print(std::FILE *to, const QString &text) {
  return std::fputs(text.toLocal8Bit().constData(), to) >= 0 && std::fflush(to) == 0;
}

QStringList versionNames(bool shortVersion) {
  return shortVersion ? QStringList{"v", "version"} : QStringList{"version"};
}

} // namespace

std::string outputFailure(int error) {
  return QCoreApplication::translate("CommandLine", "cannot write to standard output: %1")
      .arg(QString::fromLocal8Bit(std::strerror(error)))
      .toStdString();
}

// Qt's own help option would also offer --help-all, which lists options of Qt's that are not
// taken here.
CommandLine::CommandLine(QString program, const QString &description, CommandLineForm form)
    : m_program(std::move(program)), m_form(form), m_help({"h", "help"}, QCoreApplication::translate("CommandLine", "Show this help and exit.")),
      m_version(versionNames(form.shortVersion), QCoreApplication::translate("CommandLine", "Show the version and exit.")) {
  m_parser.setApplicationDescription(description);
  m_parser.addOption(m_help);
  m_parser.addOption(m_version);
  if (form.qtOptions) acceptQtOptions();
}

// QGuiApplication's and QApplication's options on Linux, as Qt documents them; hidden, as Qt
// explains them better.
void CommandLine::acceptQtOptions() {
  m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const char *withValue[] = {"style",        "stylesheet",  "platform",     "platformpluginpath", "platformtheme",
                             "plugin",       "qwindowgeometry", "qwindowicon", "qwindowtitle",  "session",
                             "display",      "geometry",    "qmljsdebugger"};
  const char *flags[] = {"reverse", "widgetcount"};
  for (const char *name : withValue) {
    QCommandLineOption option(name, {}, "value");
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    m_parser.addOption(option);
  }
  for (const char *name : flags) {
    QCommandLineOption option(name);
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    m_parser.addOption(option);
  }
}

void CommandLine::addPositionalArgument(const QString &name, const QString &description) {
  m_parser.addPositionalArgument(name, description);
  m_takesPositional = true;
}

std::optional<int> CommandLine::parse(const QStringList &arguments) {
  if (!m_parser.parse(arguments)) return usageError(m_parser.errorText());
  if (m_parser.isSet(m_help)) return answer(m_parser.helpText());
  if (m_parser.isSet(m_version)) return answer(m_program + " " + QUARNEL_VERSION_TEXT + "\n");
  if (!m_takesPositional && !m_parser.positionalArguments().isEmpty())
    return usageError(QCoreApplication::translate("CommandLine", "unexpected argument %1").arg(m_parser.positionalArguments().first()));
  return std::nullopt;
}

int CommandLine::answer(const QString &text) const {
  if (print(stdout, text)) return 0;
  const int error = errno;
  print(stderr, m_program + ": " + QString::fromStdString(outputFailure(error)) + "\n");
  return 1;
}

int CommandLine::usageError(const QString &why) const {
  const QString usage = m_form.wholeHelpOnError ? m_parser.helpText()
                                                : m_parser.helpText().section('\n', 0, 0) + "\n" +
                                                      QCoreApplication::translate("CommandLine", "Run %1 --help for the options.")
                                                          .arg(m_program) +
                                                      "\n";
  print(stderr, m_program + ": " + why + "\n" + usage);
  return 2;
}

} // namespace quarnel
