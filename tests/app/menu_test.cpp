// The popup menu: what each item does and shows, the shortcuts that work
// without opening it, and its opening sound.
#include <QTest>

#include "app_test_support.h"

namespace trimbol::app::testing {
namespace {

using Menu = WindowTest;
using Sides = std::array<int, 4>;

// The settings by their numbers, the menu's item order.
template <typename Enum>
Sides Numbers(const PerSide<Enum>& values) {
  Sides numbers{};
  for (const Side side : AllSides()) numbers[side.index()] = static_cast<int>(values[side]);
  return numbers;
}

// The items of each side's "Автомат" and "Интеллект" submenus.
const char* const kAutoModeItems[4][3] = {
    {"N25", "N26", "N27"}, {"N28", "N29", "N30"}, {"N32", "N33", "N34"}, {"N35", "N36", "N37"}};
const char* const kStrengthItems[4][4] = {
    {"N59", "N60", "N61", "N80"}, {"N62", "N63", "N64", "N81"}, {"N65", "N66", "N67", "N82"}, {"N68", "N69", "N70", "N83"}};

template <std::size_t N>
QString Captions(const GameMenu& menu, const char* const (&items)[N]) {
  QStringList texts;
  for (const char* item : items) texts << menu.Item(item)->text();
  return texts.join(' ');
}

TEST_F(Menu, EveryChoiceSetsItsOwnSideAndMarksOnlyItself) {
  // The launch values are marked with the layout's all-Cyrillic "+Нет".
  EXPECT_EQ(Captions(window_->menu(), kStrengthItems[3]), QString::fromUtf16(u"+\u041D\u0435\u0442 Слабо Сильно Мастер"));
  const QString autoModes[3] = {"+Выкл Полу Вкл", "Выкл +Полу Вкл", "Выкл Полу +Вкл"};
  // The menu rewrites none with a Latin H and e.
  const QString strengths[4] = {QString::fromUtf16(u"+He\u0442 Слабо Сильно Мастер"), "Heт +Слабо Сильно Мастер",
                                "Heт Слабо +Сильно Мастер", "Heт Слабо Сильно +Мастер"};
  const GameState& state = window_->game().state();
  for (int side = 0; side < 4; ++side) {
    for (int value : {3, 2, 1, 0}) {
      Sides expected{};
      expected[side] = value;
      if (value < 3) {
        Choose(kAutoModeItems[side][value]);
        EXPECT_EQ(Numbers(state.autoMode), expected) << kAutoModeItems[side][value];
        EXPECT_EQ(Captions(window_->menu(), kAutoModeItems[side]), autoModes[value]) << kAutoModeItems[side][value];
      }
      Choose(kStrengthItems[side][value]);
      EXPECT_EQ(Numbers(state.strength), expected) << kStrengthItems[side][value];
      EXPECT_EQ(Captions(window_->menu(), kStrengthItems[side]), strengths[value]) << kStrengthItems[side][value];
    }
  }
}

TEST_F(Menu, PresetsAndFullAutomationSetEverySide) {
  const GameState& state = window_->game().state();
  Choose("N29");
  ClickOn(window_->onePlayerButton());
  EXPECT_EQ(Numbers(state.autoMode), (Sides{0, 1, 2, 2}));
  EXPECT_EQ(Numbers(state.strength), (Sides{0, 1, 2, 2}));
  ClickOn(window_->twoPlayersButton());
  EXPECT_EQ(Numbers(state.autoMode), (Sides{0, 0, 1, 1}));
  EXPECT_EQ(Numbers(state.strength), (Sides{0, 0, 2, 1}));
  // The presets leave the markers on the earlier choices.
  EXPECT_EQ(Captions(window_->menu(), kAutoModeItems[1]), "Выкл +Полу Вкл");
  EXPECT_EQ(Captions(window_->menu(), kAutoModeItems[2]), "+Выкл Полу Вкл");

  Choose("N77");
  EXPECT_EQ(Numbers(state.autoMode), (Sides{2, 2, 2, 2}));
  EXPECT_EQ(Numbers(state.strength), (Sides{2, 2, 2, 2}));
  for (int side = 0; side < 4; ++side) {
    EXPECT_EQ(Captions(window_->menu(), kAutoModeItems[side]), "Выкл Полу +Вкл");
    EXPECT_EQ(Captions(window_->menu(), kStrengthItems[side]), "Heт Слабо +Сильно Мастер");
  }
  EXPECT_EQ(state.toMove, std::nullopt) << "no game starts";
}

TEST_F(Menu, EachSettingItemStoresItsValue) {
  const GameState& state = window_->game().state();
  struct Case {
    const char* item;
    int (*field)(const GameState&);
    int value;
  };
  constexpr auto sound = [](const GameState& s) { return int(s.soundOn); };
  constexpr auto autoStart = [](const GameState& s) { return int(s.autoStartOn); };
  constexpr auto animation = [](const GameState& s) { return int(s.animationOn); };
  constexpr auto sides = [](const GameState& s) { return s.sidesInPlay; };
  const Case cases[] = {{"N6", sound, 1},      {"N7", sound, 0},      {"N53", autoStart, 0},
                        {"N52", autoStart, 1}, {"N50", animation, 0}, {"N49", animation, 1},
                        {"N210", sides, 2},    {"N310", sides, 3},    {"N410", sides, 4}};
  for (const Case& c : cases) {
    Choose(c.item);
    EXPECT_EQ(c.field(state), c.value) << c.item;
  }
  const GameState before = state;
  for (const char* item : {"N75", "N76"}) Choose(item);  // "Диаг.выиг": nothing behind it
  EXPECT_EQ(state.autoMode, before.autoMode);
  EXPECT_EQ(state.soundOn, before.soundOn);
  Choose("N1");
  EXPECT_EQ(state.toMove, trimbol::Side(1));
}

TEST_F(Menu, ShortcutsWorkFromEveryControlWithoutOpeningTheMenu) {
  const auto random = window_->game().state().random;
  QTest::keyClick(window_->statusLine(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_TRUE(window_->game().state().soundOn);
  // With sound on, an opening would have drawn a random number and failed
  // on the missing click sound.
  QTest::keyClick(window_->statusLine(), Qt::Key_D, Qt::ControlModifier);  // not the line edit's "delete"
  EXPECT_FALSE(window_->game().state().soundOn);
  QTest::keyClick(window_->constantRedrawBox(), Qt::Key_F2);
  EXPECT_EQ(window_->game().state().toMove, trimbol::Side(1));

  QStringList captions;
  auto closeDialog = [&] {
    QTimer::singleShot(0, [&] {
      captions << Dialog()->windowTitle();
      Dialog()->reject();
    });
  };
  closeDialog();
  QTest::keyClick(window_->newGameButton(), Qt::Key_F1);
  window_->activateWindow();  // the window manager's part once the dialog is gone
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  closeDialog();
  QTest::keyClick(window_->twoPlayersButton(), Qt::Key_F1, Qt::ShiftModifier);
  EXPECT_EQ(captions, QStringList({"Инструкции", "О программе..."}));

  EXPECT_EQ(window_->game().state().random, random);
  EXPECT_TRUE(boxes_.errors.isEmpty()) << boxes_.errors.join('|').toStdString();
  EXPECT_FALSE(window_->menu().popup()->isVisible());
}

TEST_F(Menu, RightClickPlaysTheOpeningSoundFirstAndAFailureKeepsTheMenuShut) {
  ClickAt({300, 230}, Qt::RightButton);
  EXPECT_TRUE(window_->menu().popup()->isVisible());  // sound off: it just opens
  window_->menu().popup()->hide();
  EXPECT_TRUE(boxes_.errors.isEmpty());

  Choose("N6");
  const auto random = window_->game().state().random;
  ClickAt({300, 230}, Qt::RightButton);
  // 1410184549 % 5 = 4: the knock, which this folder does not hold.
  EXPECT_EQ(boxes_.errors, QStringList{"Couldn't open \"stuk.wav\": No such file or directory."});
  EXPECT_FALSE(window_->menu().popup()->isVisible());
  EXPECT_NE(window_->game().state().random, random);
}

TEST_F(Menu, ARightClickOnAnyControlOpensTheWindowsMenu) {
  for (QWidget* control : {static_cast<QWidget*>(window_->statusLine()),
                           static_cast<QWidget*>(window_->constantRedrawBox()),
                           static_cast<QWidget*>(window_->newGameButton()),
                           static_cast<QWidget*>(window_->twoPlayersButton())}) {
    ClickAt(control->mapTo(window_.get(), control->rect().center()), Qt::RightButton);
    EXPECT_TRUE(window_->menu().popup()->isVisible()) << control->objectName().toStdString();
    window_->menu().popup()->hide();
  }
  EXPECT_TRUE(boxes_.errors.isEmpty());
  EXPECT_EQ(window_->game().state().toMove, std::nullopt) << "a right click on the new-game button starts no game";
}

}  // namespace
}  // namespace trimbol::app::testing
