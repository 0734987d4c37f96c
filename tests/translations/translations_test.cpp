// The German translation as a user whose desktop asks for German meets it: found beside the
// program, in a real window's menu and caption, in a model's message, and in Qt's own standard
// buttons; and which of the desktop's languages wins.
#include "program_translations.h"
#include "scripted_ui_services.h"
#include "servos/servo_rules.h"
#include "settings/settings_window.h"

#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

using namespace quarnel;

class TranslationsTest : public QObject {
  Q_OBJECT

private slots:
  void theDesktopsGermanReachesWindowsModelsAndQt();
  void theFirstLanguageTheProgramHasWins_data();
  void theFirstLanguageTheProgramHasWins();
};

void TranslationsTest::theDesktopsGermanReachesWindowsModelsAndQt() {
  QCOMPARE(installDesktopTranslations(*qApp), QString("de"));

  QTemporaryDir folder;
  const AppIdentity identity = AppIdentity::quarnel(folder.path().toStdString());
  ScriptedUiServices ui;
  SetupRecord setup;
  DocumentFolders folders("/home/user");
  SettingsWindow window(setup, ui, identity, folders);
  QCOMPARE(window.menuBar()->actions().first()->text(), QString("&Datei"));
  QCOMPARE(window.windowTitle(), QString("Einstellungen[*]"));

  QCOMPARE(nameCheckMessage("").value_or(""), "Der Name des Servos darf nicht leer sein und keine Leerzeichen enthalten");

  QMessageBox box;
  box.setStandardButtons(QMessageBox::Save);
  QCOMPARE(box.button(QMessageBox::Save)->text(), QString("Speichern"));
}

void TranslationsTest::theFirstLanguageTheProgramHasWins_data() {
  QTest::addColumn<QStringList>("languages");
  QTest::addColumn<QString>("installed");
  QTest::addColumn<QString>("file");
  QTest::newRow("German") << QStringList{"de-DE"} << "de-DE" << "&Datei";
  QTest::newRow("Austrian German takes German") << QStringList{"de-AT"} << "de-AT" << "&Datei";
  QTest::newRow("French missing, German next") << QStringList{"fr-FR", "de-DE"} << "de-DE" << "&Datei";
  QTest::newRow("English first") << QStringList{"en-US", "de-DE"} << "" << "&File";
  QTest::newRow("no language") << QStringList{"C"} << "" << "&File";
}

void TranslationsTest::theFirstLanguageTheProgramHasWins() {
  QFETCH(QStringList, languages);
  for (QTranslator *installed : qApp->findChildren<QTranslator *>()) {
    QCoreApplication::removeTranslator(installed);
    delete installed;
  }
  QTEST(installTranslations(*qApp, languages), "installed");
  QTEST(SettingsWindow::tr("&File"), "file");
}

int main(int argc, char **argv) {
  // What the desktop session sets; Qt reads it once, when it first asks for the system's locale.
  qputenv("LANGUAGE", "de");
  QApplication app(argc, argv);
  TranslationsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "translations_test.moc"
