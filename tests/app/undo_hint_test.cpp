// Taking back a move and the hint, from the menu and their keys.
#include <QTest>

#include "app_test_support.h"
#include "engine/computer_choice.h"

namespace trimbol::app::testing {
namespace {

class UndoHint : public WindowTest {
 protected:
  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(window_->windowHandle(), key, modifiers);
  }
  BoardView& View() { return *window_->boardView(); }
  const GameState& State() { return window_->game().state(); }
  QAction* Undo() { return window_->menu().Item("N78"); }

  void FocusView() {
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    View().setFocus();
    ASSERT_EQ(QApplication::focusWidget(), &View());
  }
};

TEST_F(UndoHint, TheTwoItemsEndTheGameMenuWithTheirKeys) {
  QAction* game = window_->menu().Item("N39");
  ASSERT_NE(game, nullptr);
  const QList<QAction*> items = game->menu()->actions();
  QStringList names;
  for (const QAction* item : items) names << item->objectName();
  EXPECT_EQ(names, (QStringList{"N1", "N43", "N78", "N79"}));
  EXPECT_EQ(items[2]->text(), QString::fromUtf8("Отменить ход"));
  EXPECT_EQ(items[2]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
  EXPECT_EQ(items[3]->text(), QString::fromUtf8("Подсказка"));
  EXPECT_EQ(items[3]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
}

TEST_F(UndoHint, CtrlZTakesBackAndTheItemIsEnabledOnlyWhileThereIsAMove) {
  Choose("N50");  // no animation
  EXPECT_FALSE(Undo()->isEnabled()) << "no game";
  Press(Qt::Key_F2);
  EXPECT_FALSE(Undo()->isEnabled()) << "no move yet";
  FocusView();
  Press(Qt::Key_Return);
  ASSERT_EQ(State().at({1, 1, 1}), 1);
  EXPECT_TRUE(Undo()->isEnabled());
  Press(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(State().at({1, 1, 1}), 0);
  EXPECT_EQ(State().toMove, Side(1));
  EXPECT_FALSE(Undo()->isEnabled());
  EXPECT_EQ(View().board(), State().board) << "the board shows the move taken back";
}

TEST_F(UndoHint, CtrlHBlinksTheStrongCellAndTakesTheCursorThere) {
  Press(Qt::Key_F2);
  Press(Qt::Key_H, Qt::ControlModifier);
  RandomGenerator copy = State().random;
  const std::optional<Cell> strong = ChooseCell(State().board, Side(1), Strength::kStrong, copy);
  ASSERT_TRUE(strong);
  EXPECT_EQ(View().hint(), strong);
  EXPECT_EQ(View().cursor(), (Cell{1, 1, 1})) << "without the focus the cursor stays";
  EXPECT_TRUE(View().hintRingShown());
  EXPECT_EQ(std::count(State().board.begin(), State().board.end(), 0), kCells) << "nothing placed";

  FocusView();
  Press(Qt::Key_H, Qt::ControlModifier);
  EXPECT_EQ(View().cursor(), *strong);
  EXPECT_TRUE(QTest::qWaitFor([this] { return View().hint() && !View().hintRingShown(); }, 1000))
      << "the ring blinks";
  EXPECT_TRUE(QTest::qWaitFor([this] { return !View().hint(); }, 2500));
}

TEST_F(UndoHint, APlacementEndsTheHint) {
  Choose("N50");
  Press(Qt::Key_F2);
  Press(Qt::Key_H, Qt::ControlModifier);
  ASSERT_TRUE(View().hint());
  FocusView();
  Press(Qt::Key_Return);
  EXPECT_FALSE(View().hint());
}

}  // namespace
}  // namespace trimbol::app::testing
