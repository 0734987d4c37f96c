// The programs speak the desktop's language: their own texts, and Qt's for its standard
// buttons and command-line help, when a translation into that language is installed.
#pragma once

#include <QCoreApplication>
#include <QStringList>

namespace quarnel {

// Installs in `app` the translations for the first of `languages` (most wanted first, as
// QLocale::uiLanguages() gives them) that the program has, looked for beside the program
// (the build tree) and in the installed layout's folder. English, the texts' own language,
// ends the search, as does a language the program has. The language found, or empty.
QString installTranslations(QCoreApplication &app, const QStringList &languages);

// The same for the desktop's languages: $LANGUAGE, then $LC_ALL, $LC_MESSAGES and $LANG.
QString installDesktopTranslations(QCoreApplication &app);

} // namespace quarnel
