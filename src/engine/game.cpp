// The rules, taking back and hints, and the logic behind the menu, the
// buttons, the check box, the keys and the three timer ticks. The window's
// handlers delegate here.
#include "engine/game.h"

#include <algorithm>

#include "engine/computer_choice.h"
#include "engine/file_error.h"
#include "engine/file_names.h"
#include "engine/lines.h"
#include "engine/texts.h"

namespace trimbol {

// --- Rules ------------------------------------------------------------------

void Game::NewGame() {
  state_.toMove = Side(1);
  moves_.clear();
  ForgetUndo();
  if (state_.soundOn) {
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
  const int count = state_.sidesInPlay;
  std::optional<Side>& side = state_.toMove;
  // A side beyond the count (the count was lowered mid-game) and no game
  // stay where they are.
  if (count >= 2 && count <= kSideCount && side && side->number() <= count) side = side->NextOf(count);
}

void Game::CheckLines() {
  if (!state_.toMove) return;
  const PieceCode own = PieceOf(*state_.toMove);
  const Board& board = state_.board;
  for (const Line& line : kScanLines) {
    if (board[line.a] == own && board[line.b] == own && board[line.c] == own) {
      EndGame(state_.toMove);
      return;
    }
  }
  if (!EmptyCellExists()) EndGame(std::nullopt);
}

void Game::EndGame(std::optional<Side> winner) {
  const int result = winner ? winner->number() : 0;
  // The status timer stops first, so its tick cannot end this game again
  // while the message box runs its own event loop.
  host_.StopTimer(GameTimer::kStatus);
  state_.gameEnded = true;
  ForgetUndo();  // a finished game is not taken back
  const bool hadLost = !lastLost_.empty();
  lastLost_.clear();
  if (winner && state_.sidesInPlay == 2 && IsTwoSideGame(moves_) && moves_.back().side == *winner) lastLost_ = moves_;
  if (hadLost != !lastLost_.empty()) host_.ShowDecisiveMoveAvailable(!lastLost_.empty());
  if (state_.soundOn) {
    // A missing jingle must not cost the win or leave a drawn game running.
    try {
      host_.PlaySound(SoundPlayer::kResults, files::kResultSounds[result]);
    } catch (const FileError& error) {
      host_.ReportError(error);
    }
  }
  host_.AnnounceResult(texts::kResults[result]);
  if (winner) ++state_.winCount[*winner];
  if (state_.autoStartOn) {
    NewGame();
  } else {
    state_.toMove.reset();
    state_.gameEnded = false;
  }
}

void Game::Place(Cell cell, Side side, Placer placer) {
  state_.at(cell) = PieceOf(side);
  moves_.push_back({side, cell});
  host_.ShowPlacement(cell, side, placer);
  if (placer == Placer::kPerson && state_.animationOn) {
    state_.animationFrame = 0;
    state_.animatedSide = side;
    host_.StartTimer(GameTimer::kAnimation);
  }
  host_.ShowBoard(state_.board);
  CheckLines();
  AdvanceTurn();
}

bool Game::ComputerMove(Side side) {
  const std::optional<Cell> cell = ChooseFor(side);
  if (!cell) return false;
  Place(*cell, side, Placer::kComputer);
  return true;
}

std::optional<Cell> Game::ChooseFor(Side side) {
  const Strength strength = state_.strength[side];
  if (strength != Strength::kMaster) return ChooseCell(state_.board, side, strength, state_.random);
  const std::optional<MasterMove> move = master_.Choose(state_.board, side, state_.sidesInPlay, state_.random);
  if (!move) return std::nullopt;
  return move->cell;
}

bool Game::EmptyCellExists() const {
  return std::find(state_.board.begin(), state_.board.end(), 0) != state_.board.end();
}

// --- Taking back and hints --------------------------------------------------

void Game::RememberForUndo(Cell clickedBefore) {
  undo_.Push({state_.board, state_.toMove, state_.random, clickedBefore});
  TellUndoAvailable();
}

void Game::Undo() {
  const std::optional<UndoPoint> point = undo_.Pop();
  if (!point) return;
  state_.board = point->board;
  state_.toMove = point->toMove;
  state_.random = point->random;
  state_.clicked = point->clicked;
  // The moves still on the board are the first ones made.
  const auto pieces = std::count_if(state_.board.begin(), state_.board.end(), [](PieceCode p) { return p != 0; });
  if (static_cast<std::size_t>(pieces) < moves_.size()) moves_.erase(moves_.begin() + pieces, moves_.end());
  // The rest of an animation would draw a piece that is gone.
  host_.StopTimer(GameTimer::kAnimation);
  host_.ShowBoard(state_.board);
  TellUndoAvailable();
}

void Game::Hint() {
  const std::optional<Side> side = state_.toMove;
  if (!side || state_.autoMode[*side] != AutoMode::kPerson) return;
  RandomGenerator copy = state_.random;  // a hint takes nothing from the game's sequence
  if (const std::optional<MasterMove> move = master_.Choose(state_.board, *side, state_.sidesInPlay, copy)) {
    host_.ShowHint(move->cell, move->reason);
  }
}

void Game::ShowDecisiveMove() {
  if (lastLost_.empty()) return;
  const std::size_t index = DecisiveMove(lastLost_, master_);
  host_.ShowDecisiveMove(lastLost_[index], static_cast<int>(index) + 1);
}

void Game::ForgetUndo() {
  undo_.Clear();
  TellUndoAvailable();
}

void Game::TellUndoAvailable() {
  if (undoShown_ == !undo_.empty()) return;
  undoShown_ = !undo_.empty();
  host_.ShowUndoAvailable(undoShown_);
}

// --- Commands -----------------------------------------------------------------

void Game::StartNewGame() {
  NewGame();
  state_.gameEnded = false;
}

void Game::SetAutoMode(Side side, AutoMode mode) {
  state_.autoMode[side] = mode;
  host_.ShowAutoMode(side, mode);
}

void Game::SetStrength(Side side, Strength strength) {
  state_.strength[side] = strength;
  host_.ShowStrength(side, strength);
}

void Game::FullAutomation() {
  for (Side side : AllSides()) {
    SetStrength(side, Strength::kStrong);
    SetAutoMode(side, AutoMode::kComputer);
  }
}

// The presets store values only: the menu keeps showing the earlier choices
// until the player picks an item in that submenu.
void Game::PresetOnePlayer() {
  using enum AutoMode;
  using enum Strength;
  state_.autoMode = {kPerson, kHalf, kComputer, kComputer};
  state_.strength = {kNone, kWeak, kStrong, kStrong};
}

void Game::PresetTwoPlayers() {
  using enum AutoMode;
  using enum Strength;
  state_.autoMode = {kPerson, kPerson, kHalf, kHalf};
  state_.strength = {kNone, kNone, kStrong, kWeak};
}

void Game::ToggleConstantRedraw() {
  if (host_.IsTimerRunning(GameTimer::kRedraw)) {
    host_.StopTimer(GameTimer::kRedraw);
  } else {
    host_.StartTimer(GameTimer::kRedraw);
  }
  state_.animationOn = false;  // either way, constant redraw and animation exclude each other
}

void Game::MenuOpening() {
  if (!state_.soundOn) return;  // silent openings take no random number
  host_.PlaySound(SoundPlayer::kEffects, files::kMenuOpeningSounds[state_.random.Next() % 5]);
}

void Game::KeyPressed(int keyCode) {
  if (keyCode >= '1' && keyCode <= '9') host_.PlaySound(SoundPlayer::kMusic, files::kMusic[keyCode - '1']);
}

// --- Timer ticks ----------------------------------------------------------------

void Game::StatusTick() {
  if (state_.toMove) host_.ShowStatus(texts::kTurns[*state_.toMove]);
  for (Side side : AllSides()) host_.ShowScore(side, state_.winCount[side]);
  CheckLines();
}

void Game::RedrawTick() { host_.ShowBoard(state_.board); }

void Game::AnimationTick() {
  // The count advances and the timer stops before the frame is loaded, so a
  // failing frame never stalls or lengthens the animation.
  ++state_.animationFrame;
  if (state_.animationFrame > files::kAnimationFrames) host_.StopTimer(GameTimer::kAnimation);
  const int frame = state_.animationFrame;
  if (!state_.animatedSide || frame < 1 || frame > files::kAnimationFrames) return;
  // The cell is read anew at every tick: a click moves the rest of the
  // animation to the newly clicked cell.
  host_.ShowAnimationFrame(files::FrameFile(*state_.animatedSide, frame), state_.clicked);
}

}  // namespace trimbol
