// What the game says: the result of a game and whose turn it is.
#pragma once

#include <array>
#include <string_view>

#include "engine/side.h"

// Marks a text for the translation catalog (the shell shows each one
// translated in the context given); the engine itself keeps the Russian.
#define TRIMBOL_TRANSLATABLE(context, text) text

namespace trimbol::texts {

// By result code: 0 a draw, else the winning side's number. Each is 21
// characters wide, centred with spaces, which the box keeps.
inline constexpr std::array kResults = {
    std::string_view(TRIMBOL_TRANSLATABLE("Game", "        НИЧЬЯ!       ")),
    std::string_view(TRIMBOL_TRANSLATABLE("Game", "  Крестики победили  ")),
    std::string_view(TRIMBOL_TRANSLATABLE("Game", "   Нолики победили   ")),
    std::string_view(TRIMBOL_TRANSLATABLE("Game", "  Закорюки победили  ")),
    std::string_view(TRIMBOL_TRANSLATABLE("Game", "  Спиральки победили "))};
static_assert(kResults.size() == kSideCount + 1, "a result for a draw and for each side");

inline constexpr PerSide<std::string_view> kTurns = {
    TRIMBOL_TRANSLATABLE("Game", "Ход крестиков"), TRIMBOL_TRANSLATABLE("Game", "Ход ноликов"),
    TRIMBOL_TRANSLATABLE("Game", "Ход закорюков"), TRIMBOL_TRANSLATABLE("Game", "Ход спиральков")};

// The status line before the first game.
inline constexpr std::string_view kStatusBeforeFirstGame = TRIMBOL_TRANSLATABLE("Game", "Строка состояния");

}  // namespace trimbol::texts
