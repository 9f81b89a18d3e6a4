// --help, --version and the refusal of anything else, with Qt's parser.
#include "command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace trimbol::app {
namespace {

constexpr int kExitUsage = 2;  // the usual status for a bad command line

void Print(const QString& text, std::FILE* stream) {
  std::fputs(text.toLocal8Bit().constData(), stream);
  std::fflush(stream);
}

}  // namespace

CommandLineOutcome ReadCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Тримбол: three-dimensional noughts and crosses on a 3 x 3 x 3 board for two\n"
      "to four sides, each played by a person or by the computer. Started without\n"
      "options it opens the game's window; trimbol(6) tells the controls."));
  // "-session" is single-dashed, so one dash may start a long option.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Show this help and exit."));
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                   QStringLiteral("Show the version and exit."));
  // An X session manager restarts a Qt program with "-session ID", which
  // QApplication then takes out of the arguments itself.
  QCommandLineOption session(QStringLiteral("session"), QString(), QStringLiteral("id"));
  session.setFlags(QCommandLineOption::HiddenFromHelp);
  parser.addOptions({help, version, session});

  if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
    const QString error = parser.errorText().isEmpty()
                              ? QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first())
                              : parser.errorText();
    return {kExitUsage, {}, QCoreApplication::applicationName() + QStringLiteral(": ") + error +
                                QLatin1Char('\n') + parser.helpText()};
  }
  if (parser.isSet(help)) return {0, parser.helpText(), {}};
  if (parser.isSet(version)) {
    return {0, QCoreApplication::applicationName() + QLatin1Char(' ') + QCoreApplication::applicationVersion() +
                   QLatin1Char('\n'), {}};
  }
  return {};
}

std::optional<int> HandleCommandLine(int argc, char* argv[]) {
  if (argc <= 1) return std::nullopt;
  // A plain core application needs no display, so "trimbol --version" also
  // answers on a machine without one; the game's own application object
  // comes after it.
  const QCoreApplication core(argc, argv);
  const CommandLineOutcome outcome = ReadCommandLine(QCoreApplication::arguments());
  Print(outcome.standardOutput, stdout);
  Print(outcome.standardError, stderr);
  return outcome.exitStatus;
}

}  // namespace trimbol::app
