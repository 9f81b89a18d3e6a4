// The program as the desktop sees it: its names, its window's icon, and its
// command line (--help and --version answer, anything else is refused with
// the usage, and no argument starts the game).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QGuiApplication>

#include <algorithm>

#include "app/application_identity.h"
#include "app/command_line.h"
#include <QTest>

#include "app_test_support.h"

namespace trimbol::app::testing {
namespace {

CommandLineOutcome Read(QStringList arguments) {
  NameApplication();
  arguments.prepend(QStringLiteral("/usr/bin/trimbol"));
  return ReadCommandLine(arguments);
}

TEST(ApplicationIdentity, MatchesTheDesktopEntryAndTheProjectVersion) {
  NameApplication();
  EXPECT_EQ(QCoreApplication::applicationName(), "trimbol");  // the window's class, StartupWMClass
  EXPECT_EQ(QCoreApplication::applicationVersion(), "5.2");
  EXPECT_EQ(QGuiApplication::desktopFileName(), "org.trimbol.Trimbol");
}

using WindowIcon = WindowTest;

TEST_F(WindowIcon, IsTheGamesIconDrawnAtTheSizesOfTitleBarsAndTaskLists) {
  // It is set once the window is on the screen.
  ASSERT_TRUE(QTest::qWaitFor([this] { return window_->windowIcon().availableSizes().size() > 1; }, 2000));
  QList<QSize> sizes = window_->windowIcon().availableSizes();
  std::sort(sizes.begin(), sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
  EXPECT_EQ(sizes, (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}}));
}

TEST(CommandLine, WithoutArgumentsTheGameStartsAndNothingIsPrinted) {
  const CommandLineOutcome outcome = Read({});
  EXPECT_FALSE(outcome.exitStatus.has_value());
  EXPECT_TRUE(outcome.standardOutput.isEmpty());
  EXPECT_TRUE(outcome.standardError.isEmpty());
}

TEST(CommandLine, VersionPrintsTheNameAndVersionAndEnds) {
  for (const char* option : {"--version", "-v", "-version"}) {
    SCOPED_TRACE(option);
    const CommandLineOutcome outcome = Read({QString::fromLatin1(option)});
    EXPECT_EQ(outcome.exitStatus, 0);
    EXPECT_EQ(outcome.standardOutput, "trimbol 5.2\n");
    EXPECT_TRUE(outcome.standardError.isEmpty());
  }
}

TEST(CommandLine, HelpPrintsTheUsageAndBothOptionsAndEnds) {
  for (const QStringList& arguments : {QStringList{"--help"}, QStringList{"-h"}, QStringList{"--version", "--help"}}) {
    SCOPED_TRACE(arguments.join(' ').toStdString());
    const CommandLineOutcome outcome = Read(arguments);
    EXPECT_EQ(outcome.exitStatus, 0);
    EXPECT_TRUE(outcome.standardOutput.startsWith("Usage: ")) << outcome.standardOutput.toStdString();
    EXPECT_TRUE(outcome.standardOutput.contains("-h, --help"));
    EXPECT_TRUE(outcome.standardOutput.contains("-v, --version"));
    EXPECT_FALSE(outcome.standardOutput.contains("session"));  // Qt's business, not the player's
    EXPECT_TRUE(outcome.standardError.isEmpty());
  }
}

TEST(CommandLine, AnythingElseIsOneErrorLineAndTheUsageOnStandardErrorWithStatusTwo) {
  const struct {
    QStringList arguments;
    QString error;
  } cases[] = {
      {{"--bogus"}, "trimbol: Unknown option 'bogus'."},
      {{"-x"}, "trimbol: Unknown option 'x'."},
      {{"--version=3"}, "trimbol: Unexpected value after '--version'."},
      {{"game.txt"}, "trimbol: Unexpected argument 'game.txt'."},
      {{"--help", "game.txt"}, "trimbol: Unexpected argument 'game.txt'."},
      {{"-session"}, "trimbol: Missing value after '-session'."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments.join(' ').toStdString());
    const CommandLineOutcome outcome = Read(c.arguments);
    EXPECT_EQ(outcome.exitStatus, 2);
    EXPECT_TRUE(outcome.standardOutput.isEmpty());
    const QStringList lines = outcome.standardError.split('\n');
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[0], c.error);
    EXPECT_TRUE(lines[1].startsWith("Usage: ")) << lines[1].toStdString();
  }
}

TEST(CommandLine, TheSessionManagersRestartArgumentStartsTheGame) {
  // QApplication reads "-session ID" itself; refusing it would stop the game
  // from coming back after a desktop session is restored.
  const CommandLineOutcome outcome = Read({"-session", "10d2a5e3b4000171"});
  EXPECT_FALSE(outcome.exitStatus.has_value());
  EXPECT_TRUE(outcome.standardError.isEmpty());
}

}  // namespace
}  // namespace trimbol::app::testing
