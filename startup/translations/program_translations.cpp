// Finding and installing the translations of the program and of Qt.
#include "program_translations.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace quarnel {

namespace {

// The program's translations: beside it in the build tree, else where the installation keeps
// them.
QStringList translationFolders() {
  const QString programFolder = QCoreApplication::applicationDirPath();
  return {programFolder + "/translations", programFolder + "/" QUARNEL_TRANSLATIONS_DIR};
}

bool install(QCoreApplication &app, const QLocale &locale, const QString &name, const QString &folder) {
  auto *translator = new QTranslator(&app);
  if (translator->load(locale, name, "_", folder) && app.installTranslator(translator)) return true;
  delete translator;
  return false;
}

} // namespace

QString installTranslations(QCoreApplication &app, const QStringList &languages) {
  for (const QString &language : languages) {
    const QLocale locale(language);
    if (locale.language() == QLocale::English) return {};
    for (const QString &folder : translationFolders()) {
      if (!install(app, locale, "quarnel", folder)) continue;
      // Qt's own for the same language, when the system has them.
      install(app, locale, "qtbase", QLibraryInfo::path(QLibraryInfo::TranslationsPath));
      return language;
    }
  }
  return {};
}

QString installDesktopTranslations(QCoreApplication &app) {
  return installTranslations(app, QLocale::system().uiLanguages());
}

} // namespace quarnel
