// The data folders come from QStandardPaths, which reads the XDG variables
// at each call.
#include "data_files.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QString>

namespace trimbol::app {

std::string FindDataFile(std::string_view name) {
  const QString bare = QString::fromUtf8(name);
  // A folder or a broken link of that name is passed over, as it could not be played.
  if (QFileInfo(bare).isFile()) return std::string(name);
  for (const QString& folder : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
    const QString path = folder + QStringLiteral("/trimbol/") + bare;
    if (QFileInfo(path).isFile()) return path.toStdString();
  }
  return std::string(name);
}

}  // namespace trimbol::app
