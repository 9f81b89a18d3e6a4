#include "reason_texts.h"

#include <QCoreApplication>

#include "line_names.h"

namespace trimbol::app {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("Hint", text); }

constexpr PerSide<const char*> kSideNames = {QT_TRANSLATE_NOOP("Hint", "крестики"), QT_TRANSLATE_NOOP("Hint", "нолики"),
                                             QT_TRANSLATE_NOOP("Hint", "закорюки"), QT_TRANSLATE_NOOP("Hint", "спиральки")};

}  // namespace

QString ReasonText(const HintReason& reason) {
  using enum HintReason::Kind;
  switch (reason.kind) {
    case kComplete:
      return Tr(QT_TRANSLATE_NOOP("Hint", "Завершает %1")).arg(LineName(reason.line));
    case kBlock:
      return Tr(QT_TRANSLATE_NOOP("Hint", "Перекрывает %1 (%2)")).arg(LineName(reason.line), Tr(kSideNames[reason.side]));
    case kFork:
      return Tr(QT_TRANSLATE_NOOP("Hint", "Две угрозы сразу"));
    case kForcedIn:
      return Tr(QT_TRANSLATE_NOOP("Hint", "Линия неизбежна, ходов до неё: %1")).arg(reason.moves);
    case kNoForcedLoss:
      return Tr(QT_TRANSLATE_NOOP("Hint", "Проигрыш не вынужден"));
    case kLongestDefence:
      return Tr(QT_TRANSLATE_NOOP("Hint", "Самая долгая защита"));
    case kBuild:
      break;
  }
  return Tr(QT_TRANSLATE_NOOP("Hint", "Больше всего открытых линий"));
}

QString DecisiveMoveText(const PlacedPiece& move, int number) {
  return Tr(QT_TRANSLATE_NOOP("Hint", "Без защиты после хода %1: %2, %3"))
      .arg(number)
      .arg(Tr(kSideNames[move.side]), CellPlace(move.cell));
}

}  // namespace trimbol::app
