// Captions in a fixed layout: a control cannot grow for a longer language,
// so a text wider than its control's room is drawn a little smaller instead
// of cut off. A text that fits keeps the layout's font untouched.
#pragma once

#include <QFont>
#include <QString>

class QAbstractButton;
class QLineEdit;

namespace trimbol::app {

// `font`, or the largest smaller pixel size (down to 8) at which `text`
// takes no more than `room` pixels.
QFont FittedFont(const QFont& font, const QString& text, int room);

// Gives a push button or check box the font its caption fits in.
void FitCaption(QAbstractButton& control);

// Shows `text` in the line, in `font` or as much smaller as it needs.
void ShowFitted(QLineEdit& line, const QFont& font, const QString& text);

}  // namespace trimbol::app
