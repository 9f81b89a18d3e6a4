// The real modal boxes, captioned with the application's title.
#include "message_boxes.h"

#include <QMessageBox>

#include "shown_text.h"

namespace trimbol::app {
namespace {

void Show(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
  QMessageBox box(icon, AppTitle(), text, QMessageBox::Ok, parent);
  // Plain text keeps the spaces that centre the result messages.
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace

void ModalMessageBoxes::ShowMessage(QWidget* parent, const QString& text) {
  Show(parent, QMessageBox::NoIcon, text);
}

void ModalMessageBoxes::ShowError(QWidget* parent, const QString& text) {
  Show(parent, QMessageBox::Critical, text);
}

}  // namespace trimbol::app
