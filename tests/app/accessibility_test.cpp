// The board as a screen reader sees it, in process: the accessible tree of
// the board and the events a move sends. Runs on a display and a session bus
// of its own (tests/support/with_desktop_session.sh), where Qt's
// accessibility bridge is on; here a recorder stands in for the bridge.
// (QTestAccessibility would do, but its clearEvents() leaks every event.)
#include <QAccessibleWidget>
#include <QTest>

#include "app/board_accessible.h"
#include "app_test_support.h"
#include "engine/board_geometry.h"

namespace trimbol::app::testing {
namespace {

struct Told {
  QAccessible::Event type;
  int child;  // -1: the board itself
  friend bool operator==(const Told&, const Told&) = default;
};

void PrintTo(const Told& told, std::ostream* out) { *out << "{event " << told.type << ", child " << told.child << "}"; }

// Every event the widgets send, kept by value while a test runs.
struct Recorded {
  const QObject* object;
  Told told;
};
std::vector<Recorded>& Recording() {
  static std::vector<Recorded> recording;
  return recording;
}
void Record(QAccessibleEvent* event) { Recording().push_back({event->object(), {event->type(), event->child()}}); }

class Accessibility : public WindowTest {
 protected:
  void SetUp() override {
    // The bridge comes up once the accessibility bus has answered.
    ASSERT_TRUE(QTest::qWaitFor([] { return QAccessible::isActive(); }, 10000))
        << "Qt's accessibility bridge is off: run under tests/support/with_desktop_session.sh";
    WindowTest::SetUp();
    Recording().clear();
    bridge_ = QAccessible::installUpdateHandler(Record);
    Choose("N50");  // no animation: its frame files are not the point here
  }
  void TearDown() override {
    QAccessible::installUpdateHandler(bridge_);
    Recording().clear();
    WindowTest::TearDown();
  }
  QAccessible::UpdateHandler bridge_ = nullptr;

  BoardView& View() { return *window_->boardView(); }
  Game& Play() { return window_->game(); }
  QAccessibleInterface* Board() { return QAccessible::queryAccessibleInterface(&View()); }
  QAccessibleInterface* CellOf(Cell cell) { return Board()->child(AccessibleIndex(cell)); }

  void FocusBoard() {
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    View().setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(View().hasFocus());
  }
  void Press(Qt::Key key) { QTest::keyClick(window_->windowHandle(), key); }

  // What the board told since the last call, in order.
  std::vector<Told> Told_() {
    std::vector<Told> told;
    for (const Recorded& event : Recording()) {
      if (event.object == &View()) told.push_back(event.told);
    }
    Recording().clear();
    return told;
  }
};

TEST_F(Accessibility, TheBoardIsATableOf27NamedCellsInThreeRowsOfNine) {
  window_->newGameButton()->click();
  for (Cell cell : {Cell{0, 0, 0}, Cell{1, 2, 1}, Cell{2, 1, 2}, Cell{1, 0, 2}}) Play().ClickCell(cell);

  QAccessibleInterface* board = Board();
  ASSERT_NE(board, nullptr);
  EXPECT_EQ(board->role(), QAccessible::Table);
  EXPECT_EQ(board->text(QAccessible::Name), "Доска");
  EXPECT_EQ(board->parent(), QAccessible::queryAccessibleInterface(window_.get()));
  ASSERT_EQ(board->childCount(), 27);
  QAccessibleTableInterface* table = board->tableInterface();
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->rowCount(), 3);
  EXPECT_EQ(table->columnCount(), 9);

  const QString pieces[] = {"пусто", "крестик", "нолик", "закорюка", "спиралька"};
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 9; ++column) {
      const Cell cell{column / 3, column % 3, row};
      QAccessibleInterface* shown = table->cellAt(row, column);
      ASSERT_NE(shown, nullptr);
      EXPECT_EQ(shown, board->child(board->indexOfChild(shown))) << "one object per cell";
      EXPECT_EQ(shown->parent(), board);
      EXPECT_EQ(shown->role(), QAccessible::Cell);
      EXPECT_EQ(shown->tableCellInterface()->rowIndex(), row);
      EXPECT_EQ(shown->tableCellInterface()->columnIndex(), column);
      EXPECT_EQ(shown->text(QAccessible::Name), QStringLiteral("Слой %1, ряд %2, столбец %3: %4")
                                                    .arg(cell.layer + 1)
                                                    .arg(row + 1)
                                                    .arg(cell.column + 1)
                                                    .arg(pieces[Play().state().at(cell)]));
      EXPECT_TRUE(shown->state().focusable);
      EXPECT_FALSE(shown->state().focused) << "the board has not the focus";
      const QPoint centre = shown->rect().center();
      EXPECT_EQ(board->childAt(centre.x(), centre.y()), shown);
    }
  }
  EXPECT_EQ(CellOf({1, 2, 1})->text(QAccessible::Name), "Слой 2, ряд 2, столбец 3: нолик");

  FocusBoard();
  for (int index = 0; index < 27; ++index) {
    EXPECT_EQ(board->child(index)->state().focused, index == AccessibleIndex(View().cursor())) << index;
  }
  EXPECT_EQ(board->focusChild(), CellOf(View().cursor()));
}

TEST_F(Accessibility, ACursorMoveAndAPlacementAreToldOnTheirCells) {
  window_->newGameButton()->click();
  FocusBoard();
  Told_();
  Press(Qt::Key_Right);
  EXPECT_EQ(Told_(), (std::vector<Told>{{QAccessible::Focus, AccessibleIndex({1, 2, 1})}}));
  Press(Qt::Key_Return);
  EXPECT_EQ(Told_(), (std::vector<Told>{{QAccessible::NameChanged, AccessibleIndex({1, 2, 1})}}));
  EXPECT_EQ(CellOf({1, 2, 1})->text(QAccessible::Name), "Слой 2, ряд 2, столбец 3: крестик");
  EXPECT_EQ(CellOf({1, 2, 1})->text(QAccessible::Description), "") << "a person's move";
}

TEST_F(Accessibility, TheComputersAnswerTakesTheFocusAndSaysWhoPlacedIt) {
  Choose("N30");  // noughts: the computer, at once
  window_->newGameButton()->click();
  FocusBoard();
  Told_();
  Press(Qt::Key_Return);
  const trimbol::Board& board = Play().state().board;
  const Cell nought = CellAt(static_cast<int>(std::find(board.begin(), board.end(), 2) - board.begin()));
  const int answer = AccessibleIndex(nought);
  EXPECT_EQ(Told_(), (std::vector<Told>{{QAccessible::NameChanged, AccessibleIndex({1, 1, 1})},
                                        {QAccessible::NameChanged, answer},
                                        {QAccessible::DescriptionChanged, answer},
                                        {QAccessible::Focus, answer}}));
  EXPECT_EQ(Board()->focusChild(), CellOf(nought));
  EXPECT_EQ(CellOf(nought)->text(QAccessible::Description), "ход компьютера: нолики");
  EXPECT_TRUE(CellOf(nought)->text(QAccessible::Name).endsWith(": нолик"));

  // After the person's next move and the noughts' next answer, the first
  // answer is no longer news.
  View().SetCursor(CellAt(static_cast<int>(std::find(board.begin(), board.end(), 0) - board.begin())));
  Press(Qt::Key_Return);
  EXPECT_EQ(CellOf(nought)->text(QAccessible::Description), "");
}

TEST_F(Accessibility, TheBoardSaysTheResultFromItsBoxUntilTheNextGame) {
  Choose("N53");  // no new game by itself
  window_->newGameButton()->click();
  Play().state().board[CellIndex(0, 0, 0)] = 1;
  Play().state().board[CellIndex(0, 1, 0)] = 1;
  FocusBoard();
  Told_();
  View().SetCursor({0, 2, 0});
  Told_();
  Press(Qt::Key_Return);  // the third cross of the top row
  ASSERT_EQ(boxes_.messages, QStringList{"  Крестики победили  "});
  const std::vector<Told> told = Told_();
  EXPECT_EQ(told.back(), (Told{QAccessible::DescriptionChanged, -1}));
  EXPECT_EQ(Board()->text(QAccessible::Description), "Крестики победили");
  window_->newGameButton()->click();
  EXPECT_EQ(Board()->text(QAccessible::Description), "");
  EXPECT_EQ(Told_(), (std::vector<Told>{{QAccessible::NameChanged, AccessibleIndex({0, 0, 0})},
                                        {QAccessible::NameChanged, AccessibleIndex({0, 1, 0})},
                                        {QAccessible::NameChanged, AccessibleIndex({0, 2, 0})},
                                        {QAccessible::DescriptionChanged, -1}}));
}

}  // namespace
}  // namespace trimbol::app::testing
