// What the game says: the result of a game and whose turn it is.
#pragma once

#include <array>
#include <string_view>

#include "engine/side.h"

namespace trimbol::texts {

// By result code: 0 a draw, else the winning side's number. Each is 21
// characters wide, centred with spaces, which the box keeps.
inline constexpr std::array kResults = {
    std::string_view("        НИЧЬЯ!       "), std::string_view("  Крестики победили  "),
    std::string_view("   Нолики победили   "), std::string_view("  Закорюки победили  "),
    std::string_view("  Спиральки победили ")};
static_assert(kResults.size() == kSideCount + 1, "a result for a draw and for each side");

inline constexpr PerSide<std::string_view> kTurns = {"Ход крестиков", "Ход ноликов", "Ход закорюков",
                                                     "Ход спиральков"};

// The status line before the first game.
inline constexpr std::string_view kStatusBeforeFirstGame = "Строка состояния";

}  // namespace trimbol::texts
