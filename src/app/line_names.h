// The board's lines and cells as the game names them to the player: "ряд 2
// слоя 1", "столбец 3 слоя 2", "столб ряд 2, столбец 3".
#pragma once

#include <QString>

#include "engine/board.h"
#include "engine/lines.h"

namespace trimbol::app {

QString LineName(const Line& line);
// "слой 1, ряд 2, столбец 3".
QString CellPlace(Cell cell);

}  // namespace trimbol::app
