// Menu commands and their captions, the presets, the check box, the keys
// and the three timer ticks.
#include <map>

#include "engine/file_error.h"
#include "test_support.h"

namespace trimbol::test {
namespace {

using AnimationTickTest = GameTest;
using CheckBoxTest = GameTest;
using ChoiceMenuTest = GameTest;
using MenuSoundTest = GameTest;
using MusicKeyTest = GameTest;
using SimpleSettingsTest = GameTest;
using StatusTickTest = GameTest;

using Strings = std::vector<std::string>;

using Sides = std::array<int, 4>;

TEST_F(ChoiceMenuTest, EachChoiceSetsAndShowsOnlyItsSidesValue) {
  for (int side = 1; side <= 4; ++side) {
    for (int value : {2, 1, 0}) {
      Sides expected{};
      expected[side - 1] = value;
      Run("auto " + std::to_string(side) + " " + std::to_string(value));
      EXPECT_EQ(Numbers(s.autoMode), expected);
      EXPECT_EQ(Numbers(scenario.host().shownAutoModes()), expected);
      Run("intel " + std::to_string(side) + " " + std::to_string(value));
      EXPECT_EQ(Numbers(s.strength), expected);
      EXPECT_EQ(Numbers(scenario.host().shownStrengths()), expected);
    }
  }
  EXPECT_TRUE(events().empty());
}

TEST_F(ChoiceMenuTest, FullAutomationSetsEverySideAndPresetsLeaveTheMenuAlone) {
  Run("fullauto");
  EXPECT_EQ(Numbers(s.autoMode), (Sides{2, 2, 2, 2}));
  EXPECT_EQ(Numbers(s.strength), (Sides{2, 2, 2, 2}));
  EXPECT_EQ(Numbers(scenario.host().shownAutoModes()), (Sides{2, 2, 2, 2}));
  EXPECT_EQ(Numbers(scenario.host().shownStrengths()), (Sides{2, 2, 2, 2}));
  EXPECT_EQ(s.toMove, std::nullopt) << "starts no game";
  EXPECT_TRUE(events().empty()) << "makes no move";

  Run("players 2\npreset2");
  EXPECT_EQ(Numbers(s.autoMode), (Sides{0, 0, 1, 1}));
  EXPECT_EQ(Numbers(s.strength), (Sides{0, 0, 2, 1}));
  Run("preset1");
  EXPECT_EQ(Numbers(s.autoMode), (Sides{0, 1, 2, 2}));
  EXPECT_EQ(Numbers(s.strength), (Sides{0, 1, 2, 2}));
  EXPECT_EQ(Numbers(scenario.host().shownAutoModes()), (Sides{2, 2, 2, 2})) << "the menu keeps the earlier choices";
  EXPECT_EQ(Numbers(scenario.host().shownStrengths()), (Sides{2, 2, 2, 2}));
  EXPECT_EQ(s.sidesInPlay, 2) << "presets leave the count alone";
  EXPECT_EQ(s.toMove, std::nullopt);
}

TEST_F(SimpleSettingsTest, ChangeNothingButTheirValue) {
  Play(scenario, "newgame\nmove 35 35\nclick");
  const Board board = scenario.game().state().board;
  scenario.host().events().clear();
  Play(scenario, "players 3\nsound 1\nautostart 0\nanimation 0");
  const GameState& s = scenario.game().state();
  EXPECT_EQ(s.board, board);
  EXPECT_EQ(s.toMove, Side(2));
  EXPECT_EQ(s.sidesInPlay, 3);
  EXPECT_TRUE(s.soundOn);
  EXPECT_FALSE(s.autoStartOn);
  EXPECT_FALSE(s.animationOn);
  EXPECT_TRUE(scenario.host().events().empty());
}

TEST_F(CheckBoxTest, TogglesConstantRedrawAndAlwaysStopsAnimation) {
  Play(scenario, "checkbox\ntick2");
  EXPECT_TRUE(scenario.host().IsTimerRunning(GameTimer::kRedraw));
  EXPECT_FALSE(scenario.game().state().animationOn);
  EXPECT_EQ(scenario.host().events(), Strings{"draw"}) << "an empty board, with no game";
  Play(scenario, "animation 1\ncheckbox\ntick2");
  EXPECT_FALSE(scenario.host().IsTimerRunning(GameTimer::kRedraw));
  EXPECT_FALSE(scenario.game().state().animationOn);
  EXPECT_EQ(scenario.host().events().size(), 1u) << "no tick once stopped";
}

TEST_F(MenuSoundTest, DrawsOneRandomNumberPerOpeningOnlyWithSound) {
  Play(scenario, "menu\nmenu");
  EXPECT_EQ(scenario.game().state().random.state(), 22695478u);
  EXPECT_TRUE(scenario.host().events().empty());
  // 1410184549 % 5 = 4, 672584604 % 5 = 4, 1915668986 % 5 = 1.
  Play(scenario, "sound 1\nmenu\nmenu\nmenu");
  EXPECT_EQ(scenario.host().events(),
            (Strings{"effect stuk.wav", "effect stuk.wav", "effect stuk2.wav"}));
}

TEST_F(MenuSoundTest, EveryRemainderPicksItsFile) {
  g.SetSound(1);
  std::map<int, std::string> seen;
  for (int i = 0; i < 60; ++i) {
    RandomGenerator probe = g.state().random;
    const int remainder = probe.Next() % 5;
    scenario.host().events().clear();
    g.MenuOpening();
    seen[remainder] = scenario.host().events().at(0);
  }
  EXPECT_EQ(seen, (std::map<int, std::string>{{0, "effect stuk.wav"},
                                              {1, "effect stuk2.wav"},
                                              {2, "effect Klik.wav"},
                                              {3, "effect Klik2.wav"},
                                              {4, "effect stuk.wav"}}));
}

TEST_F(MenuSoundTest, AMissingSoundFailsTheOpening) {
  Play(scenario, "sound 1\nmissing stuk.wav");
  EXPECT_THROW(scenario.game().MenuOpening(), FileError);
}

TEST_F(MusicKeyTest, DigitsOneToNinePlayTheirFilesWhateverTheSound) {
  Play(scenario, "key 48\nkey 49\nkey 52\nkey 57\nkey 58\nkey 97\nkey 103");
  EXPECT_EQ(scenario.host().events(), (Strings{"music 1.wav", "music 4.mp3", "music 9.mid"}));
  Play(scenario, "missing 7.mid\nkey 55");
  EXPECT_EQ(scenario.host().events().back(), "error 7.mid");
}

TEST_F(StatusTickTest, ShowsTheSideToMoveAndTheScoresThenChecks) {
  Play(scenario, "tick1");
  EXPECT_EQ(scenario.host().status(), "Строка состояния");
  Play(scenario, "newgame\ntick1");
  EXPECT_EQ(scenario.host().status(), "Ход крестиков");
  s.winCount = {12, 0, 3, 0};
  s.toMove = Side(4);
  Put(s, {{0, 4}, {9, 4}, {18, 4}});
  Play(scenario, "tick1");
  EXPECT_EQ(scenario.host().status(), "Ход спиральков");
  EXPECT_EQ(scenario.host().scores(), (PerSide<std::string>{"12", "0", "3", "0"}))
      << "the count rises after the scores are shown";
  EXPECT_EQ(s.winCount[Side(4)], 1) << "the tick's line check ended the game";
  EXPECT_EQ(s.toMove, Side(1));
}

TEST_F(AnimationTickTest, DrawsTenFramesAtTheClickedCellThenStops) {
  Play(scenario, "newgame\nmove 95 35\nclick\nmove 535 155\nclick");  // nought at (2, 1, 2)
  scenario.host().events().clear();
  for (int tick = 0; tick < 12; ++tick) Play(scenario, "tick3");
  Strings expected;
  for (int n = 1; n <= 10; ++n) expected.push_back("frame n" + std::to_string(n) + ".bmp 510 130");
  EXPECT_EQ(scenario.host().events(), expected);
  EXPECT_FALSE(scenario.host().IsTimerRunning(GameTimer::kAnimation));
  EXPECT_EQ(scenario.game().state().animationFrame, 11);
}

TEST_F(AnimationTickTest, FollowsTheLatestClickAndSurvivesMissingFrames) {
  // The second click, below the board, places nothing but moves the animation.
  Play(scenario,
       "missing k2.bmp\nnewgame\nmove 35 35\nclick\ntick3\ntick3\nmove 600 300\nclick\ntick3");
  const auto events = From(scenario.host().events(), "frame k1.bmp 10 10");
  EXPECT_EQ(events, (Strings{"frame k1.bmp 10 10", "frame k2.bmp 10 10", "error k2.bmp", "draw",
                             "frame k3.bmp 570 10"}));
}

TEST_F(AnimationTickTest, ComputerMovesAndAnimationOffStartNothing) {
  Play(scenario, "animation 0\nauto 2 2\nnewgame\nmove 35 35\nclick\ntick3");
  EXPECT_EQ(Count(scenario.host().events(), "anim 1"), 0);
  EXPECT_EQ(Count(scenario.host().events(), "anim 2"), 0);
  EXPECT_FALSE(scenario.host().IsTimerRunning(GameTimer::kAnimation));
}

}  // namespace
}  // namespace trimbol::test
