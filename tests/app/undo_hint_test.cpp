// Taking back a move and the hint, from the menu and their keys.
#include <QTest>

#include "app_test_support.h"
#include "app/reason_texts.h"
#include "engine/master_search.h"

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

TEST_F(UndoHint, TheThreeItemsEndTheGameMenuWithTheirKeys) {
  QAction* game = window_->menu().Item("N39");
  ASSERT_NE(game, nullptr);
  const QList<QAction*> items = game->menu()->actions();
  QStringList names;
  for (const QAction* item : items) names << item->objectName();
  EXPECT_EQ(names, (QStringList{"N1", "N43", "N78", "N79", "N84"}));
  EXPECT_EQ(items[2]->text(), QString::fromUtf8("Отменить ход"));
  EXPECT_EQ(items[2]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
  EXPECT_EQ(items[3]->text(), QString::fromUtf8("Подсказка"));
  EXPECT_EQ(items[3]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
  EXPECT_EQ(items[4]->text(), QString::fromUtf8("Решающий ход"));
  EXPECT_FALSE(items[4]->isEnabled()) << "no game lost yet";
}

TEST_F(UndoHint, TheDecisiveMoveOfALostTwoSideGameIsNamedInABox) {
  Game& game = window_->game();
  game.SetSidesInPlay(2);
  game.SetAutoStart(false);
  game.StartNewGame();
  // Crosses' second piece at the far corner gives noughts a won game.
  for (int cell : {0, 13, 26, 12, 1, 14}) game.ClickCell(CellAt(cell));
  ASSERT_EQ(State().winCount[trimbol::Side(2)], 1);
  ASSERT_TRUE(window_->menu().Item("N84")->isEnabled());
  boxes_.messages.clear();
  Choose("N84");
  EXPECT_EQ(boxes_.messages, QStringList{QString::fromUtf8("Без защиты после хода 3: крестики, слой 3, ряд 3, столбец 3")});
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

TEST_F(UndoHint, CtrlHBlinksMastersCellWithItsReasonAndTakesTheCursorThere) {
  Press(Qt::Key_F2);
  Press(Qt::Key_H, Qt::ControlModifier);
  RandomGenerator copy = State().random;
  MasterSearch master;
  const std::optional<MasterMove> move = master.Choose(State().board, Side(1), State().sidesInPlay, copy);
  ASSERT_TRUE(move);
  const std::optional<Cell> hinted = move->cell;
  EXPECT_EQ(View().hint(), hinted);
  EXPECT_EQ(View().hintReason(), ReasonText(move->reason));
  EXPECT_FALSE(View().hintReason().isEmpty());
  EXPECT_EQ(View().cursor(), (Cell{1, 1, 1})) << "without the focus the cursor stays";
  EXPECT_TRUE(View().hintRingShown());
  EXPECT_EQ(std::count(State().board.begin(), State().board.end(), 0), kCells) << "nothing placed";

  FocusView();
  Press(Qt::Key_H, Qt::ControlModifier);
  EXPECT_EQ(View().cursor(), *hinted);
  EXPECT_TRUE(QTest::qWaitFor([this] { return View().hint() && !View().hintRingShown(); }, 1000))
      << "the ring blinks";
  EXPECT_TRUE(QTest::qWaitFor([this] { return !View().hint(); }, 2500));
  EXPECT_TRUE(View().hintReason().isEmpty());
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
