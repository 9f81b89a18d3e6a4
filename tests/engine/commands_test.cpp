// Menu commands and their captions, the presets, the check box, the keys
// and the three timer ticks.
#include <map>

#include "engine/file_error.h"
#include "engine/tables.h"
#include "test_support.h"

namespace trimbol::test {
namespace {

std::vector<std::string> Captions(const RecordingHost& host,
                                  const std::array<std::string_view, 3>& items) {
  return {host.Caption(std::string(items[0])), host.Caption(std::string(items[1])),
          host.Caption(std::string(items[2]))};
}
using Strings = std::vector<std::string>;

TEST(ChoiceMenuTest, RewritesOnlyTheChosenSidesCaptions) {
  Scenario scenario;
  Play(scenario, "auto 2 1");
  const RecordingHost& host = scenario.host();
  EXPECT_EQ(scenario.game().state().AutoMode, (std::array<int, 4>{0, 1, 0, 0}));
  EXPECT_EQ(Captions(host, AutoModeItems[1]), (Strings{"Выкл", "+Полу", "Вкл"}));
  EXPECT_EQ(Captions(host, AutoModeItems[0]), (Strings{"+Выкл", "Полу", "Вкл"}));
  Play(scenario, "auto 2 0\nintel 3 2\nintel 3 0");
  EXPECT_EQ(Captions(host, AutoModeItems[1]), (Strings{"+Выкл", "Полу", "Вкл"}));
  // The rewritten "none" uses a Latin H and e, unlike the layout's "+Нет".
  EXPECT_EQ(Captions(host, IntelligenceItems[2]), (Strings{"+Heт", "Слабо", "Сильно"}));
  EXPECT_EQ(Captions(host, IntelligenceItems[2])[0].substr(0, 3), "+He");
  EXPECT_EQ(Captions(host, IntelligenceItems[3]), (Strings{"+Нет", "Слабо", "Сильно"}));
}

TEST(ChoiceMenuTest, FullAutoSetsEverySideAndPresetsLeaveCaptionsAlone) {
  Scenario scenario;
  Play(scenario, "fullauto");
  const GameState& s = scenario.game().state();
  EXPECT_EQ(s.AutoMode, (std::array<int, 4>{2, 2, 2, 2}));
  EXPECT_EQ(s.Intelligence, (std::array<int, 4>{2, 2, 2, 2}));
  for (int side = 0; side < 4; ++side) {
    EXPECT_EQ(Captions(scenario.host(), AutoModeItems[side]), (Strings{"Выкл", "Полу", "+Вкл"}));
    EXPECT_EQ(Captions(scenario.host(), IntelligenceItems[side]),
              (Strings{"Heт", "Слабо", "+Сильно"}));
    EXPECT_EQ(Captions(scenario.host(), IntelligenceItems[side])[0].substr(0, 2), "He");
  }
  EXPECT_EQ(s.CurrentPlayer, 0) << "starts no game";
  EXPECT_TRUE(scenario.host().events().empty()) << "makes no move";

  Play(scenario, "preset2");
  EXPECT_EQ(s.AutoMode, (std::array<int, 4>{0, 0, 1, 1}));
  EXPECT_EQ(s.Intelligence, (std::array<int, 4>{0, 0, 2, 1}));
  EXPECT_EQ(Captions(scenario.host(), AutoModeItems[0]), (Strings{"Выкл", "Полу", "+Вкл"}));
  Play(scenario, "players 2\npreset1");
  EXPECT_EQ(s.AutoMode, (std::array<int, 4>{0, 1, 2, 2}));
  EXPECT_EQ(s.Intelligence, (std::array<int, 4>{0, 1, 2, 2}));
  EXPECT_EQ(s.PlayerCount, 2) << "presets leave the count alone";
}

TEST(SimpleSettingsTest, ChangeNothingButTheirValue) {
  Scenario scenario;
  Play(scenario, "newgame\nmove 35 35\nclick");
  const Board board = scenario.game().state().board;
  scenario.host().events().clear();
  Play(scenario, "players 3\nsound 1\nautostart 0\nanimation 0");
  const GameState& s = scenario.game().state();
  EXPECT_EQ(s.board, board);
  EXPECT_EQ(s.CurrentPlayer, 2);
  EXPECT_EQ(s.PlayerCount, 3);
  EXPECT_EQ(s.SoundOn, 1);
  EXPECT_EQ(s.AutoStartOn, 0);
  EXPECT_EQ(s.AnimationOn, 0);
  EXPECT_TRUE(scenario.host().events().empty());
}

TEST(CheckBoxTest, TogglesConstantRedrawAndAlwaysStopsAnimation) {
  Scenario scenario;
  Play(scenario, "checkbox\ntick2");
  EXPECT_TRUE(scenario.host().TimerActive(TimerId::Redraw));
  EXPECT_EQ(scenario.game().state().AnimationOn, 0);
  EXPECT_EQ(scenario.host().events(), Strings{"draw"}) << "an empty board, with no game";
  Play(scenario, "animation 1\ncheckbox\ntick2");
  EXPECT_FALSE(scenario.host().TimerActive(TimerId::Redraw));
  EXPECT_EQ(scenario.game().state().AnimationOn, 0);
  EXPECT_EQ(scenario.host().events().size(), 1u) << "no tick once stopped";
}

TEST(MenuSoundTest, DrawsOneRandomNumberPerOpeningOnlyWithSound) {
  Scenario scenario;
  Play(scenario, "menu\nmenu");
  EXPECT_EQ(scenario.game().state().RandomState, 22695478u);
  EXPECT_TRUE(scenario.host().events().empty());
  // 1410184549 % 5 = 4, 672584604 % 5 = 4, 1915668986 % 5 = 1.
  Play(scenario, "sound 1\nmenu\nmenu\nmenu");
  EXPECT_EQ(scenario.host().events(),
            (Strings{"effect stuk.wav", "effect stuk.wav", "effect stuk2.wav"}));
}

TEST(MenuSoundTest, EveryRemainderPicksItsFile) {
  Scenario scenario;
  Game& g = scenario.game();
  g.SetSound(1);
  std::map<int, std::string> seen;
  for (int i = 0; i < 60; ++i) {
    GameState copy = g.state();
    Game probe(scenario.host());
    probe.state() = copy;
    const int remainder = probe.NextRandom() % 5;
    scenario.host().events().clear();
    g.PopupMenu1Popup();
    seen[remainder] = scenario.host().events().at(0);
  }
  EXPECT_EQ(seen, (std::map<int, std::string>{{0, "effect stuk.wav"},
                                              {1, "effect stuk2.wav"},
                                              {2, "effect Klik.wav"},
                                              {3, "effect Klik2.wav"},
                                              {4, "effect stuk.wav"}}));
}

TEST(MenuSoundTest, AMissingSoundFailsTheOpening) {
  Scenario scenario;
  Play(scenario, "sound 1\nmissing stuk.wav");
  EXPECT_THROW(scenario.game().PopupMenu1Popup(), FileError);
}

TEST(MusicKeyTest, DigitsOneToNinePlayTheirFilesWhateverTheSound) {
  Scenario scenario;
  Play(scenario, "key 48\nkey 49\nkey 52\nkey 57\nkey 58\nkey 97\nkey 103");
  EXPECT_EQ(scenario.host().events(), (Strings{"music 1.wav", "music 4.mp3", "music 9.mid"}));
  Play(scenario, "missing 7.mid\nkey 55");
  EXPECT_EQ(scenario.host().events().back(), "error 7.mid");
}

TEST(StatusTickTest, ShowsTheSideToMoveAndTheScoresThenChecks) {
  Scenario scenario;
  GameState& s = scenario.game().state();
  Play(scenario, "tick1");
  EXPECT_EQ(scenario.host().status(), "Строка состояния");
  Play(scenario, "newgame\ntick1");
  EXPECT_EQ(scenario.host().status(), "Ход крестиков");
  s.WinCount = {12, 0, 3, 0};
  s.CurrentPlayer = 4;
  Put(s, {{0, 4}, {9, 4}, {18, 4}});
  Play(scenario, "tick1");
  EXPECT_EQ(scenario.host().status(), "Ход спиральков");
  EXPECT_EQ(scenario.host().Caption("N01"), "12");
  EXPECT_EQ(scenario.host().Caption("N03"), "3");
  EXPECT_EQ(scenario.host().Caption("N04"), "0") << "the count rises after the scores are shown";
  EXPECT_EQ(s.WinCount[3], 1) << "the tick's line check ended the game";
  EXPECT_EQ(s.CurrentPlayer, 1);
}

TEST(AnimationTickTest, DrawsTenFramesAtTheClickedCellThenStops) {
  Scenario scenario;
  Play(scenario, "newgame\nmove 95 35\nclick\nmove 535 155\nclick");  // nought at (2, 1, 2)
  scenario.host().events().clear();
  for (int tick = 0; tick < 12; ++tick) Play(scenario, "tick3");
  Strings expected;
  for (int n = 1; n <= 10; ++n) expected.push_back("frame n" + std::to_string(n) + ".bmp 510 130");
  EXPECT_EQ(scenario.host().events(), expected);
  EXPECT_FALSE(scenario.host().TimerActive(TimerId::Animation));
  EXPECT_EQ(scenario.game().state().AnimationFrame, 11);
}

TEST(AnimationTickTest, FollowsTheLatestClickAndSurvivesMissingFrames) {
  Scenario scenario;
  // The second click, below the board, places nothing but moves the animation.
  Play(scenario,
       "missing k2.bmp\nnewgame\nmove 35 35\nclick\ntick3\ntick3\nmove 600 300\nclick\ntick3");
  const auto events = From(scenario.host().events(), "frame k1.bmp 10 10");
  EXPECT_EQ(events, (Strings{"frame k1.bmp 10 10", "frame k2.bmp 10 10", "error k2.bmp", "draw",
                             "frame k3.bmp 570 10"}));
}

TEST(AnimationTickTest, ComputerMovesAndAnimationOffStartNothing) {
  Scenario scenario;
  Play(scenario, "animation 0\nauto 2 2\nnewgame\nmove 35 35\nclick\ntick3");
  EXPECT_EQ(Count(scenario.host().events(), "anim 1"), 0);
  EXPECT_EQ(Count(scenario.host().events(), "anim 2"), 0);
  EXPECT_FALSE(scenario.host().TimerActive(TimerId::Animation));
}

}  // namespace
}  // namespace trimbol::test
