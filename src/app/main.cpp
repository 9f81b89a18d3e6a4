// The program entry: the application object with its title, the main window
// and the hidden help dialog, then the event loop.
#include <exception>

#include <QApplication>

#include "error_display.h"
#include "help_dialog.h"
#include "main_window.h"
#include "media/media_players.h"
#include "message_boxes.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  // The title names the program in the task list and captions its boxes.
  QApplication::setApplicationName(QString::fromUtf16(trimbol::app::kAppTitle));
  trimbol::app::ModalMessageBoxes boxes;
  trimbol::app::ErrorDisplay startupErrors(boxes, nullptr);
  startupErrors.Run([&] {
    trimbol::media::MediaPlayers media;
    trimbol::app::MainWindow window(media, &boxes);
    trimbol::app::HelpDialog help;
    window.AttachHelpDialog(help);
    window.show();
    QApplication::exec();
  });
  return 0;
}
