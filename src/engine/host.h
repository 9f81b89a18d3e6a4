// The engine's only way out: what the game tells the program it runs in.
// Everything is said in the game's terms; the window maps it to widgets and
// captions, and the scenario runner records it.
#pragma once

#include <exception>
#include <string_view>

#include "engine/board.h"
#include "engine/game_record.h"
#include "engine/hint_reason.h"
#include "engine/side.h"
#include "engine/side_settings.h"
#include "engine/sound_player.h"

namespace trimbol {

// The three 100 ms timers: the status line and line check, the constant
// redraw, and the placement animation.
enum class GameTimer { kStatus, kRedraw, kAnimation };

// Who placed a piece.
enum class Placer { kPerson, kComputer };

class Host {
 public:
  virtual ~Host() = default;

  // Shows all 27 cells.
  virtual void ShowBoard(const Board& board) = 0;
  // A piece of `side` has just been set on `cell`, before the board is shown
  // and the lines are checked; a screen reader tells it from here.
  virtual void ShowPlacement(Cell cell, Side side, Placer placer) = 0;
  // Reads one animation frame from its file anew and shows it over `cell`.
  // Throws FileError when the file is missing or not a valid bitmap.
  virtual void ShowAnimationFrame(std::string_view file, Cell cell) = 0;

  // Closes what the player had, opens the file by bare name and starts it.
  // Throws FileError when the file cannot be opened.
  virtual void PlaySound(SoundPlayer player, std::string_view file) = 0;

  // The end of a game, in a modal box; returns once it is closed.
  virtual void AnnounceResult(std::string_view message) = 0;

  // Starting a running timer leaves its interval alone.
  virtual void StartTimer(GameTimer timer) = 0;
  virtual void StopTimer(GameTimer timer) = 0;
  virtual bool IsTimerRunning(GameTimer timer) const = 0;

  // Whose turn it is and how many games each side has won; the status tick
  // repeats both ten times a second, so showing what is shown must cost nothing.
  virtual void ShowStatus(std::string_view text) = 0;
  virtual void ShowScore(Side side, int wins) = 0;
  // The player chose how a side is played or how well.
  virtual void ShowAutoMode(Side side, AutoMode mode) = 0;
  virtual void ShowStrength(Side side, Strength strength) = 0;

  // Whether a move can be taken back now; told when that changes.
  virtual void ShowUndoAvailable(bool available) = 0;
  // The cell Master would take for the person to move, and why.
  virtual void ShowHint(Cell cell, const HintReason& reason) = 0;
  // Whether the last game ended was a two-side game that one side lost;
  // told when that changes.
  virtual void ShowDecisiveMoveAvailable(bool available) = 0;
  // Names the move of that game after which the loser had no defence, in a
  // modal box; returns once it is closed.
  virtual void ShowDecisiveMove(const PlacedPiece& move, int number) = 0;

  // A failure the game reports and then carries on from.
  virtual void ReportError(const std::exception& error) = 0;
};

}  // namespace trimbol
