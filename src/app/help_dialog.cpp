// The layout of TOKBottomDlg and its one operation.
#include "help_dialog.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>

namespace trimbol::app {

TOKBottomDlg::TOKBottomDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      OKBtn_(new QPushButton(QStringLiteral("OK"), this)),
      CancelBtn_(new QPushButton(QStringLiteral("Cancel"), this)),
      RichEdit1_(new QTextEdit(this)) {
  setObjectName(QStringLiteral("OKBottomDlg"));
  setWindowTitle(QStringLiteral("Помощь"));  // replaced before every showing
  setFixedSize(313, 214);

  OKBtn_->setObjectName(QStringLiteral("OKBtn"));
  OKBtn_->setGeometry(79, 180, 75, 25);
  OKBtn_->setDefault(true);  // Enter
  connect(OKBtn_, &QPushButton::clicked, this, &QDialog::accept);

  // Esc reaches QDialog::reject by itself; the button does the same.
  CancelBtn_->setObjectName(QStringLiteral("CancelBtn"));
  CancelBtn_->setGeometry(159, 180, 75, 25);
  connect(CancelBtn_, &QPushButton::clicked, this, &QDialog::reject);

  RichEdit1_->setObjectName(QStringLiteral("RichEdit1"));
  RichEdit1_->setGeometry(0, 8, 313, 169);
  RichEdit1_->setAcceptRichText(false);
  RichEdit1_->setLineWrapMode(QTextEdit::WidgetWidth);
  RichEdit1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  RichEdit1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  RichEdit1_->setPlainText(QStringLiteral("RichEdit1"));

  setTabOrder(OKBtn_, CancelBtn_);
  setTabOrder(CancelBtn_, RichEdit1_);
}

void TOKBottomDlg::ShowText(const QString& caption, const QString& text) {
  setWindowTitle(caption);
  RichEdit1_->setPlainText(text);
  OKBtn_->setFocus();
  exec();
}

void TOKBottomDlg::showEvent(QShowEvent* event) {
  // Centred on the screen, not over the main window.
  if (const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->geometry().center());
    move(frame.topLeft());
  }
  QDialog::showEvent(event);
}

}  // namespace trimbol::app
