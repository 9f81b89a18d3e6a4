// The window's side of Host. Texts arrive as UTF-8; the status line is
// compared before it is written, because the status tick writes it ten
// times a second and an unchanged write must cost no repaint.
#include "window_host.h"

#include <QLineEdit>
#include <QTimer>

#include "bitmap_file.h"
#include "board_surface.h"
#include "board_view.h"
#include "data_files.h"
#include "engine/board_geometry.h"
#include "error_display.h"
#include "fitted_font.h"
#include "game_sound.h"
#include "game_menu.h"
#include "message_boxes.h"
#include "reason_texts.h"
#include "shown_text.h"

namespace trimbol::app {
void WindowHost::ShowBoard(const Board& board) {
  parts_.board.DrawBoard(board);
  parts_.boardView.ShowBoard(board);
}

void WindowHost::ShowPlacement(Cell cell, Side side, Placer placer) {
  parts_.boardView.ShowPlacement(cell, side, placer);
}

void WindowHost::ShowAnimationFrame(std::string_view file, Cell cell) {
  if (stillPlacements_) return;
  const geometry::Point at = geometry::CellOrigin(cell);
  parts_.board.DrawFrame(LoadBitmapFile(FindDataFile(file)), at.x, at.y);
}

void WindowHost::PlaySound(SoundPlayer player, std::string_view file) {
  parts_.sound.Play(player, FindDataFile(file));
}

void WindowHost::AnnounceResult(std::string_view message) {
  const QString text = GameText(message);
  parts_.boxes.ShowMessage(parts_.boxParent, text);
  // Read in the box already; the board keeps it for the player who looks again.
  parts_.boardView.ShowResult(text.trimmed());
}

void WindowHost::StartTimer(GameTimer timer) {
  if (!Timer(timer).isActive()) Timer(timer).start();  // start() would restart a running interval
}

void WindowHost::StopTimer(GameTimer timer) { Timer(timer).stop(); }

bool WindowHost::IsTimerRunning(GameTimer timer) const { return Timer(timer).isActive(); }

void WindowHost::ShowStatus(std::string_view text) {
  const QString shown = GameText(text);
  if (parts_.statusLine.text() != shown) ShowFitted(parts_.statusLine, parts_.statusFont, shown);
}

void WindowHost::ShowScore(Side side, int wins) { parts_.menu.ShowScore(side, wins); }

void WindowHost::ShowAutoMode(Side side, AutoMode mode) { parts_.menu.ShowAutoMode(side, mode); }

void WindowHost::ShowStrength(Side side, Strength strength) { parts_.menu.ShowStrength(side, strength); }

void WindowHost::ShowUndoAvailable(bool available) { parts_.menu.ShowUndoAvailable(available); }

void WindowHost::ShowHint(Cell cell, const HintReason& reason) { parts_.boardView.ShowHint(cell, ReasonText(reason)); }

void WindowHost::ShowDecisiveMoveAvailable(bool available) { parts_.menu.ShowDecisiveMoveAvailable(available); }

void WindowHost::ShowDecisiveMove(const PlacedPiece& move, int number) {
  parts_.boxes.ShowMessage(parts_.boxParent, DecisiveMoveText(move, number));
}

void WindowHost::ReportError(const std::exception& error) { parts_.errors.Show(error); }

}  // namespace trimbol::app
