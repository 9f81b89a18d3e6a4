// The board as a part of the window that takes the keyboard: a cursor cell
// that the arrows move and that Enter or Space plays on, and what a screen
// reader needs to tell the board: each cell's piece, the computer's last
// answer and the last result. The pictures themselves are the window's
// (BoardSurface); this widget lies over them, lets the mouse through to the
// window, and draws nothing but the cursor's frame, and that only while it
// has the focus, so a mouse player sees the board as before.
#pragma once

#include <optional>

#include <QAccessible>
#include <QString>
#include <QTimer>
#include <QWidget>

#include "engine/board.h"
#include "engine/host.h"

namespace trimbol::app {

class BoardView : public QWidget {
  Q_OBJECT

 public:
  explicit BoardView(QWidget* window);

  Cell cursor() const { return cursor_; }
  // Moves the cursor; while the board has the focus, a screen reader is
  // told the new cell.
  void SetCursor(Cell cell);
  // The square of a cell's picture, in this widget's coordinates.
  QRect CellRect(Cell cell) const;

  // The board as last shown; the cells' accessible names follow it.
  const Board& board() const { return board_; }
  void ShowBoard(const Board& board);

  // A click, from the mouse or the keys, begins and ends; its placements
  // arrive in between. At its end the cursor goes to the clicked cell, and
  // then to the last cell the computer filled, so a screen reader reads the
  // answer there.
  void BeginClick();
  void ShowPlacement(Cell cell, Side side, Placer placer);
  void EndClick(Cell clicked);
  // The side whose computer answer filled the cell and still holds it; 0
  // for every other cell.
  int ComputerAnswerAt(Cell cell) const;

  // The last game's result, which the board says from when its box closes
  // until the next placement or a new game started by the player.
  void ShowResult(const QString& result);
  void ClearResult();
  const QString& result() const { return result_; }

  // A ring blinks on the hinted cell for two seconds, its reason shown
  // beside it as long; while the board has the focus, the cursor and a
  // screen reader go there.
  void ShowHint(Cell cell, const QString& reason);
  // The hinted cell and its reason while the ring blinks.
  std::optional<Cell> hint() const { return hintTicks_ > 0 ? std::optional(hint_) : std::nullopt; }
  QString hintReason() const { return hintTicks_ > 0 ? hintReason_ : QString(); }
  bool hintRingShown() const { return hintTicks_ > 0 && hintTicks_ % 2 == 0; }

 signals:
  // Enter or Space on the cursor's cell, or a screen reader's press on a cell.
  void cellChosen(trimbol::Cell cell);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // The cursor's frame, around the cell's picture in the gap beside it.
  QRect FrameRect(Cell cell) const;
  void TellFocus() const;
  void TellCell(Cell cell, QAccessible::Event change) const;
  void TellBoard(QAccessible::Event change) const;
  void OnHintTick();
  void StopHint();

  Cell cursor_;
  Board board_{};
  struct Answer {
    Cell cell;
    int side = 0;  // 0: none
  };
  Answer clickAnswer_;  // the computer's last placement in the running click
  Answer lastAnswer_;   // the one the board tells
  bool inClick_ = false;
  QString result_;
  // Shown within the running click: the new game's first moves in the same
  // click do not take it away before it could be read.
  bool freshResult_ = false;
  Cell hint_;
  QString hintReason_;
  int hintTicks_ = 0;  // half-periods of the blinking still to come; even: the ring shows
  QTimer hintTimer_;
};

}  // namespace trimbol::app
