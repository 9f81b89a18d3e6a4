// Shared pieces of the shell's tests: a recorder for the message boxes, a
// fixture that opens the window in a temporary working folder, and picture
// comparisons.
#pragma once

#include <QCheckBox>
#include <QEvent>
#include <QDir>
#include <QEventLoop>
#include <QImage>
#include <QLineEdit>
#include <QPaintEvent>
#include <QRegion>
#include <QMenu>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <ostream>

#include "app/help_dialog.h"
#include "app/main_window.h"
#include "app/message_boxes.h"
#include "media/media_players.h"

// Failures show texts, not code units.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace trimbol::app::testing {

// The one sound layer of the test program (only one may exist).
media::MediaPlayers& Media();

// Records the boxes instead of blocking. With holdMs > 0 each box holds a
// nested event loop open that long, as a person reading it would; with
// takeFocus it also takes the keyboard focus while open, as a real box does.
class RecordingBoxes : public MessageBoxes {
 public:
  void ShowMessage(QWidget*, const QString& text) override { messages << text; Hold(); }
  void ShowError(QWidget*, const QString& text) override { errors << text; Hold(); }

  QStringList messages;
  QStringList errors;
  int holdMs = 0;
  bool takeFocus = false;

 private:
  void Hold() {
    if (holdMs <= 0) return;
    QLineEdit box;
    if (takeFocus) {
      box.show();
      box.activateWindow();
      box.setFocus();
    }
    QEventLoop loop;
    QTimer::singleShot(holdMs, &loop, &QEventLoop::quit);
    loop.exec();
  }
};

// The window, shown, with its working folder an empty temporary folder.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Mouse events as the window system delivers them (implicit grab, double
  // clicks, context menu), at client points of the window.
  void MouseAt(QPoint p);
  void ClickAt(QPoint p, Qt::MouseButton button = Qt::LeftButton);
  void ClickOn(QWidget* control);
  // Triggers a menu item as a choice in the menu would.
  void Choose(const char* item);
  // What the window shows, as an image of device pixels.
  QImage Shown();
  QString WorkFile(const QString& name) const { return folder_.filePath(name); }
  HelpDialog* Dialog() const { return window_->helpDialog(); }

  RecordingBoxes boxes_;
  std::unique_ptr<MainWindow> window_;

 private:
  QTemporaryDir folder_;
  QString previousFolder_;
};

// Collects what the window is asked to repaint.
class PaintRecorder : public QObject {
 public:
  explicit PaintRecorder(QWidget* widget) { widget->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
    return false;
  }
  QRegion painted;
};

// True when the square of `picture` (in device pixels) sits in `shown` at
// logical point `at`, for a device pixel ratio of `ratio`.
bool ShowsPicture(const QImage& shown, QPoint at, const QImage& picture, qreal ratio = 1.0);

// Writes a 50 x 50 24-bit BMP filled with one colour.
void WriteBitmap(const QString& path, QColor colour);
// Writes a WAV file of a quiet tone, `seconds` long.
void WriteWave(const QString& path, double seconds);

}  // namespace trimbol::app::testing
