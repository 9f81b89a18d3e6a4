// What the game says: the result of a game and whose turn it is.
#pragma once

#include <array>
#include <string_view>

// Marks a text for the translation catalog (the shell shows each one
// translated in the context given); the engine itself keeps the Russian.
#define TRIMBOL_TRANSLATABLE(context, text) text

namespace trimbol::texts {

// By result code: 0 a draw, 1..4 the winning side. Each is 21 characters
// wide, centred with spaces, which the box keeps.
inline constexpr std::array<std::string_view, 5> kResults = {
    TRIMBOL_TRANSLATABLE("Game", "        НИЧЬЯ!       "),
    TRIMBOL_TRANSLATABLE("Game", "  Крестики победили  "),
    TRIMBOL_TRANSLATABLE("Game", "   Нолики победили   "),
    TRIMBOL_TRANSLATABLE("Game", "  Закорюки победили  "),
    TRIMBOL_TRANSLATABLE("Game", "  Спиральки победили ")};

// By side 1..4.
inline constexpr std::array<std::string_view, 4> kTurns = {
    TRIMBOL_TRANSLATABLE("Game", "Ход крестиков"), TRIMBOL_TRANSLATABLE("Game", "Ход ноликов"),
    TRIMBOL_TRANSLATABLE("Game", "Ход закорюков"), TRIMBOL_TRANSLATABLE("Game", "Ход спиральков")};

// The status line before the first game.
inline constexpr std::string_view kStatusBeforeFirstGame = TRIMBOL_TRANSLATABLE("Game", "Строка состояния");

}  // namespace trimbol::texts
