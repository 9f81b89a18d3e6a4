// Every file the game opens, by the bare name it opens it under: the sounds
// of the three players and the placement animation's frames. The asset
// generator writes the shipped ones under these names.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/side.h"

namespace trimbol::files {

// The result jingles, by result code: 0 a draw, else the winning side's number.
inline constexpr std::array kResultSounds = {std::string_view("Ничья.wav"), std::string_view("ПобКрест.wav"),
                                             std::string_view("ПобНол.wav"), std::string_view("ПобЗакор.wav"),
                                             std::string_view("ПобСпир.wav")};
static_assert(kResultSounds.size() == kSideCount + 1, "a jingle for a draw and for each side");

inline constexpr std::string_view kKnock = "stuk.wav";
inline constexpr std::string_view kWoodBlock = "stuk2.wav";
inline constexpr std::string_view kClap = "hlop.wav";   // a move of crosses or squiggles
inline constexpr std::string_view kSnap = "prut.wav";   // a move of noughts or spirals
inline constexpr std::string_view kBell = "Zvon.wav";   // a new game
inline constexpr std::string_view kClick = "Klik.wav";
inline constexpr std::string_view kDoubleClick = "Klik2.wav";
inline constexpr std::array<std::string_view, 7> kEffectSounds = {
    kKnock, kWoodBlock, kClap, kSnap, kBell, kClick, kDoubleClick};
// The menu's opening sound by a random remainder of 5: the knock has two chances.
inline constexpr std::array<std::string_view, 5> kMenuOpeningSounds = {kKnock, kWoodBlock, kClick,
                                                                        kDoubleClick, kKnock};

// The music files, by digit key 1..9. The player brings the first seven;
// the game ships the last two.
inline constexpr std::array<std::string_view, 9> kMusic = {
    "1.wav", "2.wav", "3.wav", "4.mp3", "5.mp3", "6.mp3", "7.mid", "8.mid", "9.mid"};
inline constexpr std::array<std::string_view, 2> kShippedMusic = {kMusic[7], kMusic[8]};

constexpr int kAnimationFrames = 10;

// Frame 1..10 of a side's placement animation: "k1.bmp" .. "s10.bmp".
inline std::string FrameFile(Side side, int frame) {
  static constexpr PerSide<std::string_view> kPrefixes = {"k", "n", "z", "s"};
  return std::string(kPrefixes[side]) + std::to_string(frame) + ".bmp";
}

// Everything the game ships: the frames, the effects, the jingles and two tunes.
inline std::vector<std::string> ShippedFiles() {
  std::vector<std::string> names;
  for (Side side : AllSides()) {
    for (int frame = 1; frame <= kAnimationFrames; ++frame) names.push_back(FrameFile(side, frame));
  }
  for (std::string_view name : kEffectSounds) names.emplace_back(name);
  for (std::string_view name : kResultSounds) names.emplace_back(name);
  for (std::string_view name : kShippedMusic) names.emplace_back(name);
  return names;
}

}  // namespace trimbol::files
