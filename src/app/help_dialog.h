// TOKBottomDlg: the small modal dialog that shows the instructions or the
// about text.
#pragma once

#include <QDialog>

class QPushButton;
class QTextEdit;

namespace trimbol::app {

class TOKBottomDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TOKBottomDlg(QWidget* parent = nullptr);

  // Sets the caption, replaces the whole text (plain text) and shows the
  // dialog modally; how it was closed does not matter.
  void ShowText(const QString& caption, const QString& text);

  QPushButton* OKBtn() const { return OKBtn_; }
  QPushButton* CancelBtn() const { return CancelBtn_; }
  QTextEdit* RichEdit1() const { return RichEdit1_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QPushButton* OKBtn_;
  QPushButton* CancelBtn_;
  QTextEdit* RichEdit1_;
};

}  // namespace trimbol::app
