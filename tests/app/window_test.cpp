// The window at start-up, the board it draws, and the mouse and keys as a
// person uses them.
#include <QTest>

#include "app/key_codes.h"
#include "media/media_players.h"
#include "app_test_support.h"
#include "pictures/piece_pictures.h"

namespace trimbol::app::testing {
namespace {

const QColor kSkyBlue(166, 202, 240);

using StartUp = WindowTest;
using BoardView = WindowTest;
using Mouse = WindowTest;
using Keys = WindowTest;
using Exit = WindowTest;

TEST_F(StartUp, WindowControlsFocusAndTimersAreAsLaidOut) {
  QTest::qWait(50);  // the outer size is fitted once the frame is known
  EXPECT_EQ(window_->frameGeometry(), QRect(180, 118, 640, 257));
  EXPECT_EQ(window_->windowTitle(), "Тримбол");
  EXPECT_FALSE(window_->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint |
                                       Qt::WindowMinMaxButtonsHint));
  EXPECT_EQ(window_->palette().color(QPalette::Window), kSkyBlue);

  struct Control { const char* name; QRect geometry; QString text; };
  const Control controls[] = {
      {"Edit8", {8, 190, 121, 21}, "Строка состояния"},
      {"CheckBox1", {152, 192, 153, 17}, "Постоянная прорисовка"},
      {"Button1", {336, 192, 75, 25}, "Новая игра"},
      {"Button2", {432, 192, 75, 25}, "1игрок"},
      {"Button3", {520, 192, 75, 25}, "2игрока"},
      {"Board", {5, 5, 620, 180}, ""}};
  QWidget* previous = nullptr;
  for (const Control& c : controls) {
    auto* widget = window_->findChild<QWidget*>(c.name);
    ASSERT_NE(widget, nullptr) << c.name;
    EXPECT_EQ(widget->geometry(), c.geometry) << c.name;
    EXPECT_EQ(widget->property("text").toString(), c.text) << c.name;
    if (previous) {
      EXPECT_EQ(previous->nextInFocusChain(), widget) << "tab order before " << c.name;
    }
    previous = widget;
  }
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  EXPECT_EQ(QApplication::focusWidget(), window_->statusLine());
  for (int i = 0; i < 3; ++i) {
    auto* timer = window_->findChild<QTimer*>(QStringLiteral("Timer%1").arg(i + 1));
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 100);
    EXPECT_EQ(timer->isActive(), i == 0) << "Timer" << i + 1;  // only the status tick runs
  }
}

TEST_F(StartUp, TheControlsUseTheFaceQtWouldPickForTheLayoutsSansAndItsLookAlikes) {
  // The face the whole list would resolve to, asked of Qt the slow way. The
  // foundry may differ: the window prefers one file of the same face.
  auto face = [](const QFont& font) { return QFontInfo(font).family().section(QStringLiteral(" ["), 0, 0); };
  QFont reference;
  reference.setFamilies({"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arial", "Arimo",
                         "Nimbus Sans", "DejaVu Sans"});
  reference.setStyleHint(QFont::SansSerif);
  for (const auto& [name, pixels] : {std::pair{"Edit8", 13}, {"CheckBox1", 11}, {"Button1", 11}, {"Button3", 11}}) {
    auto* widget = window_->findChild<QWidget*>(name);
    ASSERT_NE(widget, nullptr) << name;
    reference.setPixelSize(pixels);
    EXPECT_EQ(face(widget->font()), face(reference)) << name;
    EXPECT_EQ(widget->font().pixelSize(), pixels) << name;
  }
}

TEST_F(StartUp, BeforeTheFirstGameTheBoardAreaIsBackgroundAndAClickDrawsNothing) {
  QTest::qWait(250);  // the status tick runs
  ClickAt({35, 35});
  const QImage shown = Shown();
  for (QPoint p : {QPoint(10, 10), QPoint(35, 35), QPoint(375, 35), QPoint(619, 179)}) {
    EXPECT_EQ(shown.pixelColor(p), kSkyBlue) << p.x() << "," << p.y();
  }
  EXPECT_EQ(window_->statusLine()->text(), "Строка состояния");
  EXPECT_EQ(window_->menu().Item("N01")->text(), "0");
  EXPECT_TRUE(boxes_.errors.isEmpty() && boxes_.messages.isEmpty());
}

TEST_F(BoardView, NewGameDrawsEmptyCellsAtTheirOriginsAndTheSurfacePersists) {
  ClickOn(window_->newGameButton());
  window_->repaint();  // an uncovered window shows the board again
  const QImage shown = Shown();
  const QImage empty = pictures::PiecePicture(0);
  for (QPoint origin : {QPoint(10, 10), QPoint(350, 10), QPoint(450, 130), QPoint(570, 130)}) {
    EXPECT_TRUE(ShowsPicture(shown, origin, empty)) << origin.x() << "," << origin.y();
  }
  EXPECT_EQ(shown.pixelColor(65, 35), kSkyBlue);   // gap between cells
  EXPECT_EQ(shown.pixelColor(200, 35), kSkyBlue);  // gap between layers
  window_->game().StatusTick();
  EXPECT_EQ(window_->statusLine()->text(), "Ход крестиков");
}

TEST_F(BoardView, TheStatusLineIsWrittenOnlyWhenItsTextChanges) {
  struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override { paints += e->type() == QEvent::Paint; return false; }
  } counter;
  QLineEdit* status = window_->statusLine();
  status->installEventFilter(&counter);
  window_->game().state().toMove = trimbol::Side(2);
  window_->game().StatusTick();
  QTest::qWait(30);
  EXPECT_EQ(status->text(), "Ход ноликов");
  EXPECT_GT(counter.paints, 0);
  // Unchanged ticks neither repaint nor take away a selection the player made.
  status->setSelection(0, 3);
  QTest::qWait(30);
  counter.paints = 0;
  for (int i = 0; i < 5; ++i) window_->game().StatusTick();
  QTest::qWait(30);
  EXPECT_EQ(counter.paints, 0);
  EXPECT_EQ(status->selectedText(), "Ход");
}

TEST_F(Mouse, APersonPlacesWithRealMouseEvents) {
  Choose("N50");  // no animation: the frame files are not the point here
  ClickOn(window_->newGameButton());
  ClickAt({300, 70});  // layer 1, column 1, row 1
  EXPECT_EQ(window_->game().state().at({1, 1, 1}), 1);
  EXPECT_EQ(window_->game().state().toMove, trimbol::Side(2));
  EXPECT_TRUE(ShowsPicture(Shown(), {290, 70}, pictures::PiecePicture(1)));

  // Pressed on the board, released outside the window: no click. The moves
  // keep arriving while the button is held.
  QWindow* window = window_->windowHandle();
  MouseAt({480, 130});
  QTest::mousePress(window, Qt::LeftButton, {}, {480, 130});
  QTest::mouseMove(window, {480, -40});
  EXPECT_EQ(window_->game().state().lastPointerY, -40);
  QTest::mouseRelease(window, Qt::LeftButton, {}, {480, -40});
  EXPECT_EQ(window_->game().state().at({2, 0, 2}), 0);
  EXPECT_EQ(window_->game().state().toMove, trimbol::Side(2));
}

TEST_F(Mouse, OnlyALeftClickOnTheWindowItselfIsAClick) {
  // Every side at Half: every click that reaches Clicked makes one move.
  for (const char* item : {"N26", "N29", "N33", "N36"}) Choose(item);
  ClickOn(window_->newGameButton());
  auto pieces = [this] {
    const trimbol::Board& board = window_->game().state().board;
    return std::count_if(board.begin(), board.end(), [](PieceCode c) { return c != 0; });
  };
  ClickOn(window_->statusLine());
  ClickAt(window_->constantRedrawBox()->geometry().topRight() + QPoint(-1, 8));  // beside its caption
  ClickAt({600, 240}, Qt::RightButton);
  window_->menu().popup()->hide();
  EXPECT_EQ(pieces(), 0);
  ClickAt({600, 240});  // below the board, outside the controls
  EXPECT_EQ(pieces(), 1);

  // Moves over a control are the control's, not the window's.
  MouseAt({35, 35});
  MouseAt(window_->onePlayerButton()->geometry().center());
  EXPECT_EQ(window_->game().state().lastPointerY, 35);

  // A double click is one click: its second press makes no move.
  QTest::mouseDClick(window_->windowHandle(), Qt::LeftButton, {}, {600, 240});
  EXPECT_EQ(pieces(), 2);
}

TEST_F(Mouse, OneClickPlaysAWholeAllOnGameAndShowsTheFinalBoard) {
  Choose("N77");
  ClickOn(window_->newGameButton());
  ClickAt({600, 240});
  const QStringList results = {"        НИЧЬЯ!       ", "  Крестики победили  ", "   Нолики победили   ",
                               "  Закорюки победили  ", "  Спиральки победили "};
  ASSERT_EQ(boxes_.messages.size(), 1);
  const int result = static_cast<int>(results.indexOf(boxes_.messages[0]));
  ASSERT_GE(result, 0) << boxes_.messages[0].toStdString();
  const GameState& state = window_->game().state();
  EXPECT_EQ(state.gameEnded, 1);
  const QImage shown = Shown();
  for (int layer = 0; layer < 3; ++layer) {
    for (int column = 0; column < 3; ++column) {
      for (int row = 0; row < 3; ++row) {
        const QPoint origin(10 + 220 * layer + 60 * column, 10 + 60 * row);
        EXPECT_TRUE(ShowsPicture(shown, origin, pictures::PiecePicture(state.at({layer, column, row}))))
            << layer << column << row;
      }
    }
  }
  window_->game().StatusTick();
  const char* scoreItems[] = {"N01", "N02", "N03", "N04"};
  for (int side = 1; side <= 4; ++side) {
    EXPECT_EQ(window_->menu().Item(scoreItems[side - 1])->text(), side == result ? "1" : "0");
  }
}

// Key presses as the window system delivers them: to the focused control,
// through Qt's key path.
void PressKey(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
  QTest::keyClick(window->windowHandle(), key, modifiers);
}

TEST_F(Keys, EveryDigitKeyPlaysItsMusicFileAndTheKeypadNone) {
  // No music files here: each play names its missing file in the error box.
  const Qt::Key digits[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5,
                            Qt::Key_6, Qt::Key_7, Qt::Key_8, Qt::Key_9};
  for (Qt::Key digit : digits) PressKey(window_.get(), digit);
  for (Qt::Key digit : digits) PressKey(window_.get(), digit, Qt::KeypadModifier);
  PressKey(window_.get(), Qt::Key_0);
  QStringList expected;
  for (const char* file : {"1.wav", "2.wav", "3.wav", "4.mp3", "5.mp3", "6.mp3", "7.mid", "8.mid", "9.mid"}) {
    expected << QStringLiteral("Couldn't open \"%1\": No such file or directory.").arg(file);
  }
  EXPECT_EQ(boxes_.errors, expected);
}

TEST_F(Keys, OneKeyIsOnePlayFromEveryControlAndTheWindowEvenWhileItsBoxIsOpen) {
  // The box holds its own event loop open, as a person reading it would, and
  // takes the focus, as a real box does.
  boxes_.holdMs = 60;
  boxes_.takeFocus = true;
  QWidget* targets[] = {window_->statusLine(),       window_->constantRedrawBox(), window_->newGameButton(),
                        window_->onePlayerButton(), window_->twoPlayersButton(), window_->boardView(),
                        window_.get()};
  for (QWidget* target : targets) {
    window_->activateWindow();  // the window manager's part once a box is gone
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    if (target == window_.get()) {
      QApplication::focusWidget()->clearFocus();
    } else {
      target->setFocus();
    }
    ASSERT_EQ(QApplication::focusWidget(), target == window_.get() ? nullptr : target);
    boxes_.errors.clear();
    PressKey(window_.get(), Qt::Key_4, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    QTest::qWait(100);
    EXPECT_EQ(boxes_.errors, QStringList{"Couldn't open \"4.mp3\": No such file or directory."})
        << target->objectName().toStdString();
  }
  // The key still reaches the control.
  window_->constantRedrawBox()->setFocus();
  PressKey(window_.get(), Qt::Key_Space);
  EXPECT_TRUE(window_->constantRedrawBox()->isChecked());
  EXPECT_TRUE(window_->timer(GameTimer::kRedraw)->isActive());
}

// The sound output is looked for only when something plays, and watched
// only while it is open.
TEST_F(Keys, TheFirstSoundOpensTheOutputAndStartsWatchingIt) {
  EXPECT_FALSE(window_->sound().releaseCheck().isActive());
  WriteWave(WorkFile("3.wav"), 0.5);
  PressKey(window_.get(), Qt::Key_3);
  EXPECT_TRUE(boxes_.errors.isEmpty()) << boxes_.errors.join('|').toStdString();
  EXPECT_TRUE(Media().IsPlaying(SoundPlayer::kMusic));
  EXPECT_TRUE(window_->sound().releaseCheck().isActive());
}

// X11 and Wayland report Shift+1 as "!", and only the scan code tells the key.
TEST(KeyCodes, TheDigitKeysAreReadFromTheirXKeycodesWhateverTheSymbol) {
  auto code = [](int key, Qt::KeyboardModifiers modifiers, quint32 scan, bool x) {
    return VirtualKeyCode(QKeyEvent(QEvent::KeyPress, key, modifiers, scan, 0, 0), x);
  };
  EXPECT_EQ(code(Qt::Key_Exclam, Qt::ShiftModifier, 10, true), '1');
  EXPECT_EQ(code(Qt::Key_ParenLeft, Qt::ShiftModifier, 18, true), '9');
  EXPECT_EQ(code(Qt::Key_QuoteDbl, Qt::ShiftModifier, 11, true), '2');
  EXPECT_EQ(code(Qt::Key_ParenRight, Qt::ShiftModifier, 19, true), 0) << "the 0 key";
  EXPECT_EQ(code(Qt::Key_Exclam, Qt::ShiftModifier, 10, false), 0) << "other scan codes";
  EXPECT_EQ(code(Qt::Key_End, Qt::KeypadModifier, 87, true), 0) << "the keypad's 1 without Num Lock";
  EXPECT_EQ(code(Qt::Key_7, Qt::KeypadModifier, 79, true), 0x67) << "the keypad's 7";
  EXPECT_EQ(code(Qt::Key_S, Qt::ControlModifier, 39, true), 'S');
}

// "Выход" and closing the window end the event loop with 0.
TEST_F(Exit, TheExitItemAndClosingTheWindowEndTheProgram) {
  QTimer giveUp;  // ends a loop that nothing else ends, with another code
  giveUp.setSingleShot(true);
  QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(99); });
  giveUp.start(3000);
  QTimer::singleShot(0, window_.get(), [this] { Choose("N2"); });
  EXPECT_EQ(QApplication::exec(), 0);
  giveUp.start(3000);
  QTimer::singleShot(0, window_.get(), [this] { window_->close(); });
  EXPECT_EQ(QApplication::exec(), 0);
}

}  // namespace
}  // namespace trimbol::app::testing
