// The logic behind the menu, the buttons, the check box, the keys and the
// three timers. The window's handlers delegate here.
#include <charconv>

#include "game.h"
#include "tables.h"

namespace trimbol {

void Game::NewGameCommand() {
  NewGame();
  state_.GameEndedFlag = 0;
}

void Game::WriteChoiceCaptions(int side, int value, bool intelligence) {
  const auto& items = intelligence ? IntelligenceItems[side - 1] : AutoModeItems[side - 1];
  const auto& words = intelligence ? IntelligenceWords : AutoModeWords;
  for (int i = 0; i < 3; ++i) {
    host_.SetCaption(items[i], i == value ? "+" + std::string(words[i]) : std::string(words[i]));
  }
}

void Game::SetAutoMode(int side, int mode) {
  state_.AutoModeOf(side) = mode;
  WriteChoiceCaptions(side, mode, false);
}

void Game::SetIntelligence(int side, int level) {
  state_.IntelligenceOf(side) = level;
  WriteChoiceCaptions(side, level, true);
}

void Game::FullAuto() {
  for (int side = 1; side <= kSides; ++side) {
    SetIntelligence(side, 2);
    SetAutoMode(side, 2);
  }
}

// The presets store values only: the "+" markers keep showing the earlier
// choices until the user picks an item in that submenu.
void Game::PresetOnePlayer() {
  state_.AutoMode = {0, 1, 2, 2};
  state_.Intelligence = {0, 1, 2, 2};
}

void Game::PresetTwoPlayers() {
  state_.AutoMode = {0, 0, 1, 1};
  state_.Intelligence = {0, 0, 2, 1};
}

void Game::CheckBox1Click() {
  if (host_.TimerActive(TimerId::Redraw)) {
    host_.StopTimer(TimerId::Redraw);
  } else {
    host_.StartTimer(TimerId::Redraw);
  }
  state_.AnimationOn = 0;  // either way, constant redraw and animation exclude each other
}

void Game::PopupMenu1Popup() {
  if (state_.SoundOn != 1) return;  // silent openings take no random number
  static constexpr std::string_view kOpeningSounds[5] = {
      EffectFiles[0], EffectFiles[1], EffectFiles[5], EffectFiles[6], EffectFiles[0]};
  host_.PlayEffect(std::string(kOpeningSounds[NextRandom() % 5]));
}

void Game::FormKeyDown(int keyCode) {
  if (keyCode >= '1' && keyCode <= '9') host_.PlayMusic(std::string(MusicFiles[keyCode - '1']));
}

void Game::Timer1Timer() {
  const int player = state_.CurrentPlayer;
  if (player >= 1 && player <= kSides) host_.SetStatusText(StatusTexts[player - 1]);
  for (int side = 0; side < kSides; ++side) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, state_.WinCount[side]).ptr;
    host_.SetCaption(ScoreItems[side], std::string_view(digits, end - digits));
  }
  CheckLines();
}

void Game::Timer2Timer() { host_.DrawBoard(state_.board); }

void Game::Timer3Timer() {
  // The count advances and the timer stops before the frame is loaded, so a
  // failing frame never stalls or lengthens the animation.
  ++state_.AnimationFrame;
  if (state_.AnimationFrame > kAnimationFrames) host_.StopTimer(TimerId::Animation);
  const int x = LayerOriginX(state_.ClickedLayer) + 60 * state_.ClickedColumn;
  const int y = CellOriginY(state_.ClickedRow);
  DrawAnimationFrame(state_.AnimatedPiece, state_.AnimationFrame, x, y);
}

void Game::DrawAnimationFrame(int piece, int frame, int x, int y) {
  if (piece < 1 || piece > kSides || frame < 1 || frame > kAnimationFrames) return;
  host_.DrawFrame(FrameFile(piece, frame), x, y);
}

}  // namespace trimbol
