// The program's name, version and desktop entry id, as the build sets them.
#include "application_identity.h"

#include <QGuiApplication>
#include <QString>

namespace trimbol::app {

void NameApplication() {
  // ASCII, so that the window's class matches StartupWMClass in the desktop
  // entry; on Wayland the desktop file name is the window's app id.
  QCoreApplication::setApplicationName(QStringLiteral("trimbol"));
  QCoreApplication::setApplicationVersion(QStringLiteral(TRIMBOL_VERSION));
  QGuiApplication::setDesktopFileName(QStringLiteral(TRIMBOL_APP_ID));
}

}  // namespace trimbol::app
