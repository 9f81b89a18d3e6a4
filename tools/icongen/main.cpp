// trimbol-icongen OUTDIR NAME: writes the game's icon as OUTDIR/hicolor/
// SIZExSIZE/apps/NAME.png at every size the icon theme gets, each drawn
// at its own size.
#include <QDir>
#include <QImage>
#include <QString>

#include <exception>
#include <iostream>
#include <stdexcept>

#include "pictures/app_icon.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: trimbol-icongen OUTDIR NAME\n";
    return 2;
  }
  try {
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int size : trimbol::pictures::kAppIconSizes) {
      const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(root).arg(size);
      const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
      if (!QDir().mkpath(folder) || !trimbol::pictures::AppIconImage(size).save(path, "PNG"))
        throw std::runtime_error("cannot write " + path.toStdString());
    }
    return 0;
  } catch (const std::exception& e) {
    std::cerr << "trimbol-icongen: " << e.what() << '\n';
    return 1;
  }
}
