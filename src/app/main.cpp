// The program entry: the command line, the application object with its
// names, the main window, then the event loop.
#include <exception>
#include <optional>

#include <QApplication>

#include "application_identity.h"
#include "command_line.h"
#include "desktop_looks.h"
#include "error_display.h"
#include "game_sound.h"
#include "main_window.h"
#include "message_boxes.h"
#include "translations.h"

int main(int argc, char* argv[]) {
  trimbol::app::NameApplication();
  if (const std::optional<int> status = trimbol::app::HandleCommandLine(argc, argv)) return *status;
  QApplication application(argc, argv);
  trimbol::app::InstallTranslations(application);
  trimbol::app::ModalMessageBoxes boxes;
  trimbol::app::ErrorDisplay startupErrors(boxes, nullptr);
  startupErrors.Run([&] {
    trimbol::app::MainWindow window(trimbol::app::GameSound::InstalledModulePath(), &boxes);
    // The desktop's looks are asked for once the game is on the screen, so
    // the start never waits for the bus.
    trimbol::app::DesktopLooks looks;
    QObject::connect(&looks, &trimbol::app::DesktopLooks::changed, &window, &trimbol::app::MainWindow::FollowDesktop);
    QObject::connect(&window, &trimbol::app::MainWindow::firstPainted, &looks, &trimbol::app::DesktopLooks::Start,
                     Qt::QueuedConnection);
    window.show();
    QApplication::exec();
  });
  return 0;
}
