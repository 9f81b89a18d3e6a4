// On a dense screen the pictures stay crisp at their logical size. The
// density is fixed when the application starts, so at ratio 1 the test runs
// itself again in a child process with QT_SCALE_FACTOR=2.
#include <QCoreApplication>
#include <QProcess>
#include <QTest>

#include "app_test_support.h"
#include "pictures/piece_pictures.h"

namespace trimbol::app::testing {
namespace {

using HiDpi = WindowTest;

TEST_F(HiDpi, PiecesAreRenderedAtTheDensityAndFramesScaledWithoutSmoothing) {
  const qreal ratio = window_->devicePixelRatioF();
  if (ratio < 2) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_SCALE_FACTOR", "2");
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=%1.%2").arg(info->test_suite_name(), info->name())});
    ASSERT_TRUE(child.waitForFinished(30000));
    EXPECT_EQ(child.exitCode(), 0) << child.readAll().toStdString();
    return;
  }
  QImage frame(50, 50, QImage::Format_RGB888);
  for (int y = 0; y < 50; ++y) {
    for (int x = 0; x < 50; ++x) frame.setPixelColor(x, y, (x + y) % 2 ? Qt::black : Qt::white);
  }
  ASSERT_TRUE(frame.save(WorkFile("k1.bmp"), "BMP"));
  ClickOn(window_->newGameButton());
  ClickAt({95, 35});  // a cross at layer 0, column 1, row 0: origin (70, 10)
  window_->timer(GameTimer::kAnimation)->stop();
  QImage shown = Shown();
  EXPECT_EQ(shown.size(), QSize(window_->size() * ratio));
  EXPECT_TRUE(ShowsPicture(shown, {70, 10}, pictures::PiecePicture(1, ratio), ratio));
  EXPECT_TRUE(ShowsPicture(shown, {10, 130}, pictures::PiecePicture(0, ratio), ratio));
  window_->game().AnimationTick();
  shown = Shown();
  const int factor = qRound(ratio);
  EXPECT_TRUE(ShowsPicture(shown, {70, 10}, frame.scaled(frame.size() * factor), ratio));
}

}  // namespace
}  // namespace trimbol::app::testing
