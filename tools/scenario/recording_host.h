// A host that does what the window would do on paper: it records every
// outside effect as a line of text and keeps the timers, the status line and
// the captions. Files named "missing" fail to open on any player.
#pragma once

#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/game_state.h"
#include "engine/host.h"

namespace trimbol {

class RecordingHost : public Host {
 public:
  // state is read to name the piece of each animation that starts.
  explicit RecordingHost(const GameState* state = nullptr);
  void Watch(const GameState* state) { state_ = state; }

  void DrawBoard(const Board& board) override;
  void DrawFrame(const std::string& file, int x, int y) override;
  void PlayMusic(const std::string& file) override { Play("music", file); }
  void PlayEffect(const std::string& file) override { Play("effect", file); }
  void PlayResultSound(const std::string& file) override { Play("result", file); }
  void ShowMessage(const std::string& text) override;
  void StartTimer(TimerId timer) override;
  void StopTimer(TimerId timer) override;
  bool TimerActive(TimerId timer) const override { return timers_[Slot(timer)]; }
  void SetStatusText(std::string_view text) override { status_ = text; }
  void SetCaption(std::string_view item, std::string_view caption) override;
  void ReportError(const std::exception& error) override;

  void SetMissing(const std::string& file) { missing_.insert(file); }

  std::vector<std::string>& events() { return events_; }
  const std::vector<std::string>& events() const { return events_; }
  const std::string& status() const { return status_; }
  std::string Caption(const std::string& item) const;
  const Board& lastDrawn() const { return lastDrawn_; }

 private:
  static int Slot(TimerId timer) { return static_cast<int>(timer); }
  void Play(const char* player, const std::string& file);

  const GameState* state_;
  std::vector<std::string> events_;
  std::array<bool, 3> timers_{true, false, false};  // Timer1 runs from start-up
  std::string status_ = "Строка состояния";
  std::map<std::string, std::string, std::less<>> captions_;
  std::set<std::string> missing_;
  Board lastDrawn_{};
};

}  // namespace trimbol
