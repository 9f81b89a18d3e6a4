// The one place where exceptions stop: every handler entry point runs
// through ErrorDisplay::Run, so nothing is thrown through Qt's event loop.
// A failure is shown in the error box and the program goes on.
#pragma once

#include <exception>
#include <utility>

#include <QString>

#include "message_boxes.h"

class QWidget;

namespace trimbol::app {

// The error box's text: the message, with a full stop appended when the
// message is not empty and its last character sorts after "." (so "...file
// k1.bmp" gets one, while a text ending in ".", "!" or a space does not).
QString ErrorBoxText(const char* message);

class ErrorDisplay {
 public:
  ErrorDisplay(MessageBoxes& boxes, QWidget* parent) : boxes_(boxes), parent_(parent) {}

  // Shows the error box for one failure; never throws.
  void Show(const std::exception& error) noexcept;

  // Runs one handler. Returns false when it failed and the box was shown.
  template <class Handler>
  bool Run(Handler&& handler) noexcept {
    try {
      std::forward<Handler>(handler)();
      return true;
    } catch (const std::exception& error) {
      Show(error);
    } catch (...) {
      // Anything that is not an exception is shown with an empty message.
      Show(std::exception());
    }
    return false;
  }

 private:
  MessageBoxes& boxes_;
  QWidget* parent_;
};

}  // namespace trimbol::app
