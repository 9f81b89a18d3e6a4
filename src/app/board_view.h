// The board as a part of the window that takes the keyboard: a cursor cell
// that the arrows move and that Enter or Space plays on, and what a screen
// reader says of it. The pictures themselves are the window's
// (BoardSurface); this widget lies over them, lets the mouse through to the
// window, and draws nothing but the cursor's frame, and that only while it
// has the focus, so a mouse player sees the board as before.
//
// Speech: everything one key does (a move, the answers to it, a reading)
// is gathered and said once, when control returns to the event loop, as the
// description of the cursor's cell, which the reader speaks when it changes
// on the focused cell, and together with the cell's name when the focus
// comes to it.
#pragma once

#include <optional>
#include <vector>

#include <QAccessible>
#include <QColor>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include "board_speech.h"
#include "engine/board.h"
#include "engine/game_state.h"
#include "engine/host.h"

namespace trimbol::app {

class BoardView : public QWidget {
  Q_OBJECT

 public:
  explicit BoardView(QWidget* window);
  // The game is read for whose turn it is, the scores and the sides in play.
  void Follow(const GameState& game) { game_ = &game; }

  Cell cursor() const { return cursor_; }
  // Moves the cursor; while the board has the focus, a screen reader is
  // told the new cell.
  void SetCursor(Cell cell);
  // The cursor's frame and the hint's ring in the colours of high contrast.
  void SetHighContrast(bool on);
  // The square of a cell's picture, in this widget's coordinates.
  QRect CellRect(Cell cell) const;

  // The board as last shown; the cells' accessible names follow it.
  const Board& board() const { return board_; }
  void ShowBoard(const Board& board);

  // A click, from the mouse or the keys, begins and ends; its placements
  // arrive in between. At its end the cursor goes to the clicked cell and
  // the reader is told what the click placed, in order.
  void BeginClick();
  void ShowPlacement(Cell cell, Side side, Placer placer);
  void EndClick(Cell clicked);

  // A game's result: the box has said it; the summary key repeats it while
  // no game runs.
  void ShowResult(const QString& result);
  // Commands that the board only hears of.
  void TellNewGame();
  void TellTakenBack();

  // A ring blinks on the hinted cell for two seconds, its reason shown
  // beside it as long; while the board has the focus, the cursor and a
  // screen reader go there.
  void ShowHint(Cell cell, const QString& reason);
  // The hinted cell and its reason while the ring blinks.
  std::optional<Cell> hint() const { return hintTicks_ > 0 ? std::optional(hint_) : std::nullopt; }
  QString hintReason() const { return hintTicks_ > 0 ? hintReason_ : QString(); }
  bool hintRingShown() const { return hintTicks_ > 0 && hintTicks_ % 2 == 0; }

  // What the board last said on `cell`, as its accessible description.
  QString SpokenAt(Cell cell) const { return cell == spokenCell_ ? spoken_ : QString(); }

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
  // Gathers a text to be said once control returns to the event loop.
  void Say(const QString& text);
  void Speak();
  bool ReadBoard(const QKeyEvent& event);
  void TellCell(Cell cell, QAccessible::Event change) const;
  void OnHintTick();
  void StopHint();

  const GameState* game_ = nullptr;
  Cell cursor_;
  QColor band_;  // between the black lines of the cursor's frame and the hint's ring
  Board board_{};
  // This game's pieces in the order they came, for the last moves.
  std::vector<PlacedPiece> moves_;
  QStringList takenBack_;  // the pieces the last changes of the board removed
  QString lastResult_;

  // Within a click: the board before it and what it placed.
  Board beforeClick_{};
  QStringList clickMoves_;
  std::optional<Side> personPlaced_;

  QStringList toSay_;
  bool focusToTell_ = false;  // the focus came or moved: the next speech goes with it
  bool cellToTell_ = false;   // a piece placed, or a key against the edge: the cell is said anew
  QTimer speech_;
  Cell spokenCell_;
  QString spoken_;

  Cell hint_;
  QString hintReason_;
  int hintTicks_ = 0;  // half-periods of the blinking still to come; even: the ring shows
  QTimer hintTimer_;
};

}  // namespace trimbol::app
