// Fixed texts and file names of the game, and the menu items the engine
// writes captions to.
#pragma once

#include <array>
#include <string_view>

namespace trimbol {

// By result code: 0 draw, 1..4 the winning side. Each message is 21
// characters wide, centred with spaces.
inline constexpr std::array<std::string_view, 5> ResultFiles = {
    "Ничья.wav", "ПобКрест.wav", "ПобНол.wav", "ПобЗакор.wav", "ПобСпир.wav"};
inline constexpr std::array<std::string_view, 5> ResultMessages = {
    "        НИЧЬЯ!       ", "  Крестики победили  ", "   Нолики победили   ",
    "  Закорюки победили  ", "  Спиральки победили "};

inline constexpr std::array<std::string_view, 7> EffectFiles = {
    "stuk.wav", "stuk2.wav", "hlop.wav", "prut.wav", "Zvon.wav", "Klik.wav", "Klik2.wav"};
inline constexpr std::string_view kNewGameSound = EffectFiles[4];

// By digit key 1..9.
inline constexpr std::array<std::string_view, 9> MusicFiles = {
    "1.wav", "2.wav", "3.wav", "4.mp3", "5.mp3", "6.mp3", "7.mid", "8.mid", "9.mid"};

// Frame file name prefixes by side 1..4: "k1.bmp" .. "s10.bmp".
inline constexpr std::array<std::string_view, 4> FramePrefixes = {"k", "n", "z", "s"};
constexpr int kAnimationFrames = 10;

// Status line texts by side 1..4.
inline constexpr std::array<std::string_view, 4> StatusTexts = {
    "Ход крестиков", "Ход ноликов", "Ход закорюков", "Ход спиральков"};
inline constexpr std::string_view kInitialStatusText = "Строка состояния";

// Menu items whose captions the game rewrites, by side 1..4.
inline constexpr std::array<std::string_view, 4> ScoreItems = {"N01", "N02", "N03", "N04"};
inline constexpr std::array<std::array<std::string_view, 3>, 4> AutoModeItems = {{
    {"N25", "N26", "N27"}, {"N28", "N29", "N30"}, {"N32", "N33", "N34"}, {"N35", "N36", "N37"}}};
inline constexpr std::array<std::array<std::string_view, 3>, 4> IntelligenceItems = {{
    {"N59", "N60", "N61"}, {"N62", "N63", "N64"}, {"N65", "N66", "N67"}, {"N68", "N69", "N70"}}};

// Captions of the three choices, unmarked and marked. The rewritten "None"
// is spelled with a Latin H and e: "Heт".
inline constexpr std::array<std::string_view, 3> AutoModeWords = {"Выкл", "Полу", "Вкл"};
inline constexpr std::array<std::string_view, 3> IntelligenceWords = {"Heт", "Слабо", "Сильно"};

}  // namespace trimbol
