// The two kinds of modal box the game shows: the result message and the
// error box. They sit behind this interface so that tests can record them
// instead of blocking on a nested event loop.
#pragma once

#include <memory>

#include <QString>

class QMessageBox;
class QWidget;

namespace trimbol::app {

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // A box with the text and one OK button; returns when it is closed.
  virtual void ShowMessage(QWidget* parent, const QString& text) = 0;
  // The error box: stop icon, OK button, the text as given.
  virtual void ShowError(QWidget* parent, const QString& text) = 0;
};

// The real box for `text`, not yet shown: the error box when `error`.
std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, bool error, const QString& text);

// The real, modal boxes.
class ModalMessageBoxes final : public MessageBoxes {
 public:
  void ShowMessage(QWidget* parent, const QString& text) override;
  void ShowError(QWidget* parent, const QString& text) override;
};

}  // namespace trimbol::app
