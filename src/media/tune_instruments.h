// Which of the soundfonts' instruments a MIDI tune can sound, and on which
// keys, worked out from the file without playing it, so the synthesiser
// reads only those from a large font.
#pragma once

#include <bitset>
#include <functional>
#include <map>
#include <span>
#include <utility>

namespace trimbol::media {

using Keys = std::bitset<128>;

struct TuneInstruments {
  // The tune may ask for anything (it sends system exclusive messages, which
  // can change how channels choose their instruments, or it cannot be read).
  bool anything = false;
  // By bank and program: the keys played on channels that may select it.
  // A preset chosen but never played is listed with no keys.
  std::map<std::pair<int, int>, Keys> presets;

  bool operator==(const TuneInstruments&) const = default;
};

// Whether any of the loaded fonts holds the preset at a bank and program.
using HasPreset = std::function<bool(int bank, int program)>;

// Scans a whole standard MIDI file. Every bank and program a channel is
// ever given counts for every note on that channel, and so does its
// default; a preset the fonts lack counts as the synthesiser's substitute
// for it. More than the tune needs at times, never less.
TuneInstruments InstrumentsOf(std::span<const unsigned char> tune, const HasPreset& fontsHave);

}  // namespace trimbol::media
