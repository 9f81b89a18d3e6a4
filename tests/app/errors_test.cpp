// The error box: its text rule, the real box, and failures in timer ticks,
// the placement animation's above all.
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTest>
#include <QThread>

#include <sys/stat.h>

#include "app/error_display.h"
#include "app_test_support.h"

namespace trimbol::app::testing {
namespace {

TEST(ErrorBoxText, AFullStopFollowsALastCharacterThatSortsAfterTheDot) {
  EXPECT_EQ(ErrorBoxText("Cannot open file k1.bmp"), "Cannot open file k1.bmp.");
  EXPECT_EQ(ErrorBoxText("Нет файла"), "Нет файла.");
  EXPECT_EQ(ErrorBoxText("code 5"), "code 5.");
  EXPECT_EQ(ErrorBoxText("Done."), "Done.");
  EXPECT_EQ(ErrorBoxText("Stop!"), "Stop!");
  EXPECT_EQ(ErrorBoxText("trailing "), "trailing ");
  EXPECT_EQ(ErrorBoxText(""), "");
}

TEST(ErrorDisplay, RealBoxHasTheTitleTheStopIconAndOk) {
  ModalMessageBoxes boxes;
  ErrorDisplay display(boxes, nullptr);
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    text = box->text();
    icon = box->icon();
    buttons = box->standardButtons();
    box->accept();
  });
  EXPECT_FALSE(display.Run([] { throw std::runtime_error("Bitmap image is not valid"); }));
  EXPECT_EQ(title, "Тримбол");
  EXPECT_EQ(text, "Bitmap image is not valid.");
  EXPECT_EQ(icon, QMessageBox::Critical);
  EXPECT_EQ(buttons, QMessageBox::Ok);
  EXPECT_TRUE(display.Run([] {}));
}

using Animation = WindowTest;

TEST_F(Animation, TenFramesAtTheClickedCellThenTheTimerStops) {
  const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::cyan, Qt::magenta,
                            Qt::yellow, Qt::gray, Qt::darkRed, Qt::darkGreen, Qt::darkBlue};
  for (int i = 0; i < 10; ++i) WriteBitmap(WorkFile(QStringLiteral("k%1.bmp").arg(i + 1)), colours[i]);
  ClickOn(window_->newGameButton());
  ClickAt({520, 140});  // layer 2, column 1, row 2: origin (510, 130)
  EXPECT_TRUE(window_->timer(GameTimer::kAnimation)->isActive());
  for (int i = 0; i < 10; ++i) {
    window_->game().AnimationTick();
    EXPECT_EQ(Shown().pixelColor(535, 155), colours[i]) << "frame " << i + 1;
  }
  window_->game().AnimationTick();
  EXPECT_FALSE(window_->timer(GameTimer::kAnimation)->isActive());
  EXPECT_EQ(Shown().pixelColor(535, 155), colours[9]);  // the last frame stays
  EXPECT_TRUE(boxes_.errors.isEmpty());
}

// What a frame draws must reach the screen without waiting for a repaint of
// the whole window.
TEST_F(Animation, EachFrameIsRepaintedWhereItIsDrawn) {
  WriteBitmap(WorkFile("n1.bmp"), Qt::red);
  Choose("N1");
  ClickAt({35, 35});
  ClickAt({520, 140});  // a nought at layer 2, column 1, row 2: origin (510, 130)
  window_->timer(GameTimer::kAnimation)->stop();  // the ticks are driven by hand here
  // Wait until what the clicks asked to repaint is done.
  for (int settled = 0; settled < 20; ++settled) {
    PaintRecorder pending(window_.get());
    QTest::qWait(50);
    if (pending.painted.isEmpty()) break;
  }
  PaintRecorder recorder(window_.get());
  window_->errors().Run([this] { window_->game().AnimationTick(); });
  ASSERT_TRUE(QTest::qWaitFor([&] { return !recorder.painted.isEmpty(); }, 1000));
  EXPECT_TRUE(recorder.painted.contains(QRect(510, 130, 50, 50)));
  EXPECT_FALSE(recorder.painted.contains(QPoint(35, 35))) << "not the whole board";
  EXPECT_TRUE(boxes_.errors.isEmpty());
}

TEST_F(Animation, ANewPlacementDoesNotRestartTheRunningTick) {
  ClickOn(window_->newGameButton());
  ClickAt({35, 35});
  QTimer* timer = window_->timer(GameTimer::kAnimation);
  QThread::msleep(60);
  // No event loop runs from here on, so the tick cannot come between the two
  // readings, however busy the machine is.
  const int before = timer->remainingTime();
  window_->errors().Run([this] { window_->game().ClickCell({0, 0, 1}); });  // noughts place
  ASSERT_EQ(window_->game().state().at({0, 0, 1}), 2);
  EXPECT_TRUE(timer->isActive());
  EXPECT_LE(timer->remainingTime(), before);
}

TEST_F(Animation, MissingFramesBringTenBoxesInOrderWhileEachBoxIsOpen) {
  boxes_.holdMs = 150;  // longer than a tick: the ticks go on under the open box
  ClickOn(window_->newGameButton());
  ClickAt({35, 35});
  EXPECT_TRUE(QTest::qWaitFor([this] { return !window_->timer(GameTimer::kAnimation)->isActive(); }, 5000));
  QStringList expected;
  for (int i = 1; i <= 10; ++i) expected << QStringLiteral("Cannot open file k%1.bmp.").arg(i);
  EXPECT_EQ(boxes_.errors, expected);
  EXPECT_EQ(window_->game().state().at({0, 0, 0}), 1);  // the game goes on
}

TEST_F(Animation, AFileThatIsNoBitmapIsReported) {
  QFile file(WorkFile("k1.bmp"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  QImage(50, 50, QImage::Format_RGB32).save(&file, "PNG");  // an image, but not a BMP
  file.close();
  ClickOn(window_->newGameButton());
  ClickAt({35, 35});
  window_->timer(GameTimer::kAnimation)->stop();  // the ticks are driven by hand here
  for (int tick = 0; tick < 2; ++tick) window_->errors().Run([this] { window_->game().AnimationTick(); });
  EXPECT_EQ(boxes_.errors, QStringList({"Bitmap image is not valid.", "Cannot open file k2.bmp."}));
}

TEST_F(Animation, AFolderOrAPipeInPlaceOfAFrameIsReportedWithoutBlocking) {
  ASSERT_TRUE(QDir().mkpath(WorkFile("k1.bmp")));
  ASSERT_EQ(mkfifo(QFile::encodeName(WorkFile("k2.bmp")).constData(), 0600), 0);
  ClickOn(window_->newGameButton());
  ClickAt({35, 35});
  window_->timer(GameTimer::kAnimation)->stop();  // the ticks are driven by hand here
  for (int tick = 0; tick < 2; ++tick) window_->errors().Run([this] { window_->game().AnimationTick(); });
  EXPECT_EQ(boxes_.errors, QStringList({"Cannot open file k1.bmp.", "Cannot open file k2.bmp."}));
}

}  // namespace
}  // namespace trimbol::app::testing
