// The smaller soundfont the synthesiser is shown for a tune, written out as
// a file of its own: the font's bytes up to its tables, then the subset's
// tables, with the RIFF header's size to match.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "media/soundfont_tables.h"

namespace trimbol::testing {

inline std::vector<unsigned char> SmallerFont(const std::string& path, const media::SoundFontTables& tables,
                                              const media::TuneInstruments& tune) {
  std::ifstream in(path, std::ios::binary);
  std::vector<unsigned char> font(std::istreambuf_iterator<char>(in), {});
  font.resize(tables.TablesOffset());
  const std::vector<unsigned char> list = tables.SubsetTables(tune);
  font.insert(font.end(), list.begin(), list.end());
  const auto riffSize = static_cast<std::uint32_t>(font.size() - 8);
  for (int i = 0; i < 4; ++i) font[4 + i] = static_cast<unsigned char>(riffSize >> (8 * i));
  return font;
}

}  // namespace trimbol::testing
