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
  QString Spoken() { return View().SpokenAt(View().cursor()); }

  // What the board told since the last call, in order, once it has spoken.
  std::vector<Told> Told_() {
    QCoreApplication::processEvents();
    std::vector<Told> told;
    for (const Recorded& event : Recording()) {
      if (event.object == &View()) told.push_back(event.told);
    }
    Recording().clear();
    return told;
  }
};

TEST_F(Accessibility, TheBoardIsATableOf27NamedCellsOneToARowInReadingOrder) {
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
  EXPECT_EQ(table->rowCount(), 27);
  EXPECT_EQ(table->columnCount(), 1);

  const QString pieces[] = {"пусто", "крестик", "нолик", "закорюка", "спиралька"};
  for (int row = 0; row < 27; ++row) {
    {
      const Cell cell{row / 9, row % 3, row % 9 / 3};
      QAccessibleInterface* shown = table->cellAt(row, 0);
      ASSERT_NE(shown, nullptr);
      EXPECT_EQ(shown, board->child(board->indexOfChild(shown))) << "one object per cell";
      EXPECT_EQ(shown->parent(), board);
      EXPECT_EQ(shown->role(), QAccessible::Cell);
      EXPECT_EQ(shown->tableCellInterface()->rowIndex(), row);
      EXPECT_EQ(shown->tableCellInterface()->columnIndex(), 0);
      EXPECT_EQ(shown->text(QAccessible::Name), QStringLiteral("Слой %1, ряд %2, столбец %3: %4")
                                                    .arg(cell.layer + 1)
                                                    .arg(cell.row + 1)
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

TEST_F(Accessibility, EachKeyIsToldOnceAsTheFocusOnTheCursorsCell) {
  window_->newGameButton()->click();
  FocusBoard();
  Told_();
  Press(Qt::Key_Right);
  EXPECT_EQ(Told_(), (std::vector<Told>{{QAccessible::Focus, AccessibleIndex({1, 2, 1})}}));
  EXPECT_EQ(Spoken(), "");
  // A placement: the cell's new name, and the focus anew on another object
  // of the same cell, so that a reader speaks it.
  QAccessibleInterface* before = CellOf({1, 2, 1});
  Press(Qt::Key_Return);
  EXPECT_EQ(Told_(), (std::vector<Told>{{QAccessible::NameChanged, AccessibleIndex({1, 2, 1})},
                                        {QAccessible::Focus, AccessibleIndex({1, 2, 1})}}));
  EXPECT_NE(CellOf({1, 2, 1}), before);
  EXPECT_NE(CellOf({1, 2, 1})->rect(), before->rect()) << "a reader tells objects apart by their place";
  EXPECT_EQ(Board()->indexOfChild(before), AccessibleIndex({1, 2, 1}));
  EXPECT_EQ(CellOf({1, 2, 1})->text(QAccessible::Name), "Слой 2, ряд 2, столбец 3: крестик");
  // A reading key on the same cell.
  QTest::keyClick(window_->windowHandle(), Qt::Key_R);
  EXPECT_EQ(Told_().back(), (Told{QAccessible::Focus, AccessibleIndex({1, 2, 1})}));
  EXPECT_EQ(CellOf({1, 2, 1})->text(QAccessible::Description), "ряд 2 слоя 2: пусто, пусто, крестик");
}

TEST_F(Accessibility, AHalfMoveOnTheCursorsOwnCellIsSaid) {
  Choose("N29");  // noughts at half: they move at the next click
  Choose("N64");  // and strong: they block the crosses' row through the cursor
  window_->newGameButton()->click();
  Play().state().board[CellIndex(1, 0, 1)] = 1;
  Play().state().board[CellIndex(1, 2, 1)] = 1;
  Play().state().toMove = trimbol::Side(2);
  FocusBoard();
  Told_();
  Press(Qt::Key_Return);
  const std::vector<Told> told = Told_();
  ASSERT_FALSE(told.empty());
  EXPECT_EQ(told.back(), (Told{QAccessible::Focus, AccessibleIndex(View().cursor())}));
  EXPECT_TRUE(Spoken().contains("Нолики: " + QStringLiteral("слой %1, ряд %2, столбец %3")
                                                 .arg(View().cursor().layer + 1)
                                                 .arg(View().cursor().row + 1)
                                                 .arg(View().cursor().column + 1)))
      << Spoken().toStdString();
}

TEST_F(Accessibility, TheResultIsTheBoxsAloneAndGoneWithTheNextGameHoweverStarted) {
  Choose("N53");  // no new game by itself
  for (const char* start : {"button", "F2", "menu"}) {
    window_->newGameButton()->click();
    Play().state().board[CellIndex(0, 0, 0)] = 1;
    Play().state().board[CellIndex(0, 1, 0)] = 1;
    FocusBoard();
    View().SetCursor({0, 2, 0});
    Told_();
    Press(Qt::Key_Return);  // the third cross of the top row
    ASSERT_EQ(boxes_.messages.back(), "  Крестики победили  ");
    EXPECT_EQ(Spoken(), "") << "said by the box, not again by the board";
    QTest::keyClick(window_->windowHandle(), Qt::Key_S);
    Told_();
    EXPECT_TRUE(Spoken().startsWith("Крестики победили. ")) << Spoken().toStdString();
    if (start == std::string_view("button")) window_->newGameButton()->click();
    if (start == std::string_view("F2")) Press(Qt::Key_F2);
    if (start == std::string_view("menu")) window_->menu().Item("N1")->trigger();
    Told_();
    EXPECT_EQ(Spoken(), "Новая игра. Ход крестиков") << start;
    // S under a Ukrainian layout.
    QTest::sendKeyEvent(QTest::Click, &View(), Qt::Key(0x0406), QStringLiteral("і"), Qt::NoModifier);
    Told_();
    EXPECT_TRUE(Spoken().startsWith("Ход крестиков. ")) << start << ": " << Spoken().toStdString();
    EXPECT_EQ(Board()->text(QAccessible::Description), "") << start;
  }
}

}  // namespace
}  // namespace trimbol::app::testing
