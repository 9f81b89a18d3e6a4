// The game: its state and every operation on it, from the rules to the
// platform-free logic behind each control of the window. It reaches the
// window only through Host.
#pragma once

#include "engine/game_state.h"
#include "engine/host.h"

namespace trimbol {

class Game {
 public:
  explicit Game(Host& host) : host_(host) {}

  GameState& state() { return state_; }
  const GameState& state() const { return state_; }

  // --- Rules ----------------------------------------------------------------
  void NewGame();
  void AdvanceTurn();
  // Ends the game when the side to move holds a line or the board is full.
  void CheckLines();
  void EndGame(int result);  // 0 a draw, 1..4 the winner
  // 0..2147483647 from the program's one 64-bit generator.
  int NextRandom();
  // Places one piece of `side`; false when the board had no empty cell.
  bool ComputerMove(int side);

  // --- The pointer ----------------------------------------------------------
  void PointerMoved(int x, int y);  // client pixels
  // A left click on the board area: a person's placement, then the
  // computer's answers.
  void Clicked();
  // The same click on `cell` from the keyboard: the pointer plays no part.
  void ClickCell(Cell cell);

  // --- Commands of the menu, the buttons and the check box -----------------
  void StartNewGame();
  void SetAutoMode(int side, int mode);       // 0 a person, 1 half, 2 the computer
  void SetIntelligence(int side, int level);  // 0 none, 1 weak, 2 strong
  void FullAutomation();                      // every side by the strong computer
  void PresetOnePlayer();
  void PresetTwoPlayers();
  void SetSound(int on) { state_.soundOn = on; }
  void SetAutoStart(int on) { state_.autoStartOn = on; }
  void SetAnimation(int on) { state_.animationOn = on; }
  void SetPlayerCount(int count) { state_.playerCount = count; }
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
  // Everything a click sets off, on `cell`; a person places only when the
  // click was over the board.
  void Click(Cell cell, bool overBoard);
  void PlaceByPerson(int side);
  void PlayMoveSound(int side);
  bool EmptyCellExists() const;

  GameState state_;
  Host& host_;
};

}  // namespace trimbol
