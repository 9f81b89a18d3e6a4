// The engine's only way out: what it asks of the window. The Qt shell
// implements it; tests and the scenario runner use a recording one.
#pragma once

#include <exception>
#include <string>
#include <string_view>

#include "board.h"

namespace trimbol {

enum class TimerId { Status, Redraw, Animation };  // Timer1, Timer2, Timer3

class Host {
 public:
  virtual ~Host() = default;

  // Paint all 27 cells at their origins.
  virtual void DrawBoard(const Board& board) = 0;
  // Load the bitmap file by bare name anew and draw it at (x, y), unscaled.
  // Throws FileError when the file is missing or not a valid bitmap.
  virtual void DrawFrame(const std::string& file, int x, int y) = 0;

  // One play operation per player; each throws FileError when the file
  // cannot be opened.
  virtual void PlayMusic(const std::string& file) = 0;        // MediaPlayer1
  virtual void PlayEffect(const std::string& file) = 0;       // MediaPlayer2
  virtual void PlayResultSound(const std::string& file) = 0;  // MediaPlayer3

  // A modal box with one OK button; returns when the user has closed it.
  virtual void ShowMessage(const std::string& text) = 0;

  // Starting a running timer leaves its interval alone.
  virtual void StartTimer(TimerId timer) = 0;
  virtual void StopTimer(TimerId timer) = 0;
  virtual bool TimerActive(TimerId timer) const = 0;

  // The status line Edit8 and the caption of a menu item by object name.
  // Writing the text already shown must cost nothing.
  virtual void SetStatusText(std::string_view text) = 0;
  virtual void SetCaption(std::string_view item, std::string_view caption) = 0;

  // The error box, for failures the game reports and then carries on from.
  virtual void ReportError(const std::exception& error) = 0;
};

}  // namespace trimbol
