// A SoundFont 2 file's preset and instrument tables, read once, from which
// the tables of a smaller font are written for each tune: only the presets
// it can select, and only their zones for the keys it plays. The samples
// stay where they are in the file, so the smaller font is the file's first
// part (up to its tables) followed by the new tables, and the synthesiser
// reads only the samples of those zones.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "media/tune_instruments.h"

namespace trimbol::media {

class SoundFontTables {
 public:
  // Reads the tables of the font at `path`. Nothing when the file is not
  // laid out as the synthesiser reads it (INFO, then samples, then tables to
  // the file's end, with consistent indices); such a font is loaded whole.
  static std::optional<SoundFontTables> Read(const std::string& path);

  // Where the tables start in the file: the smaller font is the file's
  // bytes before this, then SubsetTables.
  std::uint32_t TablesOffset() const { return tablesOffset_; }
  bool Has(int bank, int program) const;
  // The tables' LIST chunk, whole, holding only what `tune` can sound.
  std::vector<unsigned char> SubsetTables(const TuneInstruments& tune) const;

 private:
  // One table of fixed-size records, the last of them the terminal one.
  struct Table {
    std::size_t offset = 0;  // of its first record, in hydra_
    std::size_t recordSize = 0;
    std::size_t count = 0;  // records, the terminal one included
    const unsigned char* Record(const std::vector<unsigned char>& hydra, std::size_t index) const {
      return hydra.data() + offset + index * recordSize;
    }
  };
  enum TableIndex { kPhdr, kPbag, kPmod, kPgen, kInst, kIbag, kImod, kIgen, kShdr, kTableCount };
  // One level of the tables: presets over their bags, generators and
  // modulators, or instruments over theirs.
  struct Level {
    TableIndex header, bag, mod, gen;
    std::size_t bagField;  // where a header record names its first bag
  };
  static const Level kPresets, kInstruments;
  struct Written {
    std::vector<unsigned char> header, bag, mod, gen;
  };

  bool Parse();
  bool Consistent() const;
  std::size_t Field(TableIndex table, std::size_t record, std::size_t at) const;
  std::pair<int, int> BankAndProgram(std::size_t preset) const;
  std::size_t BagOf(const Level& level, std::size_t header) const;
  std::size_t GenOf(const Level& level, std::size_t bag) const;
  std::size_t ModOf(const Level& level, std::size_t bag) const;
  bool Sounds(const Level& level, std::size_t bag, bool first, const Keys& keys) const;
  // The kept headers, in the file's order, with those of their zones that
  // sound; `instruments`, when given, renumbers the instruments zones name.
  Written WriteLevel(const Level& level, const std::map<std::size_t, Keys>& kept,
                     const std::map<std::size_t, std::size_t>* instruments) const;

  std::uint32_t tablesOffset_ = 0;
  std::vector<unsigned char> hydra_;  // the body of the tables' LIST, after "pdta"
  Table tables_[kTableCount];
};

}  // namespace trimbol::media
