// What Master's hint and the decisive move say, in one short line each.
#pragma once

#include <QString>

#include "engine/game_record.h"
#include "engine/hint_reason.h"

namespace trimbol::app {

// "Перекрывает столбец 3 слоя 2 (нолики)".
QString ReasonText(const HintReason& reason);
// The move of a lost game after which the loser had no defence; `number`
// counts the game's moves from 1.
QString DecisiveMoveText(const PlacedPiece& move, int number);

}  // namespace trimbol::app
