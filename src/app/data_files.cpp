// The data folders come from QStandardPaths, which reads the XDG variables
// at each call.
#include "data_files.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QString>

namespace trimbol::app {
namespace {

QStringList DataFolders() {
  QStringList folders;
  // The XDG rules ignore a relative entry, which would be looked up from
  // whatever folder the game was started in.
  for (const QString& folder : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
    if (QDir::isAbsolutePath(folder)) folders << folder;
  }
  // In place of a relative data home, the default one.
  const QString home = qEnvironmentVariable("XDG_DATA_HOME");
  if (!home.isEmpty() && QDir::isRelativePath(home)) folders.prepend(QDir::homePath() + QStringLiteral("/.local/share"));
  return folders;
}

}  // namespace

std::string FindDataFile(std::string_view name) {
  const QString bare = QString::fromUtf8(name);
  // A folder or a broken link of that name is passed over, as it could not be played.
  if (QFileInfo(bare).isFile()) return std::string(name);
  for (const QString& folder : DataFolders()) {
    const QString path = folder + QStringLiteral("/trimbol/") + bare;
    if (QFileInfo(path).isFile()) return path.toStdString();
  }
  return std::string(name);
}

}  // namespace trimbol::app
