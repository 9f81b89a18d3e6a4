// Game flow: starting a game, passing the turn, the line check and the end
// of a game.
#include "game.h"

#include <algorithm>

#include "file_error.h"
#include "lines.h"
#include "tables.h"

namespace trimbol {

void Game::NewGame() {
  state_.CurrentPlayer = 1;
  if (state_.SoundOn == 1) {
    // A missing bell must not leave a half-started game: report it and go on.
    try {
      host_.PlayEffect(std::string(kNewGameSound));
    } catch (const FileError& error) {
      host_.ReportError(error);
    }
  }
  state_.ClearBoard();
  host_.StartTimer(TimerId::Status);
  host_.DrawBoard(state_.board);
}

void Game::AdvanceTurn() {
  int& player = state_.CurrentPlayer;
  const int count = state_.PlayerCount;
  // A side beyond the count (the count was lowered mid-game) and 0 (no game)
  // stay where they are.
  if (count >= 2 && count <= 4 && player >= 1 && player <= count) {
    player = player == count ? 1 : player + 1;
  }
}

void Game::CheckLines() {
  const int player = state_.CurrentPlayer;
  if (player == 0) return;
  const Board& board = state_.board;
  for (const Line& line : kScanLines) {
    if (board[line.a] == player && board[line.b] == player && board[line.c] == player) {
      EndGame(player);
      return;
    }
  }
  if (std::find(board.begin(), board.end(), 0) == board.end()) EndGame(0);
}

void Game::EndGame(int result) {
  // The status timer stops first, so its tick cannot end this game again
  // while the message box runs its own event loop.
  host_.StopTimer(TimerId::Status);
  state_.GameEndedFlag = 1;
  if (state_.SoundOn == 1) {
    // A missing jingle must not cost the win or leave a drawn game running.
    try {
      host_.PlayResultSound(std::string(ResultFiles[result]));
    } catch (const FileError& error) {
      host_.ReportError(error);
    }
  }
  host_.ShowMessage(std::string(ResultMessages[result]));
  if (result >= 1 && result <= kSides) ++state_.WinCount[result - 1];
  if (state_.AutoStartOn == 1) {
    NewGame();
  } else {
    state_.CurrentPlayer = 0;
    state_.GameEndedFlag = 0;
  }
}

bool Game::EmptyCellExists() const {
  return std::find(state_.board.begin(), state_.board.end(), 0) != state_.board.end();
}

std::string Game::FrameFile(int piece, int frame) {
  return std::string(FramePrefixes[piece - 1]) + std::to_string(frame) + ".bmp";
}

}  // namespace trimbol
