// The game: its state and every operation on it, from the rules to the
// platform-free logic behind each window handler. It reaches the window
// only through Host.
#pragma once

#include <cstdint>
#include <string>

#include "game_state.h"
#include "host.h"

namespace trimbol {

class Game {
 public:
  explicit Game(Host& host) : host_(host) {}

  GameState& state() { return state_; }
  const GameState& state() const { return state_; }

  // --- Rules ---------------------------------------------------------------
  void NewGame();
  void AdvanceTurn();
  void CheckLines();
  void EndGame(int result);
  // 0..2147483647 from the program's one 64-bit generator.
  int NextRandom();
  // Places one piece of side; false when the board had no empty cell.
  bool ComputerMove(int side);

  // --- Turn driver ---------------------------------------------------------
  void FormMouseMove(int x, int y);
  void FormClick();

  // --- Commands of the menu, the buttons and the check box -----------------
  void NewGameCommand();                      // N1, F2, Button1
  void SetAutoMode(int side, int mode);       // "Автомат" items
  void SetIntelligence(int side, int level);  // "Интеллект" items
  void FullAuto();                            // "Полн.Авт"
  void PresetOnePlayer();                     // Button2 "1игрок"
  void PresetTwoPlayers();                    // Button3 "2игрока"
  void SetSound(int on) { state_.SoundOn = on; }
  void SetAutoStart(int on) { state_.AutoStartOn = on; }
  void SetAnimation(int on) { state_.AnimationOn = on; }
  void SetPlayerCount(int count) { state_.PlayerCount = count; }
  void CheckBox1Click();

  // --- Sound and keys -------------------------------------------------------
  // The menu's opening sound; a failure propagates, and the menu stays shut.
  void PopupMenu1Popup();
  // Digit keys 1..9 (codes 49..57) start a music file.
  void FormKeyDown(int keyCode);

  // --- Timer ticks ----------------------------------------------------------
  void Timer1Timer();  // status line, scores, line check
  void Timer2Timer();  // constant redraw
  void Timer3Timer();  // one frame of the placement animation

  static std::string FrameFile(int piece, int frame);
  static int LayerOriginX(int layer) { return 10 + 220 * layer; }
  static int CellOriginY(int row) { return 10 + 60 * row; }

 private:
  void PlaceByPerson(int side);
  void PlayMoveSound(int side);
  void DrawAnimationFrame(int piece, int frame, int x, int y);
  bool EmptyCellExists() const;
  void WriteChoiceCaptions(int side, int value, bool intelligence);

  GameState state_;
  Host& host_;
};

}  // namespace trimbol
