// The window at start-up, the board it draws, and the mouse and keys as a
// person uses them.
#include <QTest>

#include "app_test_support.h"
#include "engine/tables.h"
#include "pictures/piece_pictures.h"

namespace trimbol::app::testing {
namespace {

const QColor kSkyBlue(166, 202, 240);

using StartUp = WindowTest;
using BoardView = WindowTest;
using Mouse = WindowTest;
using Keys = WindowTest;

TEST_F(StartUp, WindowControlsFocusAndTimersAreAsLaidOut) {
  QTest::qWait(50);  // the outer size is fitted once the frame is known
  EXPECT_EQ(form_->frameGeometry(), QRect(180, 118, 640, 257));
  EXPECT_EQ(form_->windowTitle(), "Тримбол");
  EXPECT_FALSE(form_->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint |
                                       Qt::WindowMinMaxButtonsHint));
  EXPECT_EQ(form_->palette().color(QPalette::Window), kSkyBlue);

  struct Control { const char* name; QRect geometry; QString text; };
  const Control controls[] = {
      {"Edit8", {8, 190, 121, 21}, "Строка состояния"},
      {"CheckBox1", {152, 192, 153, 17}, "Постоянная прорисовка"},
      {"Button1", {336, 192, 75, 25}, "Новая игра"},
      {"Button2", {432, 192, 75, 25}, "1игрок"},
      {"Button3", {520, 192, 75, 25}, "2игрока"}};
  QWidget* previous = nullptr;
  for (const Control& c : controls) {
    auto* widget = form_->findChild<QWidget*>(c.name);
    ASSERT_NE(widget, nullptr) << c.name;
    EXPECT_EQ(widget->geometry(), c.geometry) << c.name;
    EXPECT_EQ(widget->property("text").toString(), c.text) << c.name;
    if (previous) {
      EXPECT_EQ(previous->nextInFocusChain(), widget) << "tab order before " << c.name;
    }
    previous = widget;
  }
  ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  EXPECT_EQ(QApplication::focusWidget(), form_->Edit8());
  for (int i = 0; i < 3; ++i) {
    auto* timer = form_->findChild<QTimer*>(QStringLiteral("Timer%1").arg(i + 1));
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 100);
    EXPECT_EQ(timer->isActive(), i == 0) << "Timer" << i + 1;  // only Timer1 runs
  }
}

TEST_F(StartUp, BeforeTheFirstGameTheBoardAreaIsBackgroundAndAClickDrawsNothing) {
  QTest::qWait(250);  // Timer1 ticks
  ClickAt({35, 35});
  const QImage shown = Shown();
  for (QPoint p : {QPoint(10, 10), QPoint(35, 35), QPoint(375, 35), QPoint(619, 179)}) {
    EXPECT_EQ(shown.pixelColor(p), kSkyBlue) << p.x() << "," << p.y();
  }
  EXPECT_EQ(form_->Edit8()->text(), "Строка состояния");
  EXPECT_EQ(form_->menu().Item("N01")->text(), "0");
  EXPECT_TRUE(boxes_.errors.isEmpty() && boxes_.messages.isEmpty());
}

TEST_F(BoardView, NewGameDrawsEmptyCellsAtTheirOriginsAndTheSurfacePersists) {
  ClickOn(form_->Button1());
  form_->repaint();  // an uncovered window shows the board again
  const QImage shown = Shown();
  const QImage empty = pictures::PiecePicture(0);
  for (QPoint origin : {QPoint(10, 10), QPoint(350, 10), QPoint(450, 130), QPoint(570, 130)}) {
    EXPECT_TRUE(ShowsPicture(shown, origin, empty)) << origin.x() << "," << origin.y();
  }
  EXPECT_EQ(shown.pixelColor(65, 35), kSkyBlue);   // gap between cells
  EXPECT_EQ(shown.pixelColor(200, 35), kSkyBlue);  // gap between layers
  form_->Timer1Timer();
  EXPECT_EQ(form_->Edit8()->text(), "Ход крестиков");
}

TEST_F(BoardView, TheStatusLineIsWrittenOnlyWhenItsTextChanges) {
  struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override { paints += e->type() == QEvent::Paint; return false; }
  } counter;
  QLineEdit* status = form_->Edit8();
  status->installEventFilter(&counter);
  form_->game().state().CurrentPlayer = 2;
  form_->Timer1Timer();
  QTest::qWait(30);
  EXPECT_EQ(status->text(), "Ход ноликов");
  EXPECT_GT(counter.paints, 0);
  // Unchanged ticks neither repaint nor take away a selection the player made.
  status->setSelection(0, 3);
  QTest::qWait(30);
  counter.paints = 0;
  for (int i = 0; i < 5; ++i) form_->Timer1Timer();
  QTest::qWait(30);
  EXPECT_EQ(counter.paints, 0);
  EXPECT_EQ(status->selectedText(), "Ход");
}

TEST_F(Mouse, APersonPlacesWithRealMouseEvents) {
  Choose("N50");  // no animation: the frame files are not the point here
  ClickOn(form_->Button1());
  ClickAt({300, 70});  // layer 1, column 1, row 1
  EXPECT_EQ(form_->game().state().GetCell(1, 1, 1), 1);
  EXPECT_EQ(form_->game().state().CurrentPlayer, 2);
  EXPECT_TRUE(ShowsPicture(Shown(), {290, 70}, pictures::PiecePicture(1)));

  // Pressed on the board, released outside the window: no click. The moves
  // keep arriving while the button is held.
  QWindow* window = form_->windowHandle();
  MouseAt({480, 130});
  QTest::mousePress(window, Qt::LeftButton, {}, {480, 130});
  QTest::mouseMove(window, {480, -40});
  EXPECT_EQ(form_->game().state().LastMouseY, -40);
  QTest::mouseRelease(window, Qt::LeftButton, {}, {480, -40});
  EXPECT_EQ(form_->game().state().GetCell(2, 0, 2), 0);
  EXPECT_EQ(form_->game().state().CurrentPlayer, 2);
}

TEST_F(Mouse, OnlyALeftClickOnTheWindowItselfIsAClick) {
  // Every side at Half: every click that reaches FormClick makes one move.
  for (const char* item : {"N26", "N29", "N33", "N36"}) Choose(item);
  ClickOn(form_->Button1());
  auto pieces = [this] {
    const trimbol::Board& board = form_->game().state().board;
    return std::count_if(board.begin(), board.end(), [](PieceCode c) { return c != 0; });
  };
  ClickOn(form_->Edit8());
  ClickAt(form_->CheckBox1()->geometry().topRight() + QPoint(-1, 8));  // beside its caption
  ClickAt({600, 240}, Qt::RightButton);
  form_->PopupMenu1()->hide();
  EXPECT_EQ(pieces(), 0);
  ClickAt({600, 240});  // below the board, outside the controls
  EXPECT_EQ(pieces(), 1);

  // Moves over a control are the control's, not the window's.
  MouseAt({35, 35});
  MouseAt(form_->Button2()->geometry().center());
  EXPECT_EQ(form_->game().state().LastMouseY, 35);

  // A double click is one click: its second press makes no move.
  QTest::mouseDClick(form_->windowHandle(), Qt::LeftButton, {}, {600, 240});
  EXPECT_EQ(pieces(), 2);
}

TEST_F(Mouse, OneClickPlaysAWholeAllOnGameAndShowsTheFinalBoard) {
  Choose("N77");
  ClickOn(form_->Button1());
  ClickAt({600, 240});
  ASSERT_EQ(boxes_.messages.size(), 1);
  EXPECT_TRUE(std::find(ResultMessages.begin(), ResultMessages.end(),
                        boxes_.messages[0].toStdString()) != ResultMessages.end());
  const GameState& state = form_->game().state();
  EXPECT_EQ(state.GameEndedFlag, 1);
  const QImage shown = Shown();
  for (int layer = 0; layer < 3; ++layer) {
    for (int column = 0; column < 3; ++column) {
      for (int row = 0; row < 3; ++row) {
        EXPECT_TRUE(ShowsPicture(shown, BoardSurface::CellOrigin(layer, column, row),
                                 pictures::PiecePicture(state.GetCell(layer, column, row))))
            << layer << column << row;
      }
    }
  }
  form_->Timer1Timer();
  int total = 0;
  for (int side = 0; side < 4; ++side) {
    EXPECT_EQ(form_->menu().Item(ScoreItems[side])->text(), QString::number(state.WinCount[side]));
    total += state.WinCount[side];
  }
  EXPECT_EQ(total, boxes_.messages[0].toStdString() == ResultMessages[0] ? 0 : 1);
}

TEST_F(Keys, DigitKeysOfTheMainKeyboardPlayMusicFromEveryControl) {
  // No music files here: each play names its missing file in the error box.
  QTest::keyClick(form_->Edit8(), Qt::Key_4);
  QTest::keyClick(form_->Button2(), Qt::Key_7, Qt::ControlModifier | Qt::AltModifier);
  QTest::keyClick(form_->CheckBox1(), Qt::Key_9, Qt::ShiftModifier);
  QTest::keyClick(form_->Button3(), Qt::Key_4, Qt::KeypadModifier);  // keypad: nothing
  QTest::keyClick(form_->Button1(), Qt::Key_0);                     // nothing
  form_->Edit8()->clearFocus();  // no control has the focus: the window gets the key
  QTest::keyClick(form_.get(), Qt::Key_1);
  ASSERT_EQ(boxes_.errors.size(), 4) << boxes_.errors.join('|').toStdString();
  const char* files[] = {"4.mp3", "7.mid", "9.mid", "1.wav"};
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(boxes_.errors[i].contains(files[i])) << boxes_.errors[i].toStdString();

  // The key still reaches the control.
  form_->CheckBox1()->setFocus();
  QTest::keyClick(form_->CheckBox1(), Qt::Key_Space);
  EXPECT_TRUE(form_->CheckBox1()->isChecked());
  EXPECT_TRUE(form_->Timer(TimerId::Redraw)->isActive());
}

}  // namespace
}  // namespace trimbol::app::testing
