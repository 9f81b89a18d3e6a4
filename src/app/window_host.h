// WindowHost: what the game asks of the window (Host), carried out on
// TForm1's surface, timers, status line, menu, sound players and boxes.
#pragma once

#include <string>
#include <string_view>

#include "engine/host.h"

namespace trimbol::media {
class MediaPlayers;
}

namespace trimbol::app {

class TForm1;

class WindowHost final : public Host {
 public:
  WindowHost(TForm1& form, media::MediaPlayers& media) : form_(form), media_(media) {}

  void DrawBoard(const Board& board) override;
  void DrawFrame(const std::string& file, int x, int y) override;
  void PlayMusic(const std::string& file) override;
  void PlayEffect(const std::string& file) override;
  void PlayResultSound(const std::string& file) override;
  void ShowMessage(const std::string& text) override;
  void StartTimer(TimerId timer) override;
  void StopTimer(TimerId timer) override;
  bool TimerActive(TimerId timer) const override;
  void SetStatusText(std::string_view text) override;
  void SetCaption(std::string_view item, std::string_view caption) override;
  void ReportError(const std::exception& error) override;

 private:
  TForm1& form_;
  media::MediaPlayers& media_;
};

}  // namespace trimbol::app
