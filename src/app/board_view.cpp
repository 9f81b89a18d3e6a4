// The keyboard's cursor, its frame, and what the board tells a screen reader.
#include "board_view.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QToolTip>
#include <QtGlobal>

#include <optional>

#include "board_accessible.h"
#include "engine/board_cursor.h"
#include "engine/board_geometry.h"

namespace trimbol::app {
namespace {

// The frame lies in the gap around a cell's picture, half the gap wide: a
// yellow band between two black lines, which stands out on the sky blue, the
// navy grid and every piece.
constexpr int kFrameWidth = 5;
constexpr QColor kFrameBand(255, 221, 0);

// The hint's ring blinks at 2 Hz for two seconds: on and off every quarter
// second, eight times.
constexpr int kHintHalfPeriodMs = 250;
constexpr int kHintHalfPeriods = 8;
constexpr int kRingWidth = 4;

// The arrows and the keys that jump, as cursor steps; nothing for others.
std::optional<CursorStep> StepOf(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
  const bool control = modifiers == Qt::ControlModifier;
  if (modifiers != Qt::NoModifier && !control) return std::nullopt;
  switch (event.key()) {
    case Qt::Key_Left:
      return control ? CursorStep::kPreviousLayer : CursorStep::kLeft;
    case Qt::Key_Right:
      return control ? CursorStep::kNextLayer : CursorStep::kRight;
    default:
      break;
  }
  if (control) return std::nullopt;
  switch (event.key()) {
    case Qt::Key_Up:
      return CursorStep::kUp;
    case Qt::Key_Down:
      return CursorStep::kDown;
    case Qt::Key_PageUp:
      return CursorStep::kPreviousLayer;
    case Qt::Key_PageDown:
      return CursorStep::kNextLayer;
    case Qt::Key_Home:
      return CursorStep::kLayerFirst;
    case Qt::Key_End:
      return CursorStep::kLayerLast;
    default:
      return std::nullopt;
  }
}

bool IsChoice(const QKeyEvent& event) {
  const int key = event.key();
  return (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
         (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space);
}

}  // namespace

BoardView::BoardView(QWidget* window) : QWidget(window), cursor_(kCursorStart) {
  InstallBoardAccessibility();
  setObjectName(QStringLiteral("Board"));
  // Over the pictures and the frames' room around them; the controls all
  // lie below.
  const int left = geometry::kLayerLeft[0] - kFrameWidth, top = geometry::kBoardTop - kFrameWidth;
  setGeometry(left, top, geometry::kBoardRight + kFrameWidth - left, geometry::kBoardBottom + kFrameWidth - top);
  // The window keeps the mouse: pointing and clicking work as they always did.
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::TabFocus);
  hintTimer_.setInterval(kHintHalfPeriodMs);
  connect(&hintTimer_, &QTimer::timeout, this, &BoardView::OnHintTick);
}

QRect BoardView::CellRect(Cell cell) const {
  const geometry::Point at = geometry::CellOrigin(cell);
  return {QPoint(at.x, at.y) - pos(), QSize(geometry::kPictureSize, geometry::kPictureSize)};
}

QRect BoardView::FrameRect(Cell cell) const {
  return CellRect(cell).adjusted(-kFrameWidth, -kFrameWidth, kFrameWidth, kFrameWidth);
}

void BoardView::SetCursor(Cell cell) {
  if (cell == cursor_) return;
  update(FrameRect(cursor_));
  cursor_ = cell;
  update(FrameRect(cursor_));
  TellFocus();
}

void BoardView::ShowBoard(const Board& board) {
  // The constant redraw shows the same board ten times a second: only a
  // cell that changed is told.
  for (int index = 0; index < kCells; ++index) {
    if (board[index] == board_[index]) continue;
    StopHint();  // a hint for another board would mislead
    board_[index] = board[index];
    TellCell(CellAt(index), QAccessible::NameChanged);
  }
}

void BoardView::BeginClick() {
  clickAnswer_ = {};
  inClick_ = true;
}

void BoardView::ShowPlacement(Cell cell, Side side, Placer placer) {
  if (!freshResult_) ClearResult();
  const Answer previous = lastAnswer_;
  if (placer == Placer::kComputer) {
    clickAnswer_ = lastAnswer_ = {cell, side.number()};
  } else {
    lastAnswer_ = {};
  }
  if (previous.side != 0 && !(previous.cell == lastAnswer_.cell)) {
    TellCell(previous.cell, QAccessible::DescriptionChanged);
  }
}

void BoardView::EndClick(Cell clicked) {
  inClick_ = freshResult_ = false;
  SetCursor(clicked);
  if (clickAnswer_.side == 0) return;
  const Cell answer = clickAnswer_.cell;
  clickAnswer_ = {};
  TellCell(answer, QAccessible::DescriptionChanged);
  if (answer == cursor_) {
    TellFocus();  // the cursor is there already: the reader is told again
  } else {
    SetCursor(answer);
  }
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  if (QAccessible::isActive()) {
    QAccessibleAnnouncementEvent announcement(
        this, CellName(answer, board_[CellIndex(answer)]) + QStringLiteral(", ") + ComputerAnswerText(lastAnswer_.side));
    QAccessible::updateAccessibility(&announcement);
  }
#endif
}

int BoardView::ComputerAnswerAt(Cell cell) const {
  // A new game or a taken-back move may have emptied the cell since.
  const bool holds = lastAnswer_.side != 0 && lastAnswer_.cell == cell && board_[CellIndex(cell)] == lastAnswer_.side;
  return holds ? lastAnswer_.side : 0;
}

void BoardView::ShowResult(const QString& result) {
  result_ = result;
  freshResult_ = inClick_;
  TellBoard(QAccessible::DescriptionChanged);
}

void BoardView::ClearResult() {
  if (result_.isEmpty()) return;
  result_.clear();
  TellBoard(QAccessible::DescriptionChanged);
}

void BoardView::ShowHint(Cell cell, const QString& reason) {
  StopHint();
  hint_ = cell;
  hintReason_ = reason;
  hintTicks_ = kHintHalfPeriods;
  hintTimer_.start();
  update(FrameRect(hint_));
  // The reason stands under the cell, clear of the blinking ring, for as
  // long as the ring blinks.
  const QRect frame = FrameRect(hint_);
  QToolTip::showText(mapToGlobal(frame.bottomLeft()), reason, this, frame, kHintHalfPeriods * kHintHalfPeriodMs);
  if (!hasFocus()) return;
  if (cell == cursor_) {
    TellFocus();  // the reader is told the cell again
  } else {
    SetCursor(cell);
  }
}

void BoardView::OnHintTick() {
  if (--hintTicks_ <= 0) StopHint();
  update(FrameRect(hint_));
}

void BoardView::StopHint() {
  if (hintTicks_ == 0) return;
  hintTicks_ = 0;
  hintTimer_.stop();
  if (QToolTip::isVisible() && QToolTip::text() == hintReason_) QToolTip::hideText();
  update(FrameRect(hint_));
}

void BoardView::keyPressEvent(QKeyEvent* event) {
  if (const std::optional<CursorStep> step = StepOf(*event)) {
    SetCursor(MoveCursor(cursor_, *step));
  } else if (IsChoice(*event)) {
    // A held key repeats; a placement is a deliberate act, as a click is.
    if (!event->isAutoRepeat()) emit cellChosen(cursor_);
  } else {
    return QWidget::keyPressEvent(event);
  }
  event->accept();
}

void BoardView::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update(FrameRect(cursor_));
  TellFocus();
}

void BoardView::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update(FrameRect(cursor_));
}

void BoardView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (hintRingShown()) {
    // Yellow between black, as the frame, over the cell's picture.
    const QRect ring = CellRect(hint_).adjusted(kRingWidth, kRingWidth, -kRingWidth, -kRingWidth);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, kRingWidth + 2));
    painter.drawEllipse(ring);
    painter.setPen(QPen(kFrameBand, kRingWidth));
    painter.drawEllipse(ring);
    painter.setRenderHint(QPainter::Antialiasing, false);
  }
  if (!hasFocus()) return;
  const QRect frame = FrameRect(cursor_);
  // The picture inside stays as the window drew it.
  painter.setClipRegion(QRegion(frame).subtracted(QRegion(CellRect(cursor_))));
  painter.fillRect(frame, Qt::black);
  painter.fillRect(frame.adjusted(1, 1, -1, -1), kFrameBand);
  painter.fillRect(frame.adjusted(kFrameWidth - 1, kFrameWidth - 1, 1 - kFrameWidth, 1 - kFrameWidth), Qt::black);
}

void BoardView::TellFocus() const {
  if (hasFocus()) TellCell(cursor_, QAccessible::Focus);
}

void BoardView::TellCell(Cell cell, QAccessible::Event change) const {
  if (!QAccessible::isActive()) return;
  QAccessibleEvent event(const_cast<BoardView*>(this), change);
  event.setChild(AccessibleIndex(cell));
  QAccessible::updateAccessibility(&event);
}

void BoardView::TellBoard(QAccessible::Event change) const {
  if (!QAccessible::isActive()) return;
  QAccessibleEvent event(const_cast<BoardView*>(this), change);
  QAccessible::updateAccessibility(&event);
}

}  // namespace trimbol::app
