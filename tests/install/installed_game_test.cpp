// The installed game, started from an empty working folder: it finds its
// frames, sounds and tunes in its data folder (XDG_DATA_DIRS), so a new
// game and a person's move with animation and sound on, and both tunes,
// bring no error box. Run through with_installed_game.sh.
#include <QDir>
#include <QTest>

#include "app_test_support.h"
#include "pictures/piece_pictures.h"

namespace trimbol::app::testing {
namespace {

using InstalledGame = WindowTest;

TEST_F(InstalledGame, PlaysFromAnyFolderWithAnimationSoundAndBothTunes) {
  const QString data = qEnvironmentVariable("TRIMBOL_PREFIX") + QStringLiteral("/share/trimbol");
  ASSERT_TRUE(QDir(data).exists(QStringLiteral("k1.bmp"))) << "not run through with_installed_game.sh";
  ASSERT_TRUE(QDir::current().isEmpty());

  Choose("N6");   // sound on
  Choose("N49");  // animation on, as at start-up
  ClickOn(window_->newGameButton());  // "Zvon.wav"
  ClickAt({300, 70});         // layer 1, column 1, row 1: a cross, "hlop.wav", frames k1..k10
  EXPECT_EQ(window_->game().state().at({1, 1, 1}), 1);
  EXPECT_EQ(window_->game().state().toMove, trimbol::Side(2));
  QTimer* animation = window_->timer(GameTimer::kAnimation);
  EXPECT_TRUE(animation->isActive());
  EXPECT_TRUE(QTest::qWaitFor([&] { return !animation->isActive(); }, 5000));
  EXPECT_TRUE(ShowsPicture(Shown(), {290, 70}, pictures::PiecePicture(1)));

  QTest::keyClick(window_->statusLine(), Qt::Key_8);  // the shipped tunes
  QTest::keyClick(window_->statusLine(), Qt::Key_9);

  EXPECT_TRUE(boxes_.errors.isEmpty()) << boxes_.errors.join('\n').toStdString();
  EXPECT_TRUE(boxes_.messages.isEmpty()) << boxes_.messages.join('\n').toStdString();
  EXPECT_TRUE(QDir::current().isEmpty()) << "the game wrote into its working folder";
}

}  // namespace
}  // namespace trimbol::app::testing
