#include "line_names.h"

#include <QCoreApplication>

namespace trimbol::app {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("Lines", text); }

}  // namespace

QString LineName(const Line& line) {
  const Cell first = CellAt(line.a), last = CellAt(line.c);
  // A row runs across its layer, a column down it, and a pillar through the
  // three layers.
  if (first.layer == last.layer && first.row == last.row) {
    return Tr(QT_TRANSLATE_NOOP("Lines", "ряд %1 слоя %2")).arg(first.row + 1).arg(first.layer + 1);
  }
  if (first.layer == last.layer) {
    return Tr(QT_TRANSLATE_NOOP("Lines", "столбец %1 слоя %2")).arg(first.column + 1).arg(first.layer + 1);
  }
  return Tr(QT_TRANSLATE_NOOP("Lines", "столб ряд %1, столбец %2")).arg(first.row + 1).arg(first.column + 1);
}

QString CellPlace(Cell cell) {
  return Tr(QT_TRANSLATE_NOOP("Lines", "слой %1, ряд %2, столбец %3")).arg(cell.layer + 1).arg(cell.row + 1).arg(cell.column + 1);
}

}  // namespace trimbol::app
