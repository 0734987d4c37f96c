// The file habits the settings and script windows share, with real widgets on the offscreen
// platform, real files and a scripted user: Save to the document's own file, Save As, the
// desktop's keys for the File menu, and the Save changes question answered from the keyboard.
#include "application_parts.h"
#include "find_child.h"
#include "manual_clock.h"
#include "settings/settings_window.h"
#include "widgets/qt_ui_services.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace quarnel;
using Kind = ScriptedUiServices::Kind;

class DocumentWindowTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
  void init();
  void cleanup();

  void saveWritesTheDocumentsOwnFileAndSaveAsAsks_data();
  void saveWritesTheDocumentsOwnFileAndSaveAsAsks();
  void fileCommandsHaveTheDesktopsKeys_data();
  void fileCommandsHaveTheDesktopsKeys();
  void saveChangesIsAnsweredByAccessKeys_data();
  void saveChangesIsAnsweredByAccessKeys();

private:
  // One of the two windows, as the test works it.
  struct Document {
    QMainWindow *window;
    QString title;
    QString extension;
    QByteArray edit; // what the edit leaves in a saved file
    std::function<void()> makeEdit;
    std::function<void(const std::string &path)> open;
  };
  Document open(const QString &which);
  std::string path(const QString &name) const { return m_parts->folder.file(name.toStdString()); }
  QByteArray contents(const QString &name) const;

  ManualClock m_clock;
  std::unique_ptr<ApplicationParts> m_parts;
  std::unique_ptr<SettingsWindow> m_settings;
};

void DocumentWindowTest::init() {
  m_parts = std::make_unique<ApplicationParts>(m_clock);
  m_parts->motion.load({});
}

void DocumentWindowTest::cleanup() {
  m_settings.reset();
  m_parts.reset();
}

DocumentWindowTest::Document DocumentWindowTest::open(const QString &which) {
  ApplicationParts &p = *m_parts;
  if (which == "settings") {
    m_settings = std::make_unique<SettingsWindow>(p.setup, p.ui, p.identity, p.folders);
    SettingsWindow *w = m_settings.get();
    w->show();
    return {w, "Settings", ".sst", "\"Jaw\"",
            [w] { child<QLineEdit>(w, "txtServoName(0)")->setText("Jaw"); },
            [w](const std::string &path) { w->openServoSettings(path); }};
  }
  ScriptWindow *w = &p.scriptWindow();
  w->showBeside(p.controls);
  return {w, "Script", ".tvk", "\"WAIT\"",
          [w] { QTest::mouseClick(child<QPushButton>(w, "cmbHold"), Qt::LeftButton); },
          [w](const std::string &path) { w->openFile(path); }};
}

QByteArray DocumentWindowTest::contents(const QString &name) const {
  QFile file(QString::fromStdString(path(name)));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void DocumentWindowTest::saveWritesTheDocumentsOwnFileAndSaveAsAsks_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<bool>("opened");     // the document came from the file "old"
  QTest::addColumn<QString>("command"); // the menu item, after an edit
  QTest::addColumn<QString>("answer");  // the name given in a save dialog; none cancels
  QTest::addColumn<bool>("asked");      // a save dialog was shown
  QTest::addColumn<QString>("written"); // the file that holds the edit now; none for none
  QTest::addColumn<QString>("caption"); // the file the caption names after

  for (const QString window : {"settings", "script"}) {
    const QByteArray w = window.toLatin1();
    QTest::newRow(w + ", a new document's Save asks") << window << false << "mnuFSave" << "new" << true << "new" << "new";
    QTest::newRow(w + ", Save writes the opened file") << window << true << "mnuFSave" << "" << false << "old" << "old";
    QTest::newRow(w + ", Save As asks all the same") << window << true << "mnuFSaveAs" << "copy" << true << "copy" << "copy";
    QTest::newRow(w + ", Save As cancelled") << window << true << "mnuFSaveAs" << "" << true << "" << "old";
  }
}

void DocumentWindowTest::saveWritesTheDocumentsOwnFileAndSaveAsAsks() {
  QFETCH(QString, window);
  QFETCH(bool, opened);
  QFETCH(QString, command);
  QFETCH(QString, answer);
  QFETCH(bool, asked);
  QFETCH(QString, written);
  QFETCH(QString, caption);
  Document doc = open(window);
  ScriptedUiServices &ui = m_parts->ui;
  const QString old = "old" + doc.extension;
  if (opened) {
    // A file of the window's own writing, with no edit in it.
    ui.answerFile(path(old));
    child<QAction>(doc.window, "mnuFSaveAs")->trigger();
    doc.open(path(old));
    QVERIFY(!doc.window->isWindowModified());
    ui.clear();
  }
  const QByteArray before = contents(old);

  doc.makeEdit();
  QVERIFY(doc.window->isWindowModified());
  if (!answer.isEmpty()) ui.answerFile(path(answer)); // typed without the extension
  child<QAction>(doc.window, qPrintable(command))->trigger();

  QCOMPARE(!ui.boxes().empty() && ui.boxes()[0].kind == Kind::SaveFile, asked);
  QCOMPARE(ui.messageTexts(), std::vector<std::string>{});
  for (const QString name : {"old", "new", "copy"})
    QCOMPARE(contents(name + doc.extension).contains(doc.edit), name == written);
  if (written != "old") QCOMPARE(contents(old), before);
  QCOMPARE(doc.window->windowTitle(), doc.title + " - " + caption + doc.extension + "[*]");
  QCOMPARE(doc.window->isWindowModified(), written.isEmpty());

  // From now on Save writes where the document was last saved, asking nothing.
  if (!written.isEmpty()) {
    ui.clear();
    QFile::remove(QString::fromStdString(path(written + doc.extension)));
    child<QAction>(doc.window, "mnuFSave")->trigger();
    QVERIFY(ui.boxes().empty());
    QVERIFY(contents(written + doc.extension).contains(doc.edit));
  }
}

void DocumentWindowTest::fileCommandsHaveTheDesktopsKeys_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<QKeySequence>("keys");
  QTest::addColumn<QString>("command");
  for (const QString window : {"settings", "script"}) {
    const QByteArray w = window.toLatin1();
    QTest::newRow(w + ", Ctrl+O") << window << QKeySequence("Ctrl+O") << "mnuFOpen";
    QTest::newRow(w + ", Ctrl+S") << window << QKeySequence("Ctrl+S") << "mnuFSave";
    QTest::newRow(w + ", Ctrl+Shift+S") << window << QKeySequence("Ctrl+Shift+S") << "mnuFSaveAs";
  }
  // Quitting is the settings window's; the script window's Exit only hides it.
  QTest::newRow("settings, Ctrl+Q") << "settings" << QKeySequence("Ctrl+Q") << "mnuFExit";
}

void DocumentWindowTest::fileCommandsHaveTheDesktopsKeys() {
  QFETCH(QString, window);
  QFETCH(QKeySequence, keys);
  QFETCH(QString, command);
  Document doc = open(window);
  doc.window->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(doc.window));
  auto *action = child<QAction>(doc.window, command);
  QSignalSpy triggered(action, &QAction::triggered);
  QTest::keySequence(doc.window, keys); // every box it opens is cancelled
  QCOMPARE(triggered.count(), 1);
  QVERIFY(action->shortcuts().contains(keys)); // and the menu shows it

  // A running script's File menu is out of reach, by key too.
  if (window == "script") {
    m_parts->script.lines().load({"WAIT"});
    QTest::mouseClick(child<QPushButton>(doc.window, "cmbRun"), Qt::LeftButton);
    QVERIFY(!m_parts->runner.idle());
    QTest::keySequence(doc.window, keys);
    QCOMPARE(triggered.count(), 1);
  }
}

void DocumentWindowTest::saveChangesIsAnsweredByAccessKeys_data() {
  QTest::addColumn<QKeySequence>("keys");
  QTest::addColumn<MessageAnswer>("answer");
  QTest::newRow("Alt+S") << QKeySequence("Alt+S") << MessageAnswer::Save;
  QTest::newRow("Alt+D") << QKeySequence("Alt+D") << MessageAnswer::Discard;
  QTest::newRow("Alt+C") << QKeySequence("Alt+C") << MessageAnswer::Cancel;
  QTest::newRow("Escape") << QKeySequence(Qt::Key_Escape) << MessageAnswer::Cancel;
}

void DocumentWindowTest::saveChangesIsAnsweredByAccessKeys() {
  QFETCH(QKeySequence, keys);
  QFETCH(MessageAnswer, answer);
  QtUiServices ui; // the real box
  QTimer::singleShot(0, this, [keys] {
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box) return;
    if (QTest::qWaitForWindowActive(box)) QTest::keySequence(box, keys);
    // A button's access key presses it a moment later; a box left unanswered is closed with
    // no answer, which the comparison below tells.
    if (!QTest::qWaitFor([box] { return !box->isVisible(); })) box->done(-1);
  });
  QCOMPARE(ui.messageBox("Save changes to the script?", "Quarnel", MessageIcon::Question,
                         MessageButtons::SaveDiscardCancel),
           answer);
}

QTEST_MAIN(DocumentWindowTest)
#include "document_window_test.moc"
