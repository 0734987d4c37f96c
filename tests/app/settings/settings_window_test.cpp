// The settings window with real widgets on the offscreen platform, real files in a temporary
// folder, and a scripted user answering its boxes.
#include "find_child.h"
#include "keyboard_access.h"
#include "tiny_disk.h"
#include "config/servo_settings_file.h"
#include "scripted_ui_services.h"
#include "settings/settings_window.h"
#include "widgets/show_about.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QTest>

#include <memory>
#include <sys/stat.h>

using namespace quarnel;
using Kind = ScriptedUiServices::Kind;

class SettingsWindowTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
  void init();
  void cleanup();

  void startsFromSetupFile_data();
  void startsFromSetupFile();
  void placesItselfWhereTheUserCanReachIt_data();
  void placesItselfWhereTheUserCanReachIt();
  void boardChangeRebuildsBaudListAndRows();
  void positionChecksShowTheirMessagesAndKeepTheFocus_data();
  void positionChecksShowTheirMessagesAndKeepTheFocus();
  void oneFailingCheckShowsItsBoxOnceWhileTheBoxTakesTheFocus();
  void aClickThatTriesToLeaveARefusedFieldDoesNotAct();
  void nameCheckPutsTheFocusBack_data();
  void nameCheckPutsTheFocusBack();
  void saveFromTheMenuChecksTheFieldFirst();
  void controlsChecksTheFieldHoweverItIsAskedFor_data();
  void controlsChecksTheFieldHoweverItIsAskedFor();
  void openLoadsRowsAndReportsWhatCannotBeRead();
  void saveWritesTheRowsAndReportsWhatCannotBeWritten();
  void restoresTheRowsOfTheLastServoSettingsFile_data();
  void restoresTheRowsOfTheLastServoSettingsFile();
  void saveOntoAFullDiskSaysSoAndKeepsTheOldFile();
  void unsavedWorkIsTheOnlyQuestionAtQuit_data();
  void unsavedWorkIsTheOnlyQuestionAtQuit();
  void quitAlwaysWritesSetupFileAndClosesOnlyOnYes();
  void quitReportsAnUnwritableSetupFileAndStillQuits();
  void aSetupFileThatIsAPipeIsPassedOverAndNotReplaced();
  void aboutShowsProductAndVersion();
  void tabFollowsTheLayoutThroughEveryControl();
  void controlsHaveNamesThatSayWhatTheyAre_data();
  void controlsHaveNamesThatSayWhatTheyAre();

private:
  SettingsWindow &openWindow();
  void writeFile(const QString &name, const QByteArray &bytes);
  QByteArray readFile(const QString &name) const;
  QString path(const QString &name) const { return m_dir->filePath(name); }
  QLineEdit *field(const char *name, int row) {
    return child<QLineEdit>(m_window.get(), QString("%1(%2)").arg(name).arg(row));
  }
  void focusAndType(QLineEdit *edit, const QString &text);
  QStringList comboItems(const char *name);

  std::unique_ptr<QTemporaryDir> m_dir;
  std::unique_ptr<AppIdentity> m_identity;
  std::unique_ptr<ScriptedUiServices> m_ui;
  SetupRecord m_setup;
  DocumentFolders m_folders{"/home/user"};
  std::unique_ptr<SettingsWindow> m_window;
};

void SettingsWindowTest::init() {
  m_dir = std::make_unique<QTemporaryDir>();
  m_identity = std::make_unique<AppIdentity>(AppIdentity::quarnel(m_dir->path().toStdString()));
  m_ui = std::make_unique<ScriptedUiServices>();
  m_setup = {};
  m_folders = DocumentFolders("/home/user");
}

void SettingsWindowTest::cleanup() {
  m_window.reset();
  m_ui.reset();
  m_dir.reset();
}

SettingsWindow &SettingsWindowTest::openWindow() {
  m_window = std::make_unique<SettingsWindow>(m_setup, *m_ui, *m_identity, m_folders);
  m_window->show();
  m_window->activateWindow();
  if (!QTest::qWaitForWindowActive(m_window.get())) qWarning("window not active");
  return *m_window;
}

void SettingsWindowTest::writeFile(const QString &name, const QByteArray &bytes) {
  QFile file(path(name));
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QByteArray SettingsWindowTest::readFile(const QString &name) const {
  QFile file(path(name));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void SettingsWindowTest::focusAndType(QLineEdit *edit, const QString &text) {
  edit->setFocus(Qt::OtherFocusReason);
  QVERIFY(edit->hasFocus());
  edit->selectAll();
  QTest::keyClicks(edit, text);
  QCOMPARE(edit->text(), text);
}

QStringList SettingsWindowTest::comboItems(const char *name) {
  auto *combo = child<QComboBox>(m_window.get(), name);
  QStringList items;
  for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
  return items;
}

void SettingsWindowTest::startsFromSetupFile_data() {
  QTest::addColumn<QByteArray>("file");
  QTest::addColumn<bool>("eightServos");
  QTest::addColumn<QStringList>("baudItems");
  QTest::addColumn<QString>("baud");
  QTest::addColumn<QString>("commPort");

  const QStringList both{"9600", "2400"}, only9600{"9600"};
  QTest::newRow("8 servos, 2400") << QByteArray("1200,900,2,1,0,0,0\r\n") << true << both << "2400" << "3";
  QTest::newRow("8 servos, 9600") << QByteArray("1200,900,0,0,0,0,0\r\n") << true << both << "9600" << "1";
  QTest::newRow("12 servos") << QByteArray("1200,900,3,0,1,0,0\r\n") << false << only9600 << "9600" << "4";
  QTest::newRow("12 servos cannot have 2400") << QByteArray("1200,900,1,1,1,0,0") << false << only9600 << "9600" << "2";
  QTest::newRow("no file") << QByteArray() << false << only9600 << "9600" << "1";
  QTest::newRow("out of range") << QByteArray("1200,900,9,0,7,0,0") << false << only9600 << "9600" << "1";
  QTest::newRow("junk") << QByteArray("\xff\xfe,,,\r\n,") << false << only9600 << "9600" << "1";
}

void SettingsWindowTest::startsFromSetupFile() {
  QFETCH(QByteArray, file);
  QFETCH(bool, eightServos);
  QFETCH(QStringList, baudItems);
  QFETCH(QString, baud);
  QFETCH(QString, commPort);
  if (!file.isEmpty()) writeFile("setup.res", file);
  openWindow();

  QCOMPARE(child<QRadioButton>(m_window.get(), "optNumServos(0)")->isChecked(), eightServos);
  QCOMPARE(child<QRadioButton>(m_window.get(), "optNumServos(1)")->isChecked(), !eightServos);
  QCOMPARE(comboItems("cmbBaud"), baudItems);
  QCOMPARE(child<QComboBox>(m_window.get(), "cmbBaud")->currentText(), baud);
  QCOMPARE(comboItems("cmbCommPort"), QStringList({"1", "2", "3", "4"}));
  QCOMPARE(child<QComboBox>(m_window.get(), "cmbCommPort")->currentText(), commPort);
  QCOMPARE(m_window->configuration().baudRate(), baud.toInt());
  QCOMPARE(m_window->configuration().commPort(), commPort.toInt());
  QCOMPARE(m_window->configuration().servoCount(), eightServos ? 8 : 12);
  QCOMPARE(field("txtServoName", 11)->isEnabled(), !eightServos);
  QCOMPARE(field("txtMin", 0)->text(), QString("0"));
  QCOMPARE(field("txtHome", 5)->text(), QString("127"));
  QCOMPARE(field("txtMax", 11)->text(), QString("254"));
  QCOMPARE(field("txtServoName", 10)->text(), QString("Servo10"));
  QCOMPARE(child<QLabel>(m_window.get(), "lblServo(10)")->text(), QString("Servo 10"));
  QCOMPARE(m_window->windowTitle(), QString("Settings[*]"));
  QVERIFY(!m_window->isWindowModified());
}

void SettingsWindowTest::placesItselfWhereTheUserCanReachIt_data() {
  QTest::addColumn<QByteArray>("file");
  QTest::addColumn<bool>("centred");
  QTest::addColumn<QPoint>("stored");
  QTest::newRow("as stored") << QByteArray("1500,750,0,0,1,0,0") << false << QPoint(100, 50);
  QTest::newRow("no file") << QByteArray() << true << QPoint();
  QTest::newRow("not numbers") << QByteArray("left,top,0,0,1,0,0") << true << QPoint();
  QTest::newRow("off every screen") << QByteArray("999999,-99999,0,0,1,0,0") << false << QPoint();
  QTest::newRow("below the bottom edge") << QByteArray("10635,999999,0,0,1,0,0") << false << QPoint();
}

void SettingsWindowTest::placesItselfWhereTheUserCanReachIt() {
  QFETCH(QByteArray, file);
  QFETCH(bool, centred);
  QFETCH(QPoint, stored);
  if (!file.isEmpty()) writeFile("setup.res", file);
  SettingsWindow &window = openWindow();

  QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  QRect placed(window.pos(), window.size());
  if (centred)
    QVERIFY(qAbs(placed.center().x() - screen.center().x()) <= 1 &&
            qAbs(placed.center().y() - screen.center().y()) <= 1);
  else if (!stored.isNull())
    QCOMPARE(window.pos(), stored);
  QVERIFY2(screen.contains(QRect(placed.topLeft(), QSize(100, 30))), "title bar off screen");
  // Placed while no window was shown, so before any frame was known: whole all the same.
  QVERIFY2(screen.contains(window.frameGeometry()), "frame partly off screen");
}

void SettingsWindowTest::boardChangeRebuildsBaudListAndRows() {
  openWindow();
  field("txtServoName", 9)->setText("Kept");
  QTest::mouseClick(child<QRadioButton>(m_window.get(), "optNumServos(0)"), Qt::LeftButton);
  QCOMPARE(comboItems("cmbBaud"), QStringList({"9600", "2400"}));
  QCOMPARE(child<QComboBox>(m_window.get(), "cmbBaud")->currentText(), QString("9600"));
  for (int row = 8; row < 12; ++row)
    for (const char *name : {"txtServoName", "txtMin", "txtHome", "txtMax"})
      QVERIFY(!field(name, row)->isEnabled());
  QVERIFY(!child<QLabel>(m_window.get(), "lblServo(8)")->isEnabled());
  QVERIFY(field("txtMax", 7)->isEnabled());
  QCOMPARE(field("txtServoName", 9)->text(), QString("Kept"));

  child<QComboBox>(m_window.get(), "cmbBaud")->setCurrentIndex(1);
  QCOMPARE(m_window->configuration().baudRate(), 2400);
  QTest::mouseClick(child<QRadioButton>(m_window.get(), "optNumServos(1)"), Qt::LeftButton);
  QCOMPARE(comboItems("cmbBaud"), QStringList({"9600"}));
  QCOMPARE(m_window->configuration().baudRate(), 9600);
  QVERIFY(field("txtHome", 11)->isEnabled());
  QCOMPARE(m_window->configuration().servos[9].name, std::string("Kept"));
}

void SettingsWindowTest::positionChecksShowTheirMessagesAndKeepTheFocus_data() {
  QTest::addColumn<QString>("fieldName");
  QTest::addColumn<QStringList>("row"); // minimum, home, maximum before the edit
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QStringList>("messages");

  // Each rule's ranges are the servo rules' own test; here the window shows what they say.
  QTest::newRow("minimum below 0, the servo and the range named")
      << "txtMin" << QStringList{"0", "127", "254"} << "-1"
      << QStringList{"Servo 3 (Elbow) minimum must be a whole number from 0 to 127, its home"};
  QTest::newRow("maximum not a number") << "txtMax" << QStringList{"0", "127", "254"} << "12x"
      << QStringList{"Servo 3 (Elbow) maximum must be a whole number from 127, its home, to 254"};
  QTest::newRow("maximum 254") << "txtMax" << QStringList{"0", "127", "200"} << "254" << QStringList{};
  QTest::newRow("all equal") << "txtMin" << QStringList{"0", "90", "90"} << "90" << QStringList{};
}

void SettingsWindowTest::positionChecksShowTheirMessagesAndKeepTheFocus() {
  QFETCH(QString, fieldName);
  QFETCH(QStringList, row);
  QFETCH(QString, typed);
  QFETCH(QStringList, messages);
  openWindow();
  const int n = 3;
  field("txtServoName", n)->setText("Elbow");
  field("txtMin", n)->setText(row[0]);
  field("txtHome", n)->setText(row[1]);
  field("txtMax", n)->setText(row[2]);
  QLineEdit *edit = field(qPrintable(fieldName), n);
  focusAndType(edit, typed);

  QTest::keyClick(edit, Qt::Key_Tab);

  QStringList shown;
  for (const auto &box : m_ui->boxes()) {
    QCOMPARE(box.title, std::string("Quarnel"));
    QCOMPARE(box.icon, MessageIcon::Critical);
    QCOMPARE(box.buttons, MessageButtons::Ok);
    shown << QString::fromStdString(box.text);
  }
  QCOMPARE(shown, messages);
  QCOMPARE(QApplication::focusWidget() == edit, !messages.isEmpty());
  QCOMPARE(edit->text(), typed);
}

void SettingsWindowTest::oneFailingCheckShowsItsBoxOnceWhileTheBoxTakesTheFocus() {
  openWindow();
  // Like a real modal box: a window of its own takes the focus while it is open.
  QDialog box;
  auto *inBox = new QLineEdit(&box);
  m_ui->setWhileShown([&] {
    box.show();
    box.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    inBox->setFocus();
    box.hide();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
  });
  field("txtMax", 0)->setText("100");
  QLineEdit *home = field("txtHome", 0);
  focusAndType(home, "130");

  // Leave for another checked field, which must not run its own check meanwhile.
  QTest::mouseClick(field("txtMin", 1), Qt::LeftButton);
  QApplication::processEvents();

  QCOMPARE(m_ui->messageTexts(),
           std::vector<std::string>{"Servo 0 home must be a whole number from 0, its minimum, to 100, its maximum"});
  QTRY_COMPARE(QApplication::focusWidget(), home);

  m_ui->setWhileShown({});
  m_ui->clear();
  home->selectAll();
  QTest::keyClicks(home, "99");
  QTest::keyClick(home, Qt::Key_Tab);
  QVERIFY(m_ui->boxes().empty());
  QVERIFY(QApplication::focusWidget() != home);
}

void SettingsWindowTest::aClickThatTriesToLeaveARefusedFieldDoesNotAct() {
  openWindow();
  QLineEdit *minimum = field("txtMin", 2);
  focusAndType(minimum, "-4");
  QTest::mouseClick(child<QPushButton>(m_window.get(), "cmbAbout"), Qt::LeftButton);
  QCOMPARE(m_ui->messageTexts(),
           std::vector<std::string>{"Servo 2 minimum must be a whole number from 0 to 127, its home"});
  QCOMPARE(QApplication::focusWidget(), minimum);

  // Once mended, the same click acts.
  minimum->selectAll();
  QTest::keyClicks(minimum, "4");
  m_ui->clear();
  QTest::mouseClick(child<QPushButton>(m_window.get(), "cmbAbout"), Qt::LeftButton);
  QCOMPARE(m_ui->boxes().size(), size_t(1));
  QCOMPARE(m_ui->boxes()[0].title, std::string("About Quarnel"));
}

void SettingsWindowTest::nameCheckPutsTheFocusBack_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("message");
  const QString blank = "The Servo's Name cannot be blank or contain a space";
  QTest::newRow("space") << "Servo 1" << blank;
  QTest::newRow("empty") << "" << blank;
  QTest::newRow("underscore") << "Servo_1" << "";
  QTest::newRow("double quote") << "Ser\"vo"
      << "The Servo's Name cannot contain a double quote (\"): a servo settings file cannot store it";
  QTest::newRow("outside the 8-bit set") << QString::fromUtf8("Servo\u2713")
      << QString::fromUtf8("The Servo's Name cannot contain the character \u2713: a servo settings file cannot store it");
}

void SettingsWindowTest::nameCheckPutsTheFocusBack() {
  QFETCH(QString, name);
  QFETCH(QString, message);
  openWindow();
  QLineEdit *edit = field("txtServoName", 1);
  edit->setFocus();
  edit->setText(name);
  QTest::keyClick(edit, Qt::Key_Tab);

  std::vector<std::string> expected;
  if (!message.isEmpty()) expected.push_back(message.toStdString());
  QCOMPARE(m_ui->messageTexts(), expected);
  QCOMPARE(QApplication::focusWidget() == edit, !message.isEmpty());
  QCOMPARE(edit->text(), name);
}

void SettingsWindowTest::saveFromTheMenuChecksTheFieldFirst() {
  openWindow();
  QLineEdit *edit = field("txtServoName", 4);
  edit->setFocus();
  edit->setText("Bad\"Name");
  child<QAction>(m_window.get(), "mnuFSave")->trigger();
  QCOMPARE(m_ui->boxes().size(), size_t(1));
  QCOMPARE(m_ui->boxes()[0].kind, Kind::Message);
  QCOMPARE(QApplication::focusWidget(), edit);
}

void SettingsWindowTest::controlsChecksTheFieldHoweverItIsAskedFor_data() {
  QTest::addColumn<QString>("way");
  QTest::newRow("button") << "button";
  QTest::newRow("access key") << "access key";
  QTest::newRow("menu") << "menu";
}

void SettingsWindowTest::controlsChecksTheFieldHoweverItIsAskedFor() {
  QFETCH(QString, way);
  openWindow();
  int requests = 0;
  m_window->controlsRequested = [&] { ++requests; };
  QLineEdit *home = field("txtHome", 2);
  auto ask = [&](const QString &how) {
    if (how == "button") QTest::mouseClick(child<QPushButton>(m_window.get(), "cmbControls"), Qt::LeftButton);
    else if (how == "access key") QTest::keyClick(home, Qt::Key_C, Qt::AltModifier); // the focus stays
    else if (how == "Save's access key") QTest::keyClick(home, Qt::Key_S, Qt::AltModifier);
    else child<QAction>(m_window.get(), "mnuFControls")->trigger();
    // An access key presses its button a moment later.
    for (const char *button : {"cmbControls", "cmbSave"})
      QTRY_VERIFY(!child<QPushButton>(m_window.get(), button)->isDown());
  };

  // Each try says why, however often and whichever way it comes.
  focusAndType(home, "300");
  for (const QString &how : {way, way, QString("button"), QString("access key"), QString("menu"), QString("Save's access key")}) {
    m_ui->clear();
    ask(how);
    QCOMPARE(m_ui->messageTexts(), std::vector<std::string>{"Servo 2 home must be a whole number from 0, its minimum, to 254, its maximum"});
    QCOMPARE(requests, 0);
    QCOMPARE(QApplication::focusWidget(), home);
  }

  focusAndType(home, "200");
  m_ui->clear();
  ask(way);
  QCOMPARE(requests, 1);
  QVERIFY(m_ui->boxes().empty());
}

void SettingsWindowTest::openLoadsRowsAndReportsWhatCannotBeRead() {
  writeFile("setup.res", "0,0,0,0,0,0,0\r\n"); // 8 servos: rows 8 to 11 still load
  writeFile("rig.sst", "\"Jaw\",\"10\",\"20\",\"30\",9\r\n\"Eye,L\",\"1\",\"2\",\"3\",0\r\n\"***\",123\r\n");
  openWindow();
  std::vector<std::string> used;
  m_window->servoSettingsFileUsed = [&](const std::string &file) { used.push_back(file); };
  field("txtServoName", 5)->setText("Mine"); // a change, so each Open asks about it first

  m_ui->answerMessage(MessageAnswer::Discard);
  m_ui->answerFile(std::nullopt); // cancelled
  QTest::mouseClick(child<QPushButton>(m_window.get(), "cmbLoad"), Qt::LeftButton);
  QCOMPARE(field("txtServoName", 0)->text(), QString("Servo0"));

  m_ui->answerMessage(MessageAnswer::Discard);
  m_ui->answerFile(path("rig.sst").toStdString());
  child<QAction>(m_window.get(), "mnuFOpen")->trigger();
  QCOMPARE(field("txtServoName", 9)->text(), QString("Jaw"));
  QCOMPARE(field("txtMax", 9)->text(), QString("30"));
  QCOMPARE(field("txtServoName", 0)->text(), QString("Eye,L"));
  QCOMPARE(field("txtServoName", 5)->text(), QString("Mine"));
  QCOMPARE(m_window->configuration().servos[9].home, std::string("20"));
  QCOMPARE(m_ui->busyCount(), 1);
  QVERIFY(!m_ui->busy());
  QCOMPARE(m_ui->boxes()[2].text, std::string("Save changes to the servo settings?"));
  const auto &dialog = m_ui->boxes()[3];
  QCOMPARE(dialog.kind, Kind::OpenFile);
  QCOMPARE(dialog.filter.description, std::string("Servo Settings files(*.sst)"));
  QCOMPARE(dialog.filter.pattern, std::string("*.sst"));
  QCOMPARE(dialog.folder, std::string("/home/user")); // the first time
  QCOMPARE(m_ui->boxes()[1].folder, std::string("/home/user")); // a cancelled one changes nothing
  QCOMPARE(m_ui->messageTexts().size(), size_t(2)); // the two questions
  QVERIFY(!m_window->isWindowModified()); // the rows are what was opened
  QCOMPARE(m_window->windowTitle(), QString("Settings - rig.sst[*]"));

  ServoRows before = m_window->configuration().servos;
  m_ui->clear();
  m_ui->answerFile(path("gone.sst").toStdString());
  QTest::mouseClick(child<QPushButton>(m_window.get(), "cmbLoad"), Qt::LeftButton);
  auto messages = m_ui->messageTexts();
  QCOMPARE(messages.size(), size_t(1));
  QVERIFY(messages[0].find(path("gone.sst").toStdString()) != std::string::npos);
  QCOMPARE(m_ui->boxes().back().icon, MessageIcon::Critical);
  QVERIFY(m_window->configuration().servos == before);
  QVERIFY(!m_ui->busy());
  QCOMPARE(used, std::vector<std::string>{path("rig.sst").toStdString()});

  // A pipe in a file's place is refused at once rather than waited on.
  QVERIFY(mkfifo(qPrintable(path("pipe.sst")), 0644) == 0);
  m_ui->clear();
  m_ui->answerFile(path("pipe.sst").toStdString());
  QTest::mouseClick(child<QPushButton>(m_window.get(), "cmbLoad"), Qt::LeftButton);
  QCOMPARE(m_ui->boxes()[0].folder, m_dir->path().toStdString()); // where the last one came from
  QCOMPARE(m_ui->messageTexts().size(), size_t(1));
  QVERIFY(m_ui->messageTexts()[0].find("not a regular file") != std::string::npos);
  QVERIFY(m_window->configuration().servos == before);

  // A name longer than its field takes would be cut as it is shown, and saved cut.
  writeFile("long.sst", "\"" + QByteArray(40000, 'x') + "\",\"1\",\"2\",\"3\",0\r\n\"***\",123\r\n");
  m_ui->clear();
  m_ui->answerFile(path("long.sst").toStdString());
  QTest::mouseClick(child<QPushButton>(m_window.get(), "cmbLoad"), Qt::LeftButton);
  QCOMPARE(m_ui->messageTexts().size(), size_t(1));
  QVERIFY(m_ui->messageTexts()[0].find("Servo 0's name is 40000 characters long") != std::string::npos);
  QVERIFY(m_window->configuration().servos == before);
  QCOMPARE(used, std::vector<std::string>{path("rig.sst").toStdString()});
}

void SettingsWindowTest::saveWritesTheRowsAndReportsWhatCannotBeWritten() {
  openWindow();
  std::vector<std::string> used;
  m_window->servoSettingsFileUsed = [&](const std::string &file) { used.push_back(file); };
  field("txtMin", 10)->setText("0127");
  field("txtServoName", 3)->setText("Neck,Pan");
  QVERIFY(m_window->isWindowModified());
  m_ui->answerFile(path("out").toStdString()); // typed without its extension
  QTest::mouseClick(child<QPushButton>(m_window.get(), "cmbSave"), Qt::LeftButton);
  QVERIFY(!m_window->isWindowModified());
  QByteArray saved = readFile("out.sst");
  QCOMPARE(saved, QByteArray::fromStdString(writeServoSettings(m_window->configuration().servos).bytes));
  QVERIFY(saved.contains("\"Neck,Pan\",\"0\",\"127\",\"254\",3\r\n"));
  QVERIFY(saved.contains("\"Servo10\",\"0127\",\"127\",\"254\",10\r\n"));
  QCOMPARE(m_ui->boxes().back().kind, Kind::SaveFile);
  QVERIFY(!m_ui->busy());

  // A name that only a program could have set: refused, and the old file stays whole.
  field("txtServoName", 3)->setText("Quote\"d");
  child<QAction>(m_window.get(), "mnuFSave")->trigger();
  QCOMPARE(readFile("out.sst"), saved);
  QVERIFY(m_window->isWindowModified());
  QCOMPARE(m_ui->boxes().back().icon, MessageIcon::Critical);

  m_ui->clear();
  field("txtServoName", 3)->setText("Fine");
  m_ui->answerFile(path("no/such/folder/x.sst").toStdString());
  child<QAction>(m_window.get(), "mnuFSaveAs")->trigger();
  auto messages = m_ui->messageTexts();
  QCOMPARE(messages.size(), size_t(1));
  QVERIFY(messages[0].find(path("no/such/folder/x.sst").toStdString()) != std::string::npos);
  QVERIFY(!m_ui->busy());
  QCOMPARE(used, std::vector<std::string>{path("out.sst").toStdString()});
}

void SettingsWindowTest::restoresTheRowsOfTheLastServoSettingsFile_data() {
  QTest::addColumn<QString>("last");
  QTest::addColumn<QString>("row0");
  QTest::addColumn<bool>("reported");
  QTest::newRow("readable") << "rig.sst" << "Jaw" << false;
  QTest::newRow("moved away since") << "gone.sst" << "Servo0" << false;
  QTest::newRow("never any") << "" << "Servo0" << false;
  QTest::newRow("cannot be read") << "folder.sst" << "Servo0" << true;
}

void SettingsWindowTest::restoresTheRowsOfTheLastServoSettingsFile() {
  QFETCH(QString, last);
  QFETCH(QString, row0);
  QFETCH(bool, reported);
  writeFile("rig.sst", "\"Jaw\",\"10\",\"20\",\"30\",0\r\n\"***\",123\r\n");
  QVERIFY(QDir(m_dir->path()).mkdir("folder.sst"));
  openWindow();
  m_window->restoreServoSettings(last.isEmpty() ? std::string() : path(last).toStdString());
  QCOMPARE(field("txtServoName", 0)->text(), row0);
  QCOMPARE(m_ui->messageTexts().size(), size_t(reported ? 1 : 0));
  if (reported) QVERIFY(m_ui->messageTexts()[0].find(path(last).toStdString()) != std::string::npos);
}

void SettingsWindowTest::saveOntoAFullDiskSaysSoAndKeepsTheOldFile() {
  TinyDisk disk;
  if (!disk.mounted()) QSKIP(disk.whyNot().c_str());
  const std::string file = disk.path("rig.sst");
  const QByteArray old = QByteArray::fromStdString(writeServoSettings(defaultServoRows()).bytes);
  {
    QFile out(QString::fromStdString(file));
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(old) == old.size());
  }
  openWindow();
  field("txtServoName", 0)->setText("Jaw");
  m_ui->answerFile(file);
  QTest::mouseClick(child<QPushButton>(m_window.get(), "cmbSave"), Qt::LeftButton);

  const auto messages = m_ui->messageTexts();
  QCOMPARE(messages.size(), size_t(1));
  QVERIFY2(messages[0].find("No space left on device") != std::string::npos, messages[0].c_str());
  QCOMPARE(m_ui->boxes().back().icon, MessageIcon::Critical);
  QFile in(QString::fromStdString(file));
  QVERIFY(in.open(QIODevice::ReadOnly));
  QCOMPARE(in.readAll(), old);
  QVERIFY(m_window->isWindowModified());
}

void SettingsWindowTest::unsavedWorkIsTheOnlyQuestionAtQuit_data() {
  QTest::addColumn<QString>("typed"); // into row 2's name after "Other"; its default is Servo2
  QTest::addColumn<bool>("othersUnsaved"); // the script window holds unsaved work
  QTest::addColumn<QList<int>>("answers"); // the boxes' answers; after Save, 1 for a file in the dialog
  QTest::addColumn<bool>("othersAgree"); // the script window lets its work go
  QTest::addColumn<QStringList>("questions");
  QTest::addColumn<bool>("quits");

  const int yes = int(MessageAnswer::Yes), save = int(MessageAnswer::Save), file = 1;
  const QString quit = "Quit the application?", rows = "Save changes to the servo settings?";
  QTest::newRow("unchanged") << "" << false << QList<int>{yes} << true << QStringList{quit} << true;
  QTest::newRow("typed back as it was") << "Servo2" << false << QList<int>{yes} << true << QStringList{quit} << true;
  QTest::newRow("No to quitting") << "" << false << QList<int>{int(MessageAnswer::No)} << true << QStringList{quit}
                                  << false;
  QTest::newRow("the script keeps it open") << "" << false << QList<int>{yes} << false << QStringList{quit} << false;
  QTest::newRow("rows changed, no answer is Cancel") << "Jaw" << false << QList<int>{} << true << QStringList{rows}
                                                     << false;
  QTest::newRow("rows changed, Discard") << "Jaw" << false << QList<int>{int(MessageAnswer::Discard)} << true
                                         << QStringList{rows} << true;
  QTest::newRow("rows changed, Save") << "Jaw" << false << QList<int>{save, file} << true << QStringList{rows} << true;
  QTest::newRow("rows changed, Save cancelled") << "Jaw" << false << QList<int>{save, 0} << true << QStringList{rows}
                                                << false;
  // The script window asks about its own work when quitting goes on.
  QTest::newRow("the script unsaved, let go") << "" << true << QList<int>{} << true << QStringList{} << true;
  QTest::newRow("the script unsaved, kept") << "" << true << QList<int>{} << false << QStringList{} << false;
}

void SettingsWindowTest::unsavedWorkIsTheOnlyQuestionAtQuit() {
  QFETCH(QString, typed);
  QFETCH(bool, othersUnsaved);
  QFETCH(QList<int>, answers);
  QFETCH(bool, othersAgree);
  QFETCH(QStringList, questions);
  QFETCH(bool, quits);
  SettingsWindow &window = openWindow();
  window.unsavedElsewhere = [othersUnsaved] { return othersUnsaved; };
  window.quitting = [othersAgree] { return othersAgree; };
  QLineEdit *name = field("txtServoName", 2);
  if (!typed.isEmpty()) {
    focusAndType(name, "Other");
    QVERIFY(window.isWindowModified());
    focusAndType(name, typed);
  }
  QCOMPARE(window.isWindowModified(), !typed.isEmpty() && typed != "Servo2");
  bool saved = false;
  for (int i = 0; i < answers.size(); ++i) {
    if (i > 0 && answers[i - 1] == int(MessageAnswer::Save)) {
      saved = answers[i];
      m_ui->answerFile(saved ? std::optional(path("rig").toStdString()) : std::nullopt);
    } else {
      m_ui->answerMessage(MessageAnswer(answers[i]));
    }
  }

  window.close();
  QStringList asked;
  for (const auto &box : m_ui->boxes())
    if (box.kind == Kind::Message) asked << QString::fromStdString(box.text);
  QCOMPARE(asked, questions);
  if (!questions.isEmpty() && questions[0].startsWith("Save changes")) {
    QCOMPARE(m_ui->boxes()[0].buttons, MessageButtons::SaveDiscardCancel);
    QCOMPARE(m_ui->boxes()[0].title, std::string("Quarnel"));
  }
  QCOMPARE(window.isVisible(), !quits);
  QVERIFY(readFile("setup.res") != "<missing>"); // whatever the answers
  QCOMPARE(readFile("rig.sst").contains("\"Jaw\""), saved);
  if (saved) {
    // Saved once, the settings are called by their file's name.
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    focusAndType(name, "Neck");
    m_ui->clear();
    window.close();
    QCOMPARE(m_ui->messageTexts(), std::vector<std::string>{"Save changes to rig.sst?"});
  }
}

void SettingsWindowTest::quitAlwaysWritesSetupFileAndClosesOnlyOnYes() {
  writeFile("setup.res", "1500,750,0,0,1,4321,765.5\r\n");
  SettingsWindow &window = openWindow();
  QTest::mouseClick(child<QRadioButton>(m_window.get(), "optNumServos(0)"), Qt::LeftButton);
  child<QComboBox>(m_window.get(), "cmbBaud")->setCurrentIndex(1);
  child<QComboBox>(m_window.get(), "cmbCommPort")->setCurrentIndex(2);
  window.move(120, 80);

  m_ui->answerMessage(MessageAnswer::No);
  QTest::mouseClick(child<QPushButton>(m_window.get(), "cmbExit"), Qt::LeftButton);
  const auto &question = m_ui->boxes().back();
  QCOMPARE(question.text, std::string("Quit the application?"));
  QCOMPARE(question.title, std::string("Quarnel"));
  QCOMPARE(question.icon, MessageIcon::Question);
  QCOMPARE(question.buttons, MessageButtons::YesNo);
  QVERIFY(window.isVisible());
  QCOMPARE(readFile("setup.res"), QByteArray("1800,1200,2,1,0,4321,765.5\r\n"));

  m_ui->answerMessage(MessageAnswer::Yes);
  // Another copy of Quarnel saved its control window's place meanwhile: that stays.
  writeFile("setup.res", "1500,750,0,0,1,999,111\r\n");
  QVERIFY(!window.close() || !window.isVisible());
  QVERIFY(!window.isVisible());
  QCOMPARE(readFile("setup.res"), QByteArray("1800,1200,2,1,0,999,111\r\n"));
}

void SettingsWindowTest::quitReportsAnUnwritableSetupFileAndStillQuits() {
  // A file where the settings folder would have to be created.
  writeFile("not-a-folder", "");
  m_identity->settingsFolder = path("not-a-folder/quarnel").toStdString();
  SettingsWindow &window = openWindow();
  m_ui->answerMessage(MessageAnswer::Yes);
  child<QAction>(m_window.get(), "mnuFExit")->trigger();
  auto messages = m_ui->messageTexts();
  QCOMPARE(messages.size(), size_t(2));
  QCOMPARE(messages[0], std::string("Quit the application?"));
  QVERIFY(messages[1].find(m_identity->setupFilePath()) != std::string::npos);
  QCOMPARE(m_ui->boxes()[1].icon, MessageIcon::Critical);
  QVERIFY(!window.isVisible());
}

void SettingsWindowTest::aSetupFileThatIsAPipeIsPassedOverAndNotReplaced() {
  // Read, it would block the window from ever appearing; saved over, it would be replaced.
  QVERIFY(mkfifo(m_identity->setupFilePath().c_str(), 0644) == 0);
  SettingsWindow &window = openWindow();
  QVERIFY(child<QRadioButton>(m_window.get(), "optNumServos(1)")->isChecked()); // the defaults
  m_ui->answerMessage(MessageAnswer::Yes);
  window.close();
  const auto messages = m_ui->messageTexts();
  QCOMPARE(messages.size(), size_t(2));
  QVERIFY(messages[1].find(m_identity->setupFilePath() + "\": It is a named pipe") != std::string::npos);
  QVERIFY(!window.isVisible());
  struct stat info {};
  QVERIFY(stat(m_identity->setupFilePath().c_str(), &info) == 0 && S_ISFIFO(info.st_mode));
}

void SettingsWindowTest::aboutShowsProductAndVersion() {
  showAbout(*m_ui, *m_identity);
  QCOMPARE(m_ui->boxes().size(), size_t(1));
  const auto &box = m_ui->boxes()[0];
  QCOMPARE(box.title, std::string("About Quarnel"));
  QCOMPARE(box.icon, MessageIcon::Information);
  QCOMPARE(box.buttons, MessageButtons::Ok);
  QStringList lines = QString::fromStdString(box.text).split("\r\n");
  QCOMPARE(lines.size(), 4);
  QCOMPARE(lines[0], QString("Quarnel"));
  QVERIFY(lines[2].startsWith("Version 1.2.0  "));
  QVERIFY(!lines[3].isEmpty() && !lines[3].endsWith("\n"));
  QVERIFY2(!lines[3].contains("://"), "no web address the project does not have");
  QVERIFY(!QString::fromStdString(box.text).contains(QRegularExpression("[^\r]\n")));
}

void SettingsWindowTest::tabFollowsTheLayoutThroughEveryControl() {
  openWindow();
  QStringList expected{"optNumServos(1)", "cmbCommPort", "cmbBaud", "cmbControls", "cmbSave", "cmbLoad", "cmbAbout", "cmbExit"};
  for (int row = 0; row < servoChannels; ++row)
    for (const char *name : {"txtServoName", "txtMin", "txtHome", "txtMax"}) expected << QString("%1(%2)").arg(name).arg(row);
  QCOMPARE(tabRound(child<QRadioButton>(m_window.get(), "optNumServos(1)")), expected);

  // The 8-servo board's rows 8 to 11 take no input, so Tab passes them by.
  child<QRadioButton>(m_window.get(), "optNumServos(0)")->setChecked(true);
  expected.replaceInStrings("optNumServos(1)", "optNumServos(0)");
  expected.erase(expected.begin() + 8 + 4 * 8, expected.end());
  QCOMPARE(tabRound(child<QRadioButton>(m_window.get(), "optNumServos(0)")), expected);
}

void SettingsWindowTest::controlsHaveNamesThatSayWhatTheyAre_data() {
  QTest::addColumn<QString>("control");
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("label");
  QTest::newRow("board option") << "optNumServos(0)" << "8 Servos" << "Board Settings";
  QTest::newRow("port, its item and its label") << "cmbCommPort" << "1" << "COM Port:";
  QTest::newRow("baud, its item and its label") << "cmbBaud" << "9600" << "Baud:";
  QTest::newRow("name") << "txtServoName(3)" << "Servo 3 name" << "Servo 3";
  QTest::newRow("minimum") << "txtMin(3)" << "Servo 3 minimum" << "Servo Settings";
  QTest::newRow("home") << "txtHome(11)" << "Servo 11 home" << "";
  QTest::newRow("maximum") << "txtMax(0)" << "Servo 0 maximum" << "";
  QTest::newRow("button, access key mark dropped") << "cmbAbout" << "About" << "";
}

void SettingsWindowTest::controlsHaveNamesThatSayWhatTheyAre() {
  QFETCH(QString, control);
  QFETCH(QString, name);
  QFETCH(QString, label);
  openWindow();
  QWidget *widget = child<QWidget>(m_window.get(), control);
  QCOMPARE(accessibleName(widget), name);
  if (!label.isEmpty()) QVERIFY2(labelledBy(widget).contains(label), qPrintable(label));
}

QTEST_MAIN(SettingsWindowTest)
#include "settings_window_test.moc"
