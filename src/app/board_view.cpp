// The keyboard's cursor, its frame, and what the board tells a screen reader.
#include "board_view.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QToolTip>

#include <optional>
#include <utility>

#include "board_accessible.h"
#include "engine/texts.h"
#include "shown_text.h"
#include "engine/board_cursor.h"
#include "engine/board_geometry.h"

namespace trimbol::app {
namespace {

// The frame lies in the gap around a cell's picture, half the gap wide: a
// yellow band between two black lines, which stands out on the sky blue, the
// navy grid and every piece.
constexpr int kFrameWidth = 5;
constexpr QColor kFrameBand(255, 221, 0);
// For high contrast a dark red band, 4.9:1 against the sky blue.
constexpr QColor kHighContrastBand(160, 0, 0);

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

BoardView::BoardView(QWidget* window) : QWidget(window), cursor_(kCursorStart), band_(kFrameBand) {
  InstallBoardAccessibility();
  setObjectName(QStringLiteral("Board"));
  // Over the pictures and the frames' room around them; the controls all
  // lie below.
  const int left = geometry::kLayerLeft[0] - kFrameWidth, top = geometry::kBoardTop - kFrameWidth;
  setGeometry(left, top, geometry::kBoardRight + kFrameWidth - left, geometry::kBoardBottom + kFrameWidth - top);
  // The window keeps the mouse: pointing and clicking work as they always did.
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::TabFocus);
  speech_.setSingleShot(true);
  speech_.setInterval(0);
  connect(&speech_, &QTimer::timeout, this, &BoardView::Speak);
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

void BoardView::SetHighContrast(bool on) {
  band_ = on ? kHighContrastBand : kFrameBand;
  update();
}

void BoardView::SetCursor(Cell cell) {
  if (cell == cursor_) return;
  update(FrameRect(cursor_));
  cursor_ = cell;
  update(FrameRect(cursor_));
  if (!hasFocus()) return;
  focusToTell_ = true;
  speech_.start();
}

void BoardView::Say(const QString& text) {
  toSay_ << text;
  speech_.start();
}

void BoardView::Speak() {
  const QString text = toSay_.join(QStringLiteral(". "));
  toSay_.clear();
  takenBack_.clear();
  const bool focusMoved = std::exchange(focusToTell_, false);
  const bool cellChanged = std::exchange(cellToTell_, false);
  // What was said before is no longer news on its cell.
  if (!spoken_.isEmpty()) {
    spoken_.clear();
    TellCell(spokenCell_, QAccessible::DescriptionChanged);
  }
  if (!hasFocus() || (!focusMoved && !cellChanged && text.isEmpty())) return;
  spokenCell_ = cursor_;
  spoken_ = text;
  // A reader speaks the focused object's name and description when the
  // focus comes to it, and nothing when it is there already: the text goes
  // with the focus, onto a new object for the same cell if need be.
  if (!focusMoved) RenewCell(*this, cursor_);
  TellCell(cursor_, QAccessible::Focus);
}

bool BoardView::ReadBoard(const QKeyEvent& event) {
  if ((event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) != Qt::NoModifier) return false;
  // The Latin letter or the Cyrillic one on the same key, so that the keys
  // stay where they are under a Russian layout; the Ukrainian one differs on S.
  const QString key = event.text().toLower();
  const auto is = [&key](char latin, const char* cyrillic) {
    return key == QChar(latin) || key == QString::fromUtf8(cyrillic);
  };
  const int sides = game_ != nullptr ? game_->sidesInPlay : kSideCount;
  if (is('r', "к")) {
    Say(RowText(board_, cursor_));
  } else if (is('c', "с")) {
    Say(ColumnText(board_, cursor_));
  } else if (is('p', "з")) {
    Say(PillarText(board_, cursor_));
  } else if ((is('s', "ы") || is('s', "і")) && game_ != nullptr) {
    Say(SummaryText(*game_, lastResult_));
  } else if (is('l', "д")) {
    Say(LastMovesText(moves_, sides));
  } else if (is('t', "е")) {
    Say(ThreatsText(board_, sides));
  } else {
    return false;
  }
  return true;
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
  // Pieces gone from the board, the last placed first, as they were taken back.
  const auto gone = [this](const PlacedPiece& move) { return board_[CellIndex(move.cell)] == 0; };
  for (auto move = moves_.rbegin(); move != moves_.rend(); ++move) {
    if (gone(*move)) takenBack_ << PieceAt(move->cell, PieceOf(move->side));
  }
  std::erase_if(moves_, gone);
}

void BoardView::BeginClick() {
  beforeClick_ = board_;
  clickMoves_.clear();
  personPlaced_.reset();
}

void BoardView::ShowPlacement(Cell cell, Side side, Placer placer) {
  moves_.push_back({side, cell});
  // A person's own piece is in the name of the cell, which is spoken.
  if (placer == Placer::kPerson) {
    personPlaced_ = side;
    cellToTell_ = true;
    speech_.start();
  } else {
    clickMoves_ << MoveText(side, cell);
  }
}

void BoardView::EndClick(Cell clicked) {
  SetCursor(clicked);
  const bool running = game_ != nullptr && game_->toMove.has_value();
  if (!personPlaced_ && running && beforeClick_[CellIndex(clicked)] != 0) {
    Say(OccupiedText());
  } else if (!personPlaced_ && clickMoves_.isEmpty() && !running) {
    Say(NoGameText());
  }
  for (const QString& move : std::as_const(clickMoves_)) Say(move);
  clickMoves_.clear();
  // Between persons, the turn passing to another is news; back to the same
  // person after the computer's answers, it is not.
  if (personPlaced_ && running && *game_->toMove != *personPlaced_ &&
      game_->autoMode[*game_->toMove] == AutoMode::kPerson) {
    Say(GameText(texts::kTurns[*game_->toMove]));
  }
}

void BoardView::ShowResult(const QString& result) {
  lastResult_ = result;
  // The box has said the result and what led to it is seen on the board;
  // said again once the box is gone, it would come after the result.
  clickMoves_.clear();
  toSay_.clear();
}

void BoardView::TellNewGame() {
  takenBack_.clear();
  Say(NewGameText());
  if (game_ != nullptr && game_->toMove && game_->autoMode[*game_->toMove] == AutoMode::kPerson) {
    Say(GameText(texts::kTurns[*game_->toMove]));
  }
}

void BoardView::TellTakenBack() {
  if (!takenBack_.isEmpty()) Say(TakenBackText(takenBack_));
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
  SetCursor(cell);
  Say(HintText());
  if (!reason.isEmpty()) Say(reason);
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
    const Cell next = MoveCursor(cursor_, *step);
    if (next == cursor_) {
      cellToTell_ = true;  // at the edge: the same cell again, not silence
      speech_.start();
    }
    SetCursor(next);
  } else if (IsChoice(*event)) {
    // A held key repeats; a placement is a deliberate act, as a click is.
    if (!event->isAutoRepeat()) emit cellChosen(cursor_);
  } else if (!ReadBoard(*event)) {
    return QWidget::keyPressEvent(event);
  }
  event->accept();
}

void BoardView::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update(FrameRect(cursor_));
  // Told once the board's own focus has been: a reader that hears of both
  // at once keeps only the later one.
  focusToTell_ = true;
  speech_.start();
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
    painter.setPen(QPen(band_, kRingWidth));
    painter.drawEllipse(ring);
    painter.setRenderHint(QPainter::Antialiasing, false);
  }
  if (!hasFocus()) return;
  const QRect frame = FrameRect(cursor_);
  // The picture inside stays as the window drew it.
  painter.setClipRegion(QRegion(frame).subtracted(QRegion(CellRect(cursor_))));
  painter.fillRect(frame, Qt::black);
  painter.fillRect(frame.adjusted(1, 1, -1, -1), band_);
  painter.fillRect(frame.adjusted(kFrameWidth - 1, kFrameWidth - 1, 1 - kFrameWidth, 1 - kFrameWidth), Qt::black);
}

void BoardView::TellCell(Cell cell, QAccessible::Event change) const {
  if (!QAccessible::isActive()) return;
  QAccessibleEvent event(const_cast<BoardView*>(this), change);
  event.setChild(AccessibleIndex(cell));
  QAccessible::updateAccessibility(&event);
}

}  // namespace trimbol::app
