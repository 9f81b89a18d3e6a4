// A host that does what the window would do, on paper: it records every
// outside effect as a line of text and keeps what the window would show
// (the timers, the status line, the scores and the choices marked in the
// menu). Files named "missing" fail to open, on any player.
#pragma once

#include <array>
#include <set>
#include <string>
#include <vector>

#include "engine/game_state.h"
#include "engine/host.h"
#include "engine/texts.h"

namespace trimbol {

class RecordingHost : public Host {
 public:
  struct Placement {
    Cell cell;
    Side side;
    Placer placer;
    friend bool operator==(const Placement&, const Placement&) = default;
  };

  // `state` is read to name the piece of each animation that starts.
  explicit RecordingHost(const GameState* state = nullptr) : state_(state) {}
  void Watch(const GameState* state) { state_ = state; }

  void ShowBoard(const Board& board) override;
  // Kept apart from the events: the report's events stay what they were
  // before placements were told.
  void ShowPlacement(Cell cell, Side side, Placer placer) override { placements_.push_back({cell, side, placer}); }
  void ShowAnimationFrame(std::string_view file, Cell cell) override;
  void PlaySound(SoundPlayer player, std::string_view file) override;
  void AnnounceResult(std::string_view message) override;
  void StartTimer(GameTimer timer) override;
  void StopTimer(GameTimer timer) override;
  bool IsTimerRunning(GameTimer timer) const override { return timers_[Slot(timer)]; }
  void ShowStatus(std::string_view text) override { status_ = text; }
  void ShowScore(Side side, int wins) override { scores_[side] = std::to_string(wins); }
  void ShowAutoMode(Side side, AutoMode mode) override { autoModes_[side] = mode; }
  void ShowStrength(Side side, Strength strength) override { strengths_[side] = strength; }
  // Kept apart from the events, as the placements are: it is told at every
  // person's move.
  void ShowUndoAvailable(bool available) override { undoAvailable_ = available; }
  void ShowHint(Cell cell, const HintReason& reason) override;
  // Kept apart from the events, as the undo item is.
  void ShowDecisiveMoveAvailable(bool available) override { decisiveMoveAvailable_ = available; }
  void ShowDecisiveMove(const PlacedPiece& move, int number) override;
  void ReportError(const std::exception& error) override;

  void SetMissing(const std::string& file) { missing_.insert(file); }

  std::vector<std::string>& events() { return events_; }
  const std::vector<std::string>& events() const { return events_; }
  const std::string& status() const { return status_; }
  const PerSide<std::string>& scores() const { return scores_; }
  // The marked choice of each side, as the menu shows it.
  const PerSide<AutoMode>& shownAutoModes() const { return autoModes_; }
  const PerSide<Strength>& shownStrengths() const { return strengths_; }
  bool undoAvailable() const { return undoAvailable_; }
  bool decisiveMoveAvailable() const { return decisiveMoveAvailable_; }
  // The reason of every hint shown, in order; the events name the cells.
  const std::vector<HintReason>& hintReasons() const { return hintReasons_; }
  const Board& lastShown() const { return lastShown_; }
  std::vector<Placement>& placements() { return placements_; }

 private:
  static int Slot(GameTimer timer) { return static_cast<int>(timer); }
  void ThrowIfMissing(std::string_view file, const char* failure) const;

  const GameState* state_;
  std::vector<std::string> events_;
  std::array<bool, 3> timers_{true, false, false};  // the status timer runs from start-up
  std::string status_{texts::kStatusBeforeFirstGame};
  PerSide<std::string> scores_{"0", "0", "0", "0"};
  PerSide<AutoMode> autoModes_{};
  PerSide<Strength> strengths_{};
  bool undoAvailable_ = false;
  bool decisiveMoveAvailable_ = false;
  std::vector<HintReason> hintReasons_;
  std::set<std::string, std::less<>> missing_;
  Board lastShown_{};
  std::vector<Placement> placements_;
};

}  // namespace trimbol
