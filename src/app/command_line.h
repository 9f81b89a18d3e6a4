// The program's command line: --help and --version answer and end the
// program, anything else is refused, and no argument at all starts the game.
#pragma once

#include <optional>

#include <QString>
#include <QStringList>

namespace trimbol::app {

// What the command line asks for.
struct CommandLineOutcome {
  std::optional<int> exitStatus;  // empty: start the game
  QString standardOutput;
  QString standardError;
};

// Reads `arguments`, the program's path first. The application's name and
// version must be set (NameApplication) and an application object must
// exist, for the usage line names the program as it was started.
CommandLineOutcome ReadCommandLine(const QStringList& arguments);

// For main(), before any application object, window or sound exists: reads
// argv, prints what it asks for and returns the status to exit with, or
// nothing when the game should start.
std::optional<int> HandleCommandLine(int argc, char* argv[]);

}  // namespace trimbol::app
