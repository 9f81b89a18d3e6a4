// Parsing the tune notation: note names, chord symbols, note values and
// bar checks.
#include "notation.h"

#include <cctype>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>

namespace trimbol::assetgen {
namespace {

[[noreturn]] void Fail(std::string_view what, std::string_view token) {
  throw std::invalid_argument(std::string(what) + ": \"" + std::string(token) + "\"");
}

// "c".."b" with an optional "#" or "b" after it: pitch class and the rest of the text.
int PitchClass(std::string_view& text, std::string_view token) {
  static constexpr int kNatural[] = {9, 11, 0, 2, 4, 5, 7};  // a b c d e f g
  if (text.empty()) Fail("missing note name", token);
  const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
  if (letter < 'a' || letter > 'g') Fail("not a note name", token);
  int pc = kNatural[letter - 'a'];
  text.remove_prefix(1);
  if (!text.empty() && text[0] == '#') {
    ++pc;
    text.remove_prefix(1);
  } else if (!text.empty() && text[0] == 'b') {  // "bb4", "Bb/2": a flat
    --pc;
    text.remove_prefix(1);
  }
  return (pc + 12) % 12;
}

// "/8" or "/4." after the pitch: ticks.
std::uint32_t Value(std::string_view text, std::string_view token, const Metre& metre) {
  if (text.size() < 2 || text[0] != '/') Fail("missing note value", token);
  text.remove_prefix(1);
  const bool dotted = text.back() == '.';
  if (dotted) text.remove_suffix(1);
  int denominator = 0;
  for (char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c))) Fail("bad note value", token);
    denominator = denominator * 10 + (c - '0');
  }
  const int wholeTicks = metre.ticksPerBeat * metre.beatUnit;
  if (denominator <= 0 || wholeTicks % denominator != 0) Fail("unsupported note value", token);
  std::uint32_t ticks = static_cast<std::uint32_t>(wholeTicks / denominator);
  if (dotted) ticks += ticks / 2;
  return ticks;
}

// Walks the tokens, handing each non-bar token to `item` with its start
// tick; `item` returns its length. Checks every bar against the metre.
std::uint32_t Walk(std::string_view text, const Metre& metre,
                   const std::function<std::uint32_t(std::string_view, std::uint32_t)>& item) {
  const auto barTicks = static_cast<std::uint32_t>(metre.ticksPerBeat * metre.beatsPerBar);
  std::string spaced;  // bar lines need no spaces around them
  for (char c : text) c == '|' ? spaced += " | " : spaced += c;
  std::istringstream tokens{spaced};
  std::string token;
  std::uint32_t now = 0, barStart = 0;
  int bar = 1;
  while (tokens >> token) {
    if (token == "|") {
      if (now - barStart != barTicks) Fail("bar " + std::to_string(bar) + " has the wrong length", text.substr(0, 40));
      barStart = now;
      ++bar;
      continue;
    }
    now += item(token, now);
  }
  if (now != barStart && now - barStart != barTicks)
    Fail("the last bar has the wrong length", text.substr(0, 40));
  return now;
}

}  // namespace

std::vector<MelodyNote> ParseMelody(std::string_view text, const Metre& metre) {
  std::vector<MelodyNote> notes;
  Walk(text, metre, [&](std::string_view token, std::uint32_t start) {
    std::string_view rest = token;
    int key = -1;
    if (rest.front() == 'r') {
      rest.remove_prefix(1);
    } else {
      const int pc = PitchClass(rest, token);
      if (rest.empty() || !std::isdigit(static_cast<unsigned char>(rest[0]))) Fail("missing octave", token);
      const int octave = rest[0] - '0';
      rest.remove_prefix(1);
      key = 12 * (octave + 1) + pc;  // c4 = 60
      // Octaves run from c to b, so "cb4" and "b#4" step over the octave line.
      if (token[1] == 'b' && pc == 11) key -= 12;
      if (token[1] == '#' && pc == 0) key += 12;
    }
    const std::uint32_t length = Value(rest, token, metre);
    notes.push_back({key, start, length});
    return length;
  });
  return notes;
}

std::vector<ChordSpan> ParseChords(std::string_view text, const Metre& metre) {
  std::vector<ChordSpan> chords;
  Walk(text, metre, [&](std::string_view token, std::uint32_t start) {
    std::string_view rest = token;
    const int root = PitchClass(rest, token);
    const std::size_t slash = rest.find('/');
    if (slash == std::string_view::npos) Fail("missing chord length", token);
    const std::string_view quality = rest.substr(0, slash);
    std::vector<int> intervals;
    if (quality.empty()) intervals = {0, 4, 7};
    else if (quality == "m") intervals = {0, 3, 7};
    else if (quality == "7") intervals = {0, 4, 7, 10};
    else if (quality == "m7") intervals = {0, 3, 7, 10};
    else if (quality == "dim") intervals = {0, 3, 6};
    else Fail("unknown chord", token);
    const std::uint32_t length = Value(rest.substr(slash), token, metre);
    chords.push_back({root, std::move(intervals), start, length});
    return length;
  });
  return chords;
}

std::uint32_t PassageLength(const std::vector<MelodyNote>& notes) {
  return notes.empty() ? 0 : notes.back().start + notes.back().length;
}

std::uint32_t PassageLength(const std::vector<ChordSpan>& chords) {
  return chords.empty() ? 0 : chords.back().start + chords.back().length;
}

}  // namespace trimbol::assetgen
