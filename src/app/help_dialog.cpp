// The help dialog's layout and its one operation.
#include "help_dialog.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>

#include "fitted_font.h"

namespace trimbol::app {

HelpDialog::HelpDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      okButton_(new QPushButton(tr("OK"), this)),
      cancelButton_(new QPushButton(tr("Cancel"), this)),
      textBox_(new QTextEdit(this)) {
  setObjectName(QStringLiteral("OKBottomDlg"));
  setWindowTitle(tr("Помощь"));  // replaced before every showing
  setFixedSize(313, 214);

  okButton_->setObjectName(QStringLiteral("OKBtn"));
  okButton_->setGeometry(79, 180, 75, 25);
  okButton_->setDefault(true);  // Enter
  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

  // Esc reaches QDialog::reject by itself; the button does the same.
  cancelButton_->setObjectName(QStringLiteral("CancelBtn"));
  cancelButton_->setGeometry(159, 180, 75, 25);
  for (QPushButton* button : {okButton_, cancelButton_}) FitCaption(*button);
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);

  textBox_->setObjectName(QStringLiteral("RichEdit1"));
  textBox_->setGeometry(0, 8, 313, 169);
  textBox_->setAcceptRichText(false);
  textBox_->setLineWrapMode(QTextEdit::WidgetWidth);
  textBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The instructions run past the bottom at the usual dialog fonts; a scroll
  // bar shows that there is more, and only then.
  textBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  textBox_->setPlainText(QStringLiteral("RichEdit1"));

  setTabOrder(okButton_, cancelButton_);
  setTabOrder(cancelButton_, textBox_);
}

void HelpDialog::ShowText(const QString& caption, const QString& text) {
  setWindowTitle(caption);
  textBox_->setPlainText(text);
  okButton_->setFocus();
  exec();
}

void HelpDialog::showEvent(QShowEvent* event) {
  // Centred on the screen, not over the main window.
  if (const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->geometry().center());
    move(frame.topLeft());
  }
  QDialog::showEvent(event);
}

}  // namespace trimbol::app
