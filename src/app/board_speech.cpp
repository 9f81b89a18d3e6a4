// The board's spoken texts. Every text is translated in the one context
// "Board"; the pieces and sides are looked up by their codes.
#include "board_speech.h"

#include <array>

#include <QCoreApplication>

#include "engine/texts.h"
#include "engine/threats.h"
#include "line_names.h"
#include "shown_text.h"

namespace trimbol::app {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("Board", text); }

// By piece code: 0 an empty cell, 1..4 the sides' pieces.
constexpr std::array<const char*, kSideCount + 1> kPieceWords = {
    QT_TRANSLATE_NOOP("Board", "пусто"), QT_TRANSLATE_NOOP("Board", "крестик"), QT_TRANSLATE_NOOP("Board", "нолик"),
    QT_TRANSLATE_NOOP("Board", "закорюка"), QT_TRANSLATE_NOOP("Board", "спиралька")};

constexpr PerSide<const char*> kSideNames = {
    QT_TRANSLATE_NOOP("Board", "Крестики"), QT_TRANSLATE_NOOP("Board", "Нолики"),
    QT_TRANSLATE_NOOP("Board", "Закорюки"), QT_TRANSLATE_NOOP("Board", "Спиральки")};

QString Piece(int piece) { return piece >= 0 && piece <= kSideCount ? Tr(kPieceWords[piece]) : QString(); }
QString SideName(Side side) { return Tr(kSideNames[side]); }

// "ряд 2 слоя 1: крестик, пусто, нолик"
QString LineText(const Board& board, const Line& line) {
  QStringList pieces;
  for (int index : {line.a, line.b, line.c}) pieces << Piece(board[index]);
  return LineName(line) + QStringLiteral(": ") + pieces.join(QStringLiteral(", "));
}

}  // namespace

QString BoardName() { return Tr(QT_TRANSLATE_NOOP("Board", "Доска")); }

QString CellName(Cell cell, int piece) {
  return Tr(QT_TRANSLATE_NOOP("Board", "Слой %1, ряд %2, столбец %3: %4"))
      .arg(cell.layer + 1)
      .arg(cell.row + 1)
      .arg(cell.column + 1)
      .arg(Piece(piece));
}

QString MoveText(Side side, Cell cell) { return SideName(side) + QStringLiteral(": ") + CellPlace(cell); }
QString OccupiedText() { return Tr(QT_TRANSLATE_NOOP("Board", "Занято")); }
QString NoGameText() { return Tr(QT_TRANSLATE_NOOP("Board", "Игры нет. Новая игра: F2")); }
QString NewGameText() { return Tr(QT_TRANSLATE_NOOP("Board", "Новая игра")); }
QString HintText() { return Tr(QT_TRANSLATE_NOOP("Board", "Подсказка")); }
QString TakenBackText(const QStringList& pieces) {
  return Tr(QT_TRANSLATE_NOOP("Board", "Взято назад: %1")).arg(pieces.join(QStringLiteral("; ")));
}
QString PieceAt(Cell cell, int piece) { return Piece(piece) + QStringLiteral(", ") + CellPlace(cell); }

QString RowText(const Board& board, Cell at) {
  return LineText(board, {CellIndex(at.layer, 0, at.row), CellIndex(at.layer, 1, at.row), CellIndex(at.layer, 2, at.row)});
}

QString ColumnText(const Board& board, Cell at) {
  return LineText(board, {CellIndex(at.layer, at.column, 0), CellIndex(at.layer, at.column, 1),
                          CellIndex(at.layer, at.column, 2)});
}

QString PillarText(const Board& board, Cell at) {
  return LineText(board, {CellIndex(0, at.column, at.row), CellIndex(1, at.column, at.row),
                          CellIndex(2, at.column, at.row)});
}

QString SummaryText(const GameState& state, const QString& lastResult) {
  QString now = state.toMove ? GameText(texts::kTurns[*state.toMove]) : lastResult;
  if (now.isEmpty()) now = NoGameText();
  QStringList wins;
  for (Side side : SidesInPlay(state.sidesInPlay)) wins << SideName(side) + QStringLiteral(" ") + QString::number(state.winCount[side]);
  return now + QStringLiteral(". ") + Tr(QT_TRANSLATE_NOOP("Board", "Побед: %1")).arg(wins.join(QStringLiteral(", ")));
}

QString LastMovesText(const std::vector<PlacedPiece>& moves, int sidesInPlay) {
  QStringList last;
  for (Side side : SidesInPlay(sidesInPlay)) {
    for (auto move = moves.rbegin(); move != moves.rend(); ++move) {
      if (move->side != side) continue;
      last << MoveText(side, move->cell);
      break;
    }
  }
  if (last.isEmpty()) return Tr(QT_TRANSLATE_NOOP("Board", "Ходов ещё не было"));
  return last.join(QStringLiteral(". "));
}

QString ThreatsText(const Board& board, int sidesInPlay) {
  QStringList threats;
  for (Side side : SidesInPlay(sidesInPlay)) {
    QStringList places;
    for (Cell cell : CompletingCells(board, side)) places << CellPlace(cell);
    if (!places.isEmpty()) threats << SideName(side) + QStringLiteral(": ") + places.join(QStringLiteral("; "));
  }
  if (threats.isEmpty()) return Tr(QT_TRANSLATE_NOOP("Board", "Линию одним ходом не завершит никто"));
  return Tr(QT_TRANSLATE_NOOP("Board", "Линию завершат. %1")).arg(threats.join(QStringLiteral(". ")));
}

}  // namespace trimbol::app
