// The small modal dialog that shows the instructions or the about text.
#pragma once

#include <QDialog>

class QPushButton;
class QTextEdit;

namespace trimbol::app {

class HelpDialog : public QDialog {
  Q_OBJECT

 public:
  explicit HelpDialog(QWidget* parent = nullptr);

  // Sets the caption, replaces the whole text (plain text) and shows the
  // dialog modally; how it was closed does not matter.
  void ShowText(const QString& caption, const QString& text);

  QPushButton* okButton() const { return okButton_; }
  QPushButton* cancelButton() const { return cancelButton_; }
  QTextEdit* textBox() const { return textBox_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QPushButton* okButton_;
  QPushButton* cancelButton_;
  QTextEdit* textBox_;
};

}  // namespace trimbol::app
