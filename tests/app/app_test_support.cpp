// The test program's entry and the shared fixture.
#include "app_test_support.h"

#include <QApplication>
#include <QFile>
#include <QTest>

#include "app/translations.h"
#include "media/media_players.h"

namespace trimbol::app::testing {

media::MediaPlayers& Media() {
  static media::MediaPlayers players;
  return players;
}

void WindowTest::SetUp() {
  ASSERT_TRUE(folder_.isValid());
  previousFolder_ = QDir::currentPath();
  QDir::setCurrent(folder_.path());
  window_ = std::make_unique<MainWindow>(Media(), &boxes_);
  window_->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
}

void WindowTest::TearDown() {
  window_.reset();
  QDir::setCurrent(previousFolder_);
}

void WindowTest::MouseAt(QPoint p) { QTest::mouseMove(window_->windowHandle(), p); }

void WindowTest::ClickAt(QPoint p, Qt::MouseButton button) {
  MouseAt(p);
  QTest::mouseClick(window_->windowHandle(), button, {}, p);
}

void WindowTest::ClickOn(QWidget* control) {
  ClickAt(control->mapTo(window_.get(), control->rect().center()));
}

void WindowTest::Choose(const char* item) {
  QAction* action = window_->menu().Item(item);
  ASSERT_NE(action, nullptr) << item;
  action->trigger();
}

QImage WindowTest::Shown() { return window_->grab().toImage().convertToFormat(QImage::Format_RGB32); }

bool ShowsPicture(const QImage& shown, QPoint at, const QImage& picture, qreal ratio) {
  const QPoint origin = at * ratio;
  const QImage expected = picture.convertToFormat(QImage::Format_RGB32);
  return shown.copy(QRect(origin, expected.size())) == expected;
}

void WriteBitmap(const QString& path, QColor colour) {
  QImage image(50, 50, QImage::Format_RGB888);
  image.fill(colour);
  ASSERT_TRUE(image.save(path, "BMP"));
}

void WriteWave(const QString& path, double seconds) {
  const auto frames = static_cast<quint32>(seconds * 8000);
  QByteArray bytes;
  auto put = [&bytes](quint32 value, int count) {
    for (int i = 0; i < count; ++i) bytes.append(static_cast<char>(value >> (8 * i)));
  };
  bytes.append("RIFF");
  put(36 + frames, 4);
  bytes.append("WAVEfmt ");
  put(16, 4);
  put(1, 2), put(1, 2), put(8000, 4), put(8000, 4), put(1, 2), put(8, 2);  // 8-bit mono PCM
  bytes.append("data");
  put(frames, 4);
  for (quint32 i = 0; i < frames; ++i) bytes.append(static_cast<char>(i % 16 < 8 ? 0x70 : 0x90));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

}  // namespace trimbol::app::testing

int main(int argc, char** argv) {
  // Tests run headless unless told otherwise, also when listed by CTest.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
  QApplication application(argc, argv);
  trimbol::app::InstallTranslations(application);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
