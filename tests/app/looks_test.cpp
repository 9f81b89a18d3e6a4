// The board's two looks measured from the pixels as WCAG measures contrast,
// the desktop's wishes that choose them, and the list of keys.
#include <QDBusVariant>
#include <QTableWidget>
#include <QTest>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cmath>
#include <map>

#include "app/desktop_looks.h"
#include "app/shortcuts_dialog.h"
#include "app_test_support.h"
#include "engine/board_geometry.h"
#include "pictures/piece_pictures.h"

namespace trimbol::app::testing {
namespace {

double Luminance(QRgb rgb) {
  const auto channel = [](int value) {
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
}

double Contrast(QRgb a, QRgb b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPoint Origin(Cell cell) {
  const geometry::Point at = geometry::CellOrigin(cell);
  return {at.x, at.y};
}

// The colour a cell's piece is drawn in: the commonest one besides white.
QRgb InkOf(const QImage& shown, Cell cell) {
  std::map<QRgb, int> counts;
  const QPoint at = Origin(cell);
  for (int y = 0; y < geometry::kPictureSize; ++y)
    for (int x = 0; x < geometry::kPictureSize; ++x) ++counts[shown.pixel(at + QPoint(x, y)) | 0xff000000];
  counts.erase(qRgb(255, 255, 255));
  return std::max_element(counts.begin(), counts.end(), [](auto a, auto b) { return a.second < b.second; })->first;
}

struct Ratios {
  std::array<double, 5> pieces;  // [0]: the empty cell's frame against its white
  double frameOnGap, cursorOnGap, bandOnGap;
};

using Looks = WindowTest;

// Where the test places a piece of each side, in turn.
constexpr std::array<Cell, 4> kPlaced = {Cell{2, 0, 0}, Cell{2, 1, 0}, Cell{2, 2, 0}, Cell{2, 0, 2}};

// A piece of each side, and the cursor's frame on the empty centre of layer 0.
Ratios Measure(MainWindow& window) {
  const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
  Ratios r{};
  const QRgb white = qRgb(255, 255, 255);
  r.pieces[0] = Contrast(shown.pixel(Origin({0, 0, 0})), white);
  for (int side = 1; side <= 4; ++side) r.pieces[side] = Contrast(InkOf(shown, kPlaced[side - 1]), white);
  const QPoint centre = Origin({0, 1, 1});
  const QRgb gap = shown.pixel(centre + QPoint(-8, 25));
  r.frameOnGap = Contrast(shown.pixel(Origin({0, 0, 0})), gap);
  r.cursorOnGap = Contrast(shown.pixel(centre + QPoint(-5, 25)), gap);
  r.bandOnGap = Contrast(shown.pixel(centre + QPoint(-3, 25)), gap);
  return r;
}

TEST_F(Looks, DefaultFiguresStandAndHighContrastMeetsItsGoalsFromThePixels) {
  Choose("N50");  // no animation: the frame files are not in the folder
  Choose("N1");
  for (const Cell cell : kPlaced) ClickAt(Origin(cell) + QPoint(25, 25));
  window_->boardView()->setFocus();
  window_->boardView()->SetCursor({0, 1, 1});
  QCoreApplication::processEvents();
  ASSERT_TRUE(boxes_.errors.isEmpty()) << boxes_.errors.join(", ").toStdString();
  EXPECT_EQ(window_->surface().look(), pictures::Look::kDefault);
  const QImage before = Shown();

  const Ratios plain = Measure(*window_);
  const auto twoPlaces = [](double v) { return std::round(v * 100) / 100; };
  EXPECT_EQ(twoPlaces(plain.pieces[1]), 3.14);
  EXPECT_EQ(twoPlaces(plain.pieces[2]), 1.37);
  EXPECT_EQ(twoPlaces(plain.pieces[3]), 4.00);
  EXPECT_EQ(twoPlaces(plain.pieces[4]), 7.92);

  window_->FollowDesktop({.highContrast = true, .reducedMotion = false});
  QCoreApplication::processEvents();
  const Ratios high = Measure(*window_);
  for (int code = 0; code <= 4; ++code) EXPECT_GE(high.pieces[code], 4.5) << "piece " << code;
  EXPECT_GE(high.frameOnGap, 3.0);
  EXPECT_GE(high.cursorOnGap, 3.0);
  EXPECT_GE(high.bandOnGap, 3.0);
  std::printf("contrast default: frame %.2f crosses %.2f noughts %.2f squiggles %.2f spirals %.2f, "
              "frame/gap %.2f cursor/gap %.2f band/gap %.2f\n", plain.pieces[0], plain.pieces[1], plain.pieces[2],
              plain.pieces[3], plain.pieces[4], plain.frameOnGap, plain.cursorOnGap, plain.bandOnGap);
  std::printf("contrast high: frame %.2f crosses %.2f noughts %.2f squiggles %.2f spirals %.2f, "
              "frame/gap %.2f cursor/gap %.2f band/gap %.2f\n", high.pieces[0], high.pieces[1], high.pieces[2],
              high.pieces[3], high.pieces[4], high.frameOnGap, high.cursorOnGap, high.bandOnGap);

  // An animation frame, drawn in the pieces' own colours, takes the look's.
  window_->surface().DrawFrame(pictures::AnimationFrame(2, 10), 10, 10);
  EXPECT_TRUE(ShowsPicture(Shown(), {10, 10}, pictures::PiecePicture(2, 1.0, pictures::Look::kHighContrast)));

  // Back to the default: byte for byte as before.
  window_->FollowDesktop({});
  window_->surface().DrawBoard(window_->boardView()->board());
  QCoreApplication::processEvents();
  EXPECT_EQ(Shown(), before);
}

TEST_F(Looks, ReducedMotionPlacesWithoutFramesAndLeavesTheMenuSwitchAlone) {
  window_->FollowDesktop({.highContrast = false, .reducedMotion = true});
  Choose("N1");
  ClickAt(Origin({1, 1, 1}) + QPoint(25, 25));
  EXPECT_TRUE(window_->game().state().animationOn);
  for (int tick = 0; tick < 11; ++tick) window_->game().AnimationTick();
  EXPECT_TRUE(boxes_.errors.isEmpty()) << "no frame file was even opened: " << boxes_.errors.join(", ").toStdString();
}

TEST(DesktopSettings, TheFreedesktopKeysWinAndGnomesStandInWhereThePortalLacksThem) {
  DesktopSettings settings;
  EXPECT_EQ(settings.Wishes(), LookWishes{});
  EXPECT_FALSE(settings.Take("org.freedesktop.appearance", "color-scheme", 1u));
  settings.Take("org.gnome.desktop.a11y.interface", "high-contrast", true);
  settings.Take("org.gnome.desktop.interface", "enable-animations", false);
  EXPECT_EQ(settings.Wishes(), (LookWishes{true, true}));
  settings.Take("org.freedesktop.appearance", "contrast", 0u);
  settings.Take("org.freedesktop.appearance", "reduced-motion", QVariant::fromValue(QDBusVariant(0u)));
  EXPECT_EQ(settings.Wishes(), LookWishes{});
  settings.Take("org.freedesktop.appearance", "contrast", 1u);
  EXPECT_EQ(settings.Wishes(), (LookWishes{true, false}));
}

TEST_F(Looks, CtrlQuestionListsEveryKeyOfTheWindowAndEscapeClosesIt) {
  for (const QKeyCombination keys : {Qt::CTRL | Qt::Key_Question, Qt::CTRL | Qt::Key_Slash}) {
    QTest::keyClick(window_.get(), keys.key(), keys.keyboardModifiers());
    ShortcutsDialog* dialog = window_->shortcutsDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(dialog->isVisible());
    QStringList listed;
    for (int row = 0; row < dialog->table()->rowCount(); ++row) listed << dialog->table()->item(row, 0)->text();
    const QString all = listed.join(", ");
    for (const QAction* action : window_->actions()) {
      EXPECT_TRUE(all.contains(action->shortcut().toString())) << action->shortcut().toString().toStdString();
    }
    for (const char* key : {"Tab", "PageUp", "Ctrl+Right", "Home", "Enter", "R (К)", "T (Е)", "1 - 9"}) {
      EXPECT_TRUE(all.contains(QString::fromUtf8(key))) << key;
    }
    EXPECT_FALSE(dialog->table()->accessibleName().isEmpty());
    QTest::keyClick(dialog->table(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
  }
  EXPECT_EQ(window_->menu().Item("N85")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Question));
}

}  // namespace
}  // namespace trimbol::app::testing
