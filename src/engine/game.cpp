// Game flow: starting a game, passing the turn, the line check and the end
// of a game.
#include "engine/game.h"

#include <algorithm>

#include "engine/file_error.h"
#include "engine/file_names.h"
#include "engine/lines.h"
#include "engine/texts.h"

namespace trimbol {

void Game::NewGame() {
  state_.currentPlayer = 1;
  if (state_.soundOn == 1) {
    // A missing bell must not leave a half-started game: report it and go on.
    try {
      host_.PlaySound(SoundPlayer::kEffects, files::kBell);
    } catch (const FileError& error) {
      host_.ReportError(error);
    }
  }
  state_.ClearBoard();
  host_.StartTimer(GameTimer::kStatus);
  host_.ShowBoard(state_.board);
}

void Game::AdvanceTurn() {
  int& player = state_.currentPlayer;
  const int count = state_.playerCount;
  // A side beyond the count (the count was lowered mid-game) and 0 (no game)
  // stay where they are.
  if (count >= 2 && count <= 4 && player >= 1 && player <= count) {
    player = player == count ? 1 : player + 1;
  }
}

void Game::CheckLines() {
  const int player = state_.currentPlayer;
  if (player == 0) return;
  const Board& board = state_.board;
  for (const Line& line : kScanLines) {
    if (board[line.a] == player && board[line.b] == player && board[line.c] == player) {
      EndGame(player);
      return;
    }
  }
  if (!EmptyCellExists()) EndGame(0);
}

void Game::EndGame(int result) {
  // The status timer stops first, so its tick cannot end this game again
  // while the message box runs its own event loop.
  host_.StopTimer(GameTimer::kStatus);
  state_.gameEnded = 1;
  if (state_.soundOn == 1) {
    // A missing jingle must not cost the win or leave a drawn game running.
    try {
      host_.PlaySound(SoundPlayer::kResults, files::kResultSounds[result]);
    } catch (const FileError& error) {
      host_.ReportError(error);
    }
  }
  host_.AnnounceResult(texts::kResults[result]);
  if (result >= 1 && result <= kSides) ++state_.winCount[result - 1];
  if (state_.autoStartOn == 1) {
    NewGame();
  } else {
    state_.currentPlayer = 0;
    state_.gameEnded = 0;
  }
}

bool Game::EmptyCellExists() const {
  return std::find(state_.board.begin(), state_.board.end(), 0) != state_.board.end();
}

}  // namespace trimbol
