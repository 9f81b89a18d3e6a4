// The game: its state and every operation on it, from the rules to the
// platform-free logic behind each control of the window. It reaches the
// window only through Host.
#pragma once

#include <optional>

#include "engine/game_record.h"
#include "engine/game_state.h"
#include "engine/host.h"
#include "engine/master_search.h"
#include "engine/turn_driver.h"
#include "engine/undo_history.h"

namespace trimbol {

class Game {
 public:
  explicit Game(Host& host) : host_(host) {}

  GameState& state() { return state_; }
  const GameState& state() const { return state_; }
  Host& host() { return host_; }

  // --- Rules ----------------------------------------------------------------
  void NewGame();
  void AdvanceTurn();
  // Ends the game when the side to move holds a line or the board is full.
  void CheckLines();
  void EndGame(std::optional<Side> winner);  // none: a draw
  // Sets `side`'s piece on `cell`, shows it, checks the lines and passes
  // the turn. A person's piece starts the animation when it is on.
  void Place(Cell cell, Side side, Placer placer);
  // Places one piece of `side` where its computer chooses; false when the
  // board had no empty cell.
  bool ComputerMove(Side side);

  // --- The pointer ----------------------------------------------------------
  void PointerMoved(int x, int y) { turns_.PointerMoved(x, y); }
  void Clicked() { turns_.Clicked(); }
  void ClickCell(Cell cell) { turns_.ClickCell(cell); }

  // --- Taking back and hints ------------------------------------------------
  // Keeps the game as it is, with the clicked cell before the click, for a
  // person's placement about to be made.
  void RememberForUndo(Cell clickedBefore);
  // Takes back the last person's move and every computer move after it;
  // nothing when there is none in the running game.
  void Undo();
  // Shows Master's cell for the person to move and why; nothing else
  // changes.
  void Hint();
  // Names the move after which the loser of the last game had no defence,
  // when that game was a lost two-side game.
  void ShowDecisiveMove();

  // --- Commands of the menu, the buttons and the check box -----------------
  void StartNewGame();
  void SetAutoMode(Side side, AutoMode mode);
  void SetStrength(Side side, Strength strength);
  void FullAutomation();  // every side by the strong computer
  void PresetOnePlayer();
  void PresetTwoPlayers();
  void SetSound(bool on) { state_.soundOn = on; }
  void SetAutoStart(bool on) { state_.autoStartOn = on; }
  void SetAnimation(bool on) { state_.animationOn = on; }
  void SetSidesInPlay(int count) { state_.sidesInPlay = count; }  // 2..kSideCount
  void ToggleConstantRedraw();

  // --- Sound and keys -------------------------------------------------------
  // The menu's opening sound; a failure propagates, and the menu stays shut.
  void MenuOpening();
  // Keys by virtual key code: the digit keys 1..9 (49..57) start music.
  void KeyPressed(int keyCode);

  // --- Timer ticks ----------------------------------------------------------
  void StatusTick();     // status line, scores, line check
  void RedrawTick();     // constant redraw
  void AnimationTick();  // one frame of the placement animation

 private:
  bool EmptyCellExists() const;
  // The cell `side`'s computer takes, at its strength.
  std::optional<Cell> ChooseFor(Side side);
  void ForgetUndo();
  void TellUndoAvailable();

  GameState state_;
  Host& host_;
  TurnDriver turns_{*this};
  UndoHistory undo_;
  bool undoShown_ = false;  // what the host was last told
  MasterSearch master_;
  GameRecord moves_;     // of the running game
  GameRecord lastLost_;  // the last game ended, when it was a lost two-side game
};

}  // namespace trimbol
