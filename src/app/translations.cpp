// Choosing and installing the catalogs.
#include "translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace trimbol::app {
namespace {

// Where a catalog of the game lies: embedded in the program.
QString CatalogPath(const QString& folder, const QString& language) {
  return folder + QStringLiteral("/trimbol_") + language + QStringLiteral(".qm");
}

// Installs the catalog if it can be read; a missing one leaves the source texts.
void Install(QCoreApplication& application, const QString& file, const QString& folder) {
  auto* catalog = new QTranslator(&application);
  if (catalog->load(file, folder)) {
    QCoreApplication::installTranslator(catalog);
  } else {
    delete catalog;
  }
}

}  // namespace

QString ChooseLanguage(const QStringList& uiLanguages, const QString& catalogFolder) {
  for (const QString& entry : uiLanguages) {
    if (entry == QLatin1String("C") || entry == QLatin1String("POSIX")) return QStringLiteral("C");
    // "de-AT" and "de" both ask for the German catalog; "pt-BR" and
    // "zh-Hans-CN" ask for a catalog of their country first.
    const QStringList parts = QString(entry).replace(QLatin1Char('_'), QLatin1Char('-')).split(QLatin1Char('-'));
    const QString language = parts.first().toLower();
    if (language == QLatin1String("ru")) return language;
    if (parts.size() > 1 && parts.last().size() == 2) {
      const QString country = language + QLatin1Char('_') + parts.last().toUpper();
      if (QFileInfo::exists(CatalogPath(catalogFolder, country))) return country;
    }
    if (QFileInfo::exists(CatalogPath(catalogFolder, language))) return language;
  }
  return QStringLiteral("en");
}

QString InstallTranslations(QCoreApplication& application) {
  const QString language = ChooseLanguage(QLocale::system().uiLanguages());
  // The C locale keeps the game's Russian and Qt's English, as they are written.
  if (language == QLatin1String("C")) return language;
  if (language != QLatin1String("ru")) Install(application, CatalogPath(QStringLiteral(":/i18n"), language), {});
  // Qt's own words (standard buttons, key names) in the same language.
  Install(application, QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  return language;
}

}  // namespace trimbol::app
