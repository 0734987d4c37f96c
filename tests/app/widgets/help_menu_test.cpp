// The Help menu of the settings, control and script windows, with real widgets on the offscreen
// platform and a scripted user: F1 hands the manual the build laid out beside its bin/ to the
// browser, as an installation has it, and a manual that is not there is said.
#include "application_parts.h"
#include "find_child.h"
#include "manual_clock.h"
#include "settings/settings_window.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QUrl>

#include <memory>

using namespace quarnel;

class HelpMenuTest : public QObject {
  Q_OBJECT

public slots:
  // The browser, as the desktop would start it.
  void browse(const QUrl &url) { m_browsed << url; }

private slots:
  void initTestCase();
  void cleanupTestCase() { QDesktopServices::unsetUrlHandler("file"); }
  void cleanup();

  void f1OpensTheManualOrSaysItIsMissing_data();
  void f1OpensTheManualOrSaysItIsMissing();

private:
  ManualClock m_clock;
  QList<QUrl> m_browsed;
  std::unique_ptr<ApplicationParts> m_parts;
  std::unique_ptr<SettingsWindow> m_settings;
};

void HelpMenuTest::initTestCase() {
  QApplication::setQuitOnLastWindowClosed(false);
  QDesktopServices::setUrlHandler("file", this, "browse");
}

void HelpMenuTest::cleanup() {
  m_settings.reset();
  m_parts.reset();
  m_browsed.clear();
}

void HelpMenuTest::f1OpensTheManualOrSaysItIsMissing_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<bool>("installed"); // the program runs from the build's bin/, not a bare folder
  for (const QString window : {"settings", "control", "script"}) {
    QTest::newRow(qPrintable(window + ", the manual there")) << window << true;
    QTest::newRow(qPrintable(window + ", no manual")) << window << false;
  }
}

void HelpMenuTest::f1OpensTheManualOrSaysItIsMissing() {
  QFETCH(QString, window);
  QFETCH(bool, installed);
  m_parts = std::make_unique<ApplicationParts>(m_clock);
  ApplicationParts &p = *m_parts;
  QMainWindow *shown = &p.controls;
  if (window == "settings") {
    m_settings = std::make_unique<SettingsWindow>(p.setup, p.ui, p.identity, p.folders);
    shown = m_settings.get();
  } else if (window == "script") {
    shown = &p.scriptWindow();
  }
  if (installed) p.identity.folder = QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
  shown->show();
  shown->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(shown));

  // The last menu of the bar, with the manual on F1 and About under it.
  QMenu *help = shown->menuBar()->actions().constLast()->menu();
  QVERIFY(help);
  QCOMPARE(help->objectName(), QString("mnuHelp"));
  QVERIFY(child<QAction>(help, "mnuAbout"));
  QTest::keyClick(shown, Qt::Key_F1);

  if (installed) {
    QCOMPARE(m_browsed, QList<QUrl>{QUrl::fromLocalFile(BUILT_MANUAL)});
    QVERIFY(p.ui.boxes().empty());
  } else {
    QVERIFY(m_browsed.isEmpty());
    QCOMPARE(p.ui.boxes().size(), size_t(1));
    QCOMPARE(p.ui.boxes()[0].icon, MessageIcon::Warning);
    QVERIFY2(QString::fromStdString(p.ui.boxes()[0].text).contains("/share/doc/quarnel/manual/index.html is missing"),
             p.ui.boxes()[0].text.c_str());
  }
}

QTEST_MAIN(HelpMenuTest)
#include "help_menu_test.moc"
