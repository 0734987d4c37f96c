// quarnel and tavik-board as a user starts them: help, version and bad use with no display at
// all, a help lost on a full disk, a display that is missing or out of reach answered with one
// line and status 1, and a file named to open.
#include "board_process.h"
#include "tavik_library.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
  int status = -1;
  bool crashed = false;
  QString out, err;
};

// The program with no window system named, plus `environment`.
Run run(const QString &program, const QStringList &arguments, const QStringList &environment = {}) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
  for (const QString &setting : environment) env.insert(setting.section('=', 0, 0), setting.section('=', 1));
  QProcess process;
  process.setProcessEnvironment(env);
  process.start(program, arguments);
  process.waitForFinished(20000);
  return {process.exitCode(), process.exitStatus() == QProcess::CrashExit,
          QString::fromLocal8Bit(process.readAllStandardOutput()), QString::fromLocal8Bit(process.readAllStandardError())};
}

const QString quarnel = QUARNEL_PATH;
const QString board = TAVIK_BOARD_PATH;
// A display number no X server listens on.
const QString unreachable = "DISPLAY=:70000";

} // namespace

class CommandLineTest : public QObject {
  Q_OBJECT

private slots:
  void answersWithoutAWindow_data();
  void answersWithoutAWindow();
  void anAnswerLostOnAFullDiskIsNoSuccess();
  void theWindowStartsOffscreen();
  void aScriptNamedOpensBesideTheControlWindow();
};

void CommandLineTest::answersWithoutAWindow_data() {
  QTest::addColumn<QString>("program");
  QTest::addColumn<QStringList>("arguments");
  QTest::addColumn<QStringList>("environment");
  QTest::addColumn<int>("status");
  QTest::addColumn<QStringList>("outHas");
  QTest::addColumn<QString>("errStart"); // the first line of stderr
  QTest::addColumn<bool>("oneErrLine");

  const QStringList none;
  const QString v = PROJECT_VERSION_TEXT;
  const QStringList usage{"Usage:", "--help", "--version"};
  QTest::newRow("quarnel --version") << quarnel << QStringList{"--version"} << none << 0
                                     << QStringList{"quarnel " + v + "\n"} << "" << false;
  QTest::newRow("quarnel --help") << quarnel << QStringList{"--help"} << none << 0
                                  << (usage + QStringList{"--check"}) << "" << false;
  QTest::newRow("quarnel -h") << quarnel << QStringList{"-h"} << none << 0 << usage << "" << false;
  QTest::newRow("quarnel with Qt's options, --version")
      << quarnel << QStringList{"-style", "Fusion", "-reverse", "-platform=offscreen", "--version"} << none << 0
      << QStringList{"quarnel " + v + "\n"} << "" << false;
  QTest::newRow("quarnel, Qt's -style without its name")
      << quarnel << QStringList{"--version", "-style"} << none << 2 << none << "quarnel: Missing value after '-style'."
      << false;
  QTest::newRow("quarnel, a platform named that is not there")
      << quarnel << QStringList{"-platform", "nonesuch"} << none << 1 << none
      << "quarnel: cannot show the window (Could not find the Qt platform plugin \"nonesuch\" in \"\")" << true;
  QTest::newRow("quarnel, an unknown option") << quarnel << QStringList{"--bogus"} << none << 2 << none
                                              << "quarnel: Unknown option 'bogus'." << false;
  QTest::newRow("quarnel, a file it does not open") << quarnel << QStringList{"setup.res"} << none << 2 << none
                                                   << "quarnel: setup.res is neither servo settings (.sst) nor a script (.tvk)"
                                                   << false;
  QTest::newRow("quarnel, no display") << quarnel << none << none << 1 << none
                                       << "quarnel: no display to show the window on (DISPLAY and "
                                          "WAYLAND_DISPLAY are not set)"
                                       << true;
  QTest::newRow("quarnel, a display out of reach")
      << quarnel << none << QStringList{unreachable} << 1 << none
      << "quarnel: cannot show the window (could not connect to display :70000)" << true;
  QTest::newRow("quarnel, a platform that is not there")
      << quarnel << none << QStringList{"QT_QPA_PLATFORM=nonesuch"} << 1 << none
      << "quarnel: cannot show the window (Could not find the Qt platform plugin \"nonesuch\" in \"\")" << true;

  QTest::newRow("tavik-board --version") << board << QStringList{"--version"} << none << 0
                                         << QStringList{"tavik-board " + v + "\n"} << "" << false;
  QTest::newRow("tavik-board --help") << board << QStringList{"--help"} << none << 0
                                      << (usage + QStringList{"--link <PATH>", "--log <FILE>", "--fast", "--position <X,Y>"}) << ""
                                      << false;
  QTest::newRow("tavik-board, no link") << board << QStringList{"--fast"} << none << 2 << none
                                        << "tavik-board: --link PATH is needed" << false;
  QTest::newRow("tavik-board, --link without its path") << board << QStringList{"--link"} << none << 2 << none
                                                        << "tavik-board: Missing value after '--link'." << false;
  QTest::newRow("tavik-board, an unknown option") << board << QStringList{"--link", "x", "--slow"} << none << 2
                                                  << none << "tavik-board: Unknown option 'slow'." << false;
  QTest::newRow("tavik-board, a position that is no X,Y")
      << board << QStringList{"--link", "x", "--position", "12"} << none << 2 << none
      << "tavik-board: --position takes X,Y, two whole numbers" << false;
  // An empty name would open the window instead of the log asked for.
  QTest::newRow("tavik-board, --log with an empty name")
      << board << QStringList{"--link", "x", "--log", ""} << none << 2 << none
      << "tavik-board: --log FILE needs a file name" << false;
  QTest::newRow("tavik-board's window, no display") << board << QStringList{"--link", "LINK"} << none << 1 << none
                                                    << "tavik-board: no display to show the window on (DISPLAY "
                                                       "and WAYLAND_DISPLAY are not set)"
                                                    << true;
  QTest::newRow("tavik-board's window, a display out of reach")
      << board << QStringList{"--link", "LINK"} << QStringList{unreachable} << 1 << none
      << "tavik-board: cannot show the window (could not connect to display :70000)" << true;
}

void CommandLineTest::answersWithoutAWindow() {
  QFETCH(QString, program);
  QFETCH(QStringList, arguments);
  QFETCH(QStringList, environment);
  QFETCH(int, status);
  QFETCH(QStringList, outHas);
  QFETCH(QString, errStart);
  QFETCH(bool, oneErrLine);
  QTemporaryDir folder;
  const QString link = folder.filePath("line");
  arguments.replaceInStrings("LINK", link);

  const Run r = run(program, arguments, environment);
  QVERIFY2(!r.crashed, qPrintable(r.err));
  QCOMPARE(r.status, status);
  for (const QString &part : outHas) QVERIFY2(r.out.contains(part), qPrintable(r.out));
  QCOMPARE(r.err.section('\n', 0, 0), errStart);
  if (status == 2) QVERIFY2(r.err.contains("Usage:"), qPrintable(r.err)); // the usage follows a bad use
  if (oneErrLine) QCOMPARE(r.err.count('\n'), 1);
  QVERIFY2(!QFileInfo::exists(link) && !QFileInfo(link).isSymLink(), "a board that did not start left its link");
}

void CommandLineTest::anAnswerLostOnAFullDiskIsNoSuccess() {
  const struct {
    QString program, name;
  } programs[] = {{quarnel, "quarnel"}, {board, "tavik-board"}};
  for (const auto &p : programs)
    for (const char *option : {"--help", "--version"}) {
      QProcess process;
      process.setStandardOutputFile("/dev/full");
      process.start(p.program, {option});
      QVERIFY(process.waitForFinished(20000));
      QCOMPARE(process.exitCode(), 1);
      QCOMPARE(QString::fromLocal8Bit(process.readAllStandardError()),
               p.name + ": cannot write to standard output: No space left on device\n");
    }
}

// Offscreen, as the tests run it, the application starts and stays up without a word; named by
// Qt's own option, with no display, as well.
void CommandLineTest::theWindowStartsOffscreen() {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
  QProcess process;
  process.setProcessEnvironment(env);
  process.start(quarnel, {"-platform", "offscreen", "-style", "Fusion", "-reverse"});
  QVERIFY(process.waitForStarted());
  QVERIFY2(!process.waitForFinished(1500), qPrintable(process.readAllStandardError()));
  process.terminate();
  QVERIFY(process.waitForFinished(5000));
}

// As a file manager starts it for a double-clicked script, or a user in the script's folder.
void CommandLineTest::aScriptNamedOpensBesideTheControlWindow() {
  tavik::testing::BoardProcess board(true);
  // A portable copy of the program, so that what it remembers stays in a folder of the test's.
  QTemporaryDir program, work;
  const QString copy = program.filePath("quarnel");
  QVERIFY(QFile::copy(quarnel, copy));
  QVERIFY(QFile::link(tavik::testing::TavikLibrary::builtPath(), program.filePath(DRIVER_FILE_NAME)));
  QFile(program.filePath("setup.res")).open(QIODevice::WriteOnly);
  QFile script(work.filePath("wave.tvk"));
  QVERIFY(script.open(QIODevice::WriteOnly));
  script.write("\"TVKFILE\"\r\n\"***\"\r\n\"WAIT\"\r\n\"\"\r\n\"***\"\r\n");
  script.close();

  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("TAVIK_COM1", QString::fromStdString(board.link()));
  QProcess process;
  process.setProcessEnvironment(env);
  process.setWorkingDirectory(work.path());
  process.start(copy, {"wave.tvk"});
  QVERIFY(process.waitForStarted());
  // The link opened with the control window sends every slot, then the script is remembered
  // as opened, by its whole path.
  QVERIFY2(board.waitForLines(32, std::chrono::seconds(20)).size() >= 32, qPrintable(process.readAllStandardError()));
  const auto remembered = [&] {
    QFile conf(program.filePath("quarnel.conf"));
    return conf.open(QIODevice::ReadOnly) ? conf.readAll() : QByteArray();
  };
  QTRY_VERIFY_WITH_TIMEOUT(remembered().contains("\nscript=" + QFile::encodeName(script.fileName()) + "\n"), 10000);
  QCOMPARE(process.state(), QProcess::Running);
  process.terminate();
  QVERIFY(process.waitForFinished(5000));
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
