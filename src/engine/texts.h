// What the game says: the result of a game and whose turn it is.
#pragma once

#include <array>
#include <string_view>

namespace trimbol::texts {

// By result code: 0 a draw, 1..4 the winning side. Each is 21 characters
// wide, centred with spaces, which the box keeps.
inline constexpr std::array<std::string_view, 5> kResults = {
    "        НИЧЬЯ!       ", "  Крестики победили  ", "   Нолики победили   ",
    "  Закорюки победили  ", "  Спиральки победили "};

// By side 1..4.
inline constexpr std::array<std::string_view, 4> kTurns = {"Ход крестиков", "Ход ноликов", "Ход закорюков",
                                                           "Ход спиральков"};

// The status line before the first game.
inline constexpr std::string_view kStatusBeforeFirstGame = "Строка состояния";

}  // namespace trimbol::texts
