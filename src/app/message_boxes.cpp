// The real modal boxes, captioned with the application's title.
#include "message_boxes.h"

#include <QMessageBox>

#include "shown_text.h"

namespace trimbol::app {

std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, bool error, const QString& text) {
  auto box = std::make_unique<QMessageBox>(error ? QMessageBox::Critical : QMessageBox::NoIcon, AppTitle(), text,
                                           QMessageBox::Ok, parent);
  // Plain text keeps the spaces that centre the result messages.
  box->setTextFormat(Qt::PlainText);
  return box;
}

void ModalMessageBoxes::ShowMessage(QWidget* parent, const QString& text) {
  MakeMessageBox(parent, false, text)->exec();
}

void ModalMessageBoxes::ShowError(QWidget* parent, const QString& text) {
  MakeMessageBox(parent, true, text)->exec();
}

}  // namespace trimbol::app
