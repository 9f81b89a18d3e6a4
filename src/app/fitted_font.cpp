// Measuring a text against the room its control's style leaves for it.
#include "fitted_font.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace trimbol::app {
namespace {

constexpr int kSmallestPixels = 8;
// QLineEdit keeps this much free on each side of its text.
constexpr int kLineEditMargin = 2;

}  // namespace

QFont FittedFont(const QFont& font, const QString& text, int room) {
  if (QFontMetrics(font).horizontalAdvance(text) <= room) return font;
  QFont fitted = font;
  // A font given in points is made smaller in pixels.
  if (fitted.pixelSize() < 0) fitted.setPixelSize(QFontInfo(font).pixelSize());
  while (QFontMetrics(fitted).horizontalAdvance(text) > room && fitted.pixelSize() > kSmallestPixels) {
    fitted.setPixelSize(fitted.pixelSize() - 1);
  }
  return fitted;
}

void FitCaption(QAbstractButton& control) {
  QStyleOptionButton option;
  option.initFrom(&control);
  option.text = control.text();
  const bool box = qobject_cast<QCheckBox*>(&control) != nullptr;
  const QRect room = control.style()->subElementRect(box ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents,
                                                     &option, &control);
  const QFont fitted = FittedFont(control.font(), control.text(), room.width());
  if (fitted != control.font()) control.setFont(fitted);
}

void ShowFitted(QLineEdit& line, const QFont& font, const QString& text) {
  const QMargins margins = line.textMargins();
  const int room = line.width() - margins.left() - margins.right() - 2 * kLineEditMargin;
  const QFont fitted = FittedFont(font, text, room);
  if (fitted != line.font()) line.setFont(fitted);
  line.setText(text);
}

}  // namespace trimbol::app
