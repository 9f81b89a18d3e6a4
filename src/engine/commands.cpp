// The logic behind the menu, the buttons, the check box, the keys and the
// three timer ticks. The window's handlers delegate here.
#include "engine/file_names.h"
#include "engine/game.h"
#include "engine/texts.h"

namespace trimbol {

void Game::StartNewGame() {
  NewGame();
  state_.gameEnded = 0;
}

void Game::SetAutoMode(int side, int mode) {
  state_.AutoModeOf(side) = mode;
  host_.ShowAutoMode(side, mode);
}

void Game::SetIntelligence(int side, int level) {
  state_.IntelligenceOf(side) = level;
  host_.ShowIntelligence(side, level);
}

void Game::FullAutomation() {
  for (int side = 1; side <= kSides; ++side) {
    SetIntelligence(side, 2);
    SetAutoMode(side, 2);
  }
}

// The presets store values only: the menu keeps showing the earlier choices
// until the player picks an item in that submenu.
void Game::PresetOnePlayer() {
  state_.autoMode = {0, 1, 2, 2};
  state_.intelligence = {0, 1, 2, 2};
}

void Game::PresetTwoPlayers() {
  state_.autoMode = {0, 0, 1, 1};
  state_.intelligence = {0, 0, 2, 1};
}

void Game::ToggleConstantRedraw() {
  if (host_.IsTimerRunning(GameTimer::kRedraw)) {
    host_.StopTimer(GameTimer::kRedraw);
  } else {
    host_.StartTimer(GameTimer::kRedraw);
  }
  state_.animationOn = 0;  // either way, constant redraw and animation exclude each other
}

void Game::MenuOpening() {
  if (state_.soundOn != 1) return;  // silent openings take no random number
  host_.PlaySound(SoundPlayer::kEffects, files::kMenuOpeningSounds[NextRandom() % 5]);
}

void Game::KeyPressed(int keyCode) {
  if (keyCode >= '1' && keyCode <= '9') host_.PlaySound(SoundPlayer::kMusic, files::kMusic[keyCode - '1']);
}

void Game::StatusTick() {
  const int player = state_.currentPlayer;
  if (player >= 1 && player <= kSides) host_.ShowStatus(texts::kTurns[player - 1]);
  for (int side = 1; side <= kSides; ++side) host_.ShowScore(side, state_.winCount[side - 1]);
  CheckLines();
}

void Game::RedrawTick() { host_.ShowBoard(state_.board); }

void Game::AnimationTick() {
  // The count advances and the timer stops before the frame is loaded, so a
  // failing frame never stalls or lengthens the animation.
  ++state_.animationFrame;
  if (state_.animationFrame > files::kAnimationFrames) host_.StopTimer(GameTimer::kAnimation);
  const int piece = state_.animatedPiece, frame = state_.animationFrame;
  if (piece < 1 || piece > kSides || frame < 1 || frame > files::kAnimationFrames) return;
  // The cell is read anew at every tick: a click moves the rest of the
  // animation to the newly clicked cell.
  host_.ShowAnimationFrame(files::FrameFile(piece, frame), state_.clicked);
}

}  // namespace trimbol
