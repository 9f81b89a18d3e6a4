// The language the game speaks: the desktop's, where the game has a catalog
// for it, else English; Russian, the language the game is written in, and
// the C locale load no catalog at all.
#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace trimbol::app {

// The language to speak for the desktop's languages in order of preference
// (QLocale::uiLanguages()): "C" for the C locale, "ru" for Russian, else the
// first one with a catalog in `catalogFolder` ("pt_BR" before "pt"), else "en".
QString ChooseLanguage(const QStringList& uiLanguages, const QString& catalogFolder = QStringLiteral(":/i18n"));

// Installs the game's catalog and Qt's own for the desktop's language; a
// missing Qt catalog is no error. Returns the language chosen.
QString InstallTranslations(QCoreApplication& application);

}  // namespace trimbol::app
