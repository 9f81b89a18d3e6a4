// The error box's text rule and the display of one failure.
#include "error_display.h"

#include <typeinfo>

namespace trimbol::app {

QString ErrorBoxText(const char* message) {
  QString text = QString::fromUtf8(message);
  if (!text.isEmpty() && text.back() > QLatin1Char('.')) text += QLatin1Char('.');
  return text;
}

void ErrorDisplay::Show(const std::exception& error) noexcept {
  // std::exception's own what() is implementation text; it carries no message.
  const char* message = typeid(error) == typeid(std::exception) ? "" : error.what();
  try {
    boxes_.ShowError(parent_, ErrorBoxText(message));
  } catch (...) {
    // Failing to show a failure leaves nothing more to do; the program goes on.
  }
}

}  // namespace trimbol::app
