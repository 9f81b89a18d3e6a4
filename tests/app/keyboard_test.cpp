// The board played with the keyboard alone, through real key events to the
// window.
#include <QTest>

#include "app_test_support.h"
#include "engine/board_geometry.h"

namespace trimbol::app::testing {
namespace {

const QColor kSkyBlue(166, 202, 240);
const QColor kFrameBand(255, 221, 0);

class BoardKeys : public WindowTest {
 protected:
  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(window_->windowHandle(), key, modifiers);
  }
  BoardView& View() { return *window_->boardView(); }
  const GameState& State() { return window_->game().state(); }

  // Tab from the last button, as a player would.
  void FocusView() {
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    window_->twoPlayersButton()->setFocus();
    Press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), &View());
  }

  // The arrows that take the cursor to `target`, rows first.
  void ArrowTo(Cell target) {
    while (View().cursor().row != target.row) Press(View().cursor().row < target.row ? Qt::Key_Down : Qt::Key_Up);
    auto across = [](Cell cell) { return cell.layer * 3 + cell.column; };
    while (across(View().cursor()) != across(target)) {
      Press(across(View().cursor()) < across(target) ? Qt::Key_Right : Qt::Key_Left);
    }
    ASSERT_EQ(View().cursor(), target);
  }

  // The colour of the frame's band beside the cell's picture, as shown.
  QColor BandBeside(Cell cell) {
    const geometry::Point at = geometry::CellOrigin(cell);
    return Shown().pixelColor(at.x - 3, at.y + 25);
  }
};

TEST_F(BoardKeys, TabReachesTheBoardAfterTheButtonsWhichShowsItsCursorOnlyWhileFocused) {
  EXPECT_EQ(BandBeside({1, 1, 1}), kSkyBlue) << "no frame before the board has the focus";
  FocusView();
  EXPECT_EQ(View().cursor(), (Cell{1, 1, 1})) << "the centre of the middle layer";
  EXPECT_EQ(BandBeside({1, 1, 1}), kFrameBand);
  Press(Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), window_->twoPlayersButton());
  EXPECT_EQ(BandBeside({1, 1, 1}), kSkyBlue);
  Press(Qt::Key_Tab);
  Press(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), window_->statusLine()) << "round to the first control";
}

TEST_F(BoardKeys, ArrowsPageKeysHomeAndEndMoveTheCursorAsTheLayersLie) {
  FocusView();
  struct Step {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    Cell to;
  };
  const Step steps[] = {
      {Qt::Key_Right, {}, {1, 2, 1}},
      {Qt::Key_Right, {}, {2, 0, 1}},  // into the right layer
      {Qt::Key_PageUp, {}, {1, 0, 1}},
      {Qt::Key_Right, Qt::ControlModifier, {2, 0, 1}},
      {Qt::Key_Home, {}, {2, 0, 0}},
      {Qt::Key_Up, {}, {2, 0, 0}},  // the top edge
      {Qt::Key_End, {}, {2, 2, 2}},
      {Qt::Key_Right, {}, {2, 2, 2}},  // the right edge
      {Qt::Key_Left, Qt::ControlModifier, {1, 2, 2}},
      {Qt::Key_PageUp, {}, {0, 2, 2}},
      {Qt::Key_PageUp, {}, {0, 2, 2}},
      {Qt::Key_PageDown, {}, {1, 2, 2}},
      {Qt::Key_Up, Qt::KeypadModifier, {1, 2, 1}},  // the keypad's arrows without Num Lock
  };
  for (const Step& step : steps) {
    Press(step.key, step.modifiers);
    EXPECT_EQ(View().cursor(), step.to) << QKeySequence(step.key | step.modifiers).toString().toStdString();
  }
  EXPECT_EQ(BandBeside({1, 2, 1}), kFrameBand);
  EXPECT_EQ(BandBeside({1, 1, 1}), kSkyBlue) << "the old frame is gone";
}

TEST_F(BoardKeys, EnterAndSpacePlaceAsAClickOnTheCursorsCellDoes) {
  Press(Qt::Key_F2);
  FocusView();
  Press(Qt::Key_Return);
  EXPECT_EQ(State().at({1, 1, 1}), 1);
  EXPECT_EQ(State().toMove, trimbol::Side(2));
  EXPECT_TRUE(window_->timer(GameTimer::kAnimation)->isActive()) << "a person's placement is animated";
  Press(Qt::Key_Space);  // on the cross: nothing
  EXPECT_EQ(State().toMove, trimbol::Side(2));
  Press(Qt::Key_Down);
  Press(Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(State().at({1, 1, 2}), 2);
  Press(Qt::Key_Right);
  QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
  QApplication::sendEvent(&View(), &repeat);
  EXPECT_EQ(State().at({1, 2, 2}), 0) << "a held key's repeats place nothing";
  Press(Qt::Key_Space);
  EXPECT_EQ(State().at({1, 2, 2}), 3);
}

TEST_F(BoardKeys, AClickMovesTheCursorToItsCellAndThePointerAloneDoesNot) {
  Choose("N50");  // no animation: its frame files are not the point here
  Press(Qt::Key_F2);
  FocusView();
  MouseAt({480, 130});
  EXPECT_EQ(View().cursor(), (Cell{1, 1, 1}));
  ClickAt({35, 155});
  EXPECT_EQ(State().at({0, 0, 2}), 1);
  EXPECT_EQ(View().cursor(), (Cell{0, 0, 2}));
  EXPECT_EQ(QApplication::focusWidget(), &View()) << "a click leaves the focus where it was";
  Press(Qt::Key_F2);
  EXPECT_EQ(View().cursor(), (Cell{0, 0, 2})) << "the cursor stays across games";
}

TEST_F(BoardKeys, TheCursorStaysOnTheClickedCellAndTheAnswersAreSaidThereInOrder) {
  Choose("N50");
  window_->onePlayerButton()->click();  // noughts at half, squiggles and spirals on
  Press(Qt::Key_F2);
  FocusView();
  Press(Qt::Key_Return);  // the cross; the noughts wait for the next click
  Press(Qt::Key_Return);  // noughts, then squiggles and spirals
  QCoreApplication::processEvents();  // the board speaks once the keys are done
  EXPECT_EQ(View().cursor(), (Cell{1, 1, 1}));
  const QString spoken = View().SpokenAt({1, 1, 1});
  const qsizetype noughts = spoken.indexOf("Нолики: слой "), squiggles = spoken.indexOf("Закорюки: слой "),
                  spirals = spoken.indexOf("Спиральки: слой ");
  EXPECT_TRUE(spoken.startsWith("Занято. ")) << spoken.toStdString();
  EXPECT_TRUE(noughts > 0 && noughts < squiggles && squiggles < spirals) << spoken.toStdString();
  EXPECT_EQ(State().toMove, trimbol::Side(1));
}

TEST_F(BoardKeys, TheMenuOpensWithTheMenuKeyAndShiftF10UnderTheCursor) {
  FocusView();
  QMenu* menu = window_->menu().popup();
  for (auto [key, modifiers] : {std::pair{Qt::Key_F10, Qt::ShiftModifier}, {Qt::Key_Menu, Qt::NoModifier}}) {
    Press(key, modifiers);
    ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, 1000));
    const QPoint corner = View().mapToGlobal(View().CellRect({1, 1, 1}).bottomLeft());
    EXPECT_LE((menu->pos() - corner).manhattanLength(), 2) << menu->pos().x() << "," << menu->pos().y();
    menu->hide();
  }
}

// A game against a strong computer, played once by keys and once by the
// mouse on the same cells: the same board and the same result.
TEST_F(BoardKeys, AWholeGameByKeysEndsAsTheSameMovesByMouse) {
  const Cell wanted[] = {{1, 1, 1}, {0, 0, 0}, {2, 2, 2}, {1, 0, 0}, {0, 1, 1}, {2, 1, 1}, {1, 2, 2},
                         {0, 2, 0}, {2, 0, 2}, {1, 0, 2}, {0, 0, 2}, {2, 2, 0}, {1, 2, 0}, {0, 2, 2}};
  auto setUp = [this] {
    for (const char* item : {"N50", "N53", "N210", "N30", "N64"}) Choose(item);  // noughts: strong, on
  };
  // Plays each wanted cell that is still empty, until the result box.
  auto play = [&](auto&& placeOn) {
    for (Cell cell : wanted) {
      if (!boxes_.messages.isEmpty()) break;
      if (State().at(cell) == 0) placeOn(cell);
    }
  };

  setUp();
  Press(Qt::Key_F2);
  FocusView();
  play([this](Cell cell) {
    ArrowTo(cell);
    Press(Qt::Key_Return);
  });
  ASSERT_EQ(boxes_.messages.size(), 1) << "the game came to its result";
  const trimbol::Board byKeys = State().board;
  const QStringList resultByKeys = boxes_.messages;

  boxes_.messages.clear();
  window_ = std::make_unique<MainWindow>(Media(), &boxes_);
  window_->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
  setUp();
  window_->newGameButton()->click();
  play([this](Cell cell) {
    const geometry::Point at = geometry::CellOrigin(cell);
    ClickAt({at.x + 25, at.y + 25});
  });
  EXPECT_EQ(State().board, byKeys);
  EXPECT_EQ(boxes_.messages, resultByKeys);
}

}  // namespace
}  // namespace trimbol::app::testing
