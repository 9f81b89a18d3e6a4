// WindowHost: what the game tells the program it runs in, carried out on
// the parts of the window it needs: the board surface, the status line, the
// menu, the timers, the boxes, the error display and the sound.
#pragma once

#include <array>

#include <QFont>

#include "engine/host.h"

class QLineEdit;
class QTimer;
class QWidget;

namespace trimbol::app {

class BoardSurface;
class BoardView;
class ErrorDisplay;
class GameMenu;
class MessageBoxes;
class GameSound;

struct WindowParts {
  BoardSurface& board;
  BoardView& boardView;  // the keyboard's and the screen reader's board
  QLineEdit& statusLine;
  QFont statusFont;  // the layout's, made smaller only for a text too long for it
  GameMenu& menu;
  std::array<QTimer*, 3> timers;  // by GameTimer
  MessageBoxes& boxes;
  QWidget* boxParent;  // the window the boxes belong to
  ErrorDisplay& errors;
  GameSound& sound;
};

class WindowHost final : public Host {
 public:
  explicit WindowHost(const WindowParts& parts) : parts_(parts) {}

  void ShowBoard(const Board& board) override;
  void ShowPlacement(Cell cell, Side side, Placer placer) override;
  void ShowAnimationFrame(std::string_view file, Cell cell) override;
  void PlaySound(SoundPlayer player, std::string_view file) override;
  void AnnounceResult(std::string_view message) override;
  void StartTimer(GameTimer timer) override;
  void StopTimer(GameTimer timer) override;
  bool IsTimerRunning(GameTimer timer) const override;
  void ShowStatus(std::string_view text) override;
  void ShowScore(Side side, int wins) override;
  void ShowAutoMode(Side side, AutoMode mode) override;
  void ShowStrength(Side side, Strength strength) override;
  void ShowUndoAvailable(bool available) override;
  void ShowHint(Cell cell, const HintReason& reason) override;
  void ShowDecisiveMoveAvailable(bool available) override;
  void ShowDecisiveMove(const PlacedPiece& move, int number) override;
  void ReportError(const std::exception& error) override;

  // The desktop asks for reduced motion: placements show no frames (and
  // load none), whatever the game's own animation switch says.
  void SetStillPlacements(bool still) { stillPlacements_ = still; }

 private:
  QTimer& Timer(GameTimer timer) const { return *parts_.timers[static_cast<int>(timer)]; }

  WindowParts parts_;
  bool stillPlacements_ = false;
};

}  // namespace trimbol::app
