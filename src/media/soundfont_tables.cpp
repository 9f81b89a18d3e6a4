// Reading a SoundFont 2 file's tables and writing a subset of them.
#include "media/soundfont_tables.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <memory>

#include "media/file_bytes.h"

namespace trimbol::media {
namespace {

// The tables in the order the format (and the synthesiser) wants them.
constexpr const char* kTableTags[] = {"phdr", "pbag", "pmod", "pgen", "inst", "ibag", "imod", "igen", "shdr"};
constexpr std::size_t kRecordSizes[] = {38, 4, 10, 4, 22, 4, 10, 4, 46};
// A General MIDI font's tables take a few hundred kilobytes; 16-bit indices
// cap them far below this.
constexpr std::uint32_t kLargestTables = 16u << 20;
// Generators: a zone's key range, which must come first to count, and the
// instrument a preset zone plays.
constexpr unsigned kKeyRange = 43, kInstrument = 41;
constexpr std::size_t kPresetBagField = 24, kInstrumentBagField = 20;

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

bool ReadBytes(std::FILE* file, long offset, void* to, std::size_t count) {
  return std::fseek(file, offset, SEEK_SET) == 0 && std::fread(to, 1, count, file) == count;
}

std::uint16_t U16(const unsigned char* p) { return static_cast<std::uint16_t>(LittleEndian(p, 2)); }

void PutU16(unsigned char* p, std::size_t value) {
  p[0] = static_cast<unsigned char>(value & 0xFF);
  p[1] = static_cast<unsigned char>((value >> 8) & 0xFF);
}

void PutChunk(std::vector<unsigned char>& out, const char* tag, std::span<const unsigned char> body) {
  out.insert(out.end(), tag, tag + 4);
  const auto size = static_cast<std::uint32_t>(body.size());
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<unsigned char>((size >> (8 * i)) & 0xFF));
  out.insert(out.end(), body.begin(), body.end());
}

}  // namespace

std::optional<SoundFontTables> SoundFontTables::Read(const std::string& path) {
  const File file(std::fopen(path.c_str(), "rb"), &std::fclose);
  struct stat info{};
  if (!file || ::fstat(fileno(file.get()), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  const auto fileSize = static_cast<std::uint64_t>(info.st_size);
  unsigned char riff[12];
  if (!ReadBytes(file.get(), 0, riff, sizeof riff) || std::memcmp(riff, "RIFF", 4) != 0 ||
      std::memcmp(riff + 8, "sfbk", 4) != 0 || LittleEndian(riff + 4, 4) + std::uint64_t{8} != fileSize) {
    return std::nullopt;
  }
  // The synthesiser reads three lists, in this order, and the tables last.
  std::uint64_t at = 12;
  for (const char* list : {"INFO", "sdta", "pdta"}) {
    unsigned char head[12];
    if (at + sizeof head > fileSize || !ReadBytes(file.get(), static_cast<long>(at), head, sizeof head) ||
        std::memcmp(head, "LIST", 4) != 0 || std::memcmp(head + 8, list, 4) != 0) {
      return std::nullopt;
    }
    const std::uint64_t end = at + 8 + LittleEndian(head + 4, 4);
    if (std::strcmp(list, "pdta") == 0) {
      if (end != fileSize || end - at - sizeof head > kLargestTables) return std::nullopt;
      SoundFontTables tables;
      tables.tablesOffset_ = static_cast<std::uint32_t>(at);
      tables.hydra_.resize(end - at - sizeof head);
      if (!ReadBytes(file.get(), static_cast<long>(at + sizeof head), tables.hydra_.data(), tables.hydra_.size()) ||
          !tables.Parse() || !tables.Consistent()) {
        return std::nullopt;
      }
      return tables;
    }
    at = end;
  }
  return std::nullopt;
}

bool SoundFontTables::Parse() {
  std::size_t at = 0;
  for (int t = 0; t < kTableCount; ++t) {
    if (hydra_.size() - at < 8 || std::memcmp(&hydra_[at], kTableTags[t], 4) != 0) return false;
    const std::size_t size = LittleEndian(&hydra_[at + 4], 4);
    at += 8;
    if (size > hydra_.size() - at || size == 0 || size % kRecordSizes[t] != 0) return false;
    tables_[t] = {at, kRecordSizes[t], size / kRecordSizes[t]};
    at += size;
  }
  return true;
}

// The indices must read the same whether followed by number or record by
// record, as the synthesiser reads them: from zero, never falling, and each
// table ending with its terminal record.
bool SoundFontTables::Consistent() const {
  for (const Level& level : {kPresets, kInstruments}) {
    const Table& headers = tables_[level.header];
    const Table& bags = tables_[level.bag];
    std::size_t last = 0;
    for (std::size_t h = 0; h < headers.count; ++h) {
      const std::size_t bag = BagOf(level, h);
      if ((h == 0 && bag != 0) || bag < last) return false;
      last = bag;
    }
    if (last + 1 != bags.count) return false;
    std::size_t lastGen = 0, lastMod = 0;
    for (std::size_t b = 0; b < bags.count; ++b) {
      const std::size_t gen = GenOf(level, b), mod = ModOf(level, b);
      if ((b == 0 && (gen != 0 || mod != 0)) || gen < lastGen || mod < lastMod) return false;
      lastGen = gen;
      lastMod = mod;
    }
    if (lastGen + 1 != tables_[level.gen].count || lastMod + 1 != tables_[level.mod].count) return false;
  }
  // Every instrument a preset names must exist (the last record is the terminal one).
  const Table& gens = tables_[kPgen];
  for (std::size_t g = 0; g + 1 < gens.count; ++g) {
    const unsigned char* gen = gens.Record(hydra_, g);
    if (U16(gen) == kInstrument && U16(gen + 2) + std::size_t{1} >= tables_[kInst].count) return false;
  }
  return true;
}

const SoundFontTables::Level SoundFontTables::kPresets{kPhdr, kPbag, kPmod, kPgen, kPresetBagField};
const SoundFontTables::Level SoundFontTables::kInstruments{kInst, kIbag, kImod, kIgen, kInstrumentBagField};

std::size_t SoundFontTables::Field(TableIndex table, std::size_t record, std::size_t at) const {
  return U16(tables_[table].Record(hydra_, record) + at);
}
std::size_t SoundFontTables::BagOf(const Level& level, std::size_t header) const {
  return Field(level.header, header, level.bagField);
}
std::size_t SoundFontTables::GenOf(const Level& level, std::size_t bag) const { return Field(level.bag, bag, 0); }
std::size_t SoundFontTables::ModOf(const Level& level, std::size_t bag) const { return Field(level.bag, bag, 2); }

// Whether a zone can sound for any of `keys`. Only a key range of its own,
// first among its generators (the synthesiser ignores it elsewhere), rules
// it out; the first zone of a header stays, as it may be its global zone.
bool SoundFontTables::Sounds(const Level& level, std::size_t bag, bool first, const Keys& keys) const {
  if (first || GenOf(level, bag) == GenOf(level, bag + 1)) return true;
  const unsigned char* gen = tables_[level.gen].Record(hydra_, GenOf(level, bag));
  if (U16(gen) != kKeyRange) return true;
  for (unsigned key = gen[2]; key <= gen[3] && key < 128; ++key) {
    if (keys[key]) return true;
  }
  return false;
}

SoundFontTables::Written SoundFontTables::WriteLevel(const Level& level, const std::map<std::size_t, Keys>& kept,
                                                     const std::map<std::size_t, std::size_t>* instruments) const {
  Written out;
  const auto copy = [&](std::vector<unsigned char>& to, TableIndex table, std::size_t record) {
    const unsigned char* from = tables_[table].Record(hydra_, record);
    to.insert(to.end(), from, from + tables_[table].recordSize);
  };
  const auto header = [&](std::size_t record) {
    copy(out.header, level.header, record);
    PutU16(&out.header[out.header.size() - tables_[level.header].recordSize + level.bagField], out.bag.size() / 4);
  };
  const auto bag = [&] {
    out.bag.resize(out.bag.size() + 4);
    PutU16(&out.bag[out.bag.size() - 4], out.gen.size() / 4);
    PutU16(&out.bag[out.bag.size() - 2], out.mod.size() / 10);
  };
  for (const auto& [record, keys] : kept) {
    header(record);
    const std::size_t firstBag = BagOf(level, record);
    for (std::size_t zone = firstBag; zone < BagOf(level, record + 1); ++zone) {
      if (!Sounds(level, zone, zone == firstBag, keys)) continue;
      bag();
      for (std::size_t gen = GenOf(level, zone); gen < GenOf(level, zone + 1); ++gen) {
        copy(out.gen, level.gen, gen);
        unsigned char* written = &out.gen[out.gen.size() - 4];
        if (instruments != nullptr && U16(written) == kInstrument) PutU16(written + 2, instruments->at(U16(written + 2)));
      }
      for (std::size_t mod = ModOf(level, zone); mod < ModOf(level, zone + 1); ++mod) copy(out.mod, level.mod, mod);
    }
  }
  // The terminal records close each table.
  header(tables_[level.header].count - 1);
  bag();
  copy(out.gen, level.gen, tables_[level.gen].count - 1);
  copy(out.mod, level.mod, tables_[level.mod].count - 1);
  return out;
}

std::pair<int, int> SoundFontTables::BankAndProgram(std::size_t preset) const {
  return {static_cast<int>(Field(kPhdr, preset, 22)), static_cast<int>(Field(kPhdr, preset, 20))};
}

bool SoundFontTables::Has(int bank, int program) const {
  for (std::size_t p = 0; p + 1 < tables_[kPhdr].count; ++p) {
    if (BankAndProgram(p) == std::pair(bank, program)) return true;
  }
  return false;
}

std::vector<unsigned char> SoundFontTables::SubsetTables(const TuneInstruments& tune) const {
  std::map<std::size_t, Keys> presets;  // by record, so the file's order stays
  for (std::size_t p = 0; p + 1 < tables_[kPhdr].count; ++p) {
    const auto found = tune.presets.find(BankAndProgram(p));
    if (found != tune.presets.end()) presets[p] = found->second;
  }
  // An instrument is kept for the keys of every kept zone that plays it.
  std::map<std::size_t, Keys> instruments;
  for (const auto& [preset, keys] : presets) {
    const std::size_t firstBag = BagOf(kPresets, preset);
    for (std::size_t zone = firstBag; zone < BagOf(kPresets, preset + 1); ++zone) {
      if (!Sounds(kPresets, zone, zone == firstBag, keys)) continue;
      for (std::size_t gen = GenOf(kPresets, zone); gen < GenOf(kPresets, zone + 1); ++gen) {
        if (Field(kPgen, gen, 0) == kInstrument) instruments[Field(kPgen, gen, 2)] |= keys;
      }
    }
  }
  std::map<std::size_t, std::size_t> renumbered;
  for (const auto& [instrument, keys] : instruments) renumbered.emplace(instrument, renumbered.size());

  const Written presetTables = WriteLevel(kPresets, presets, &renumbered);
  const Written instrumentTables = WriteLevel(kInstruments, instruments, nullptr);
  std::vector<unsigned char> body{'p', 'd', 't', 'a'};
  PutChunk(body, "phdr", presetTables.header);
  PutChunk(body, "pbag", presetTables.bag);
  PutChunk(body, "pmod", presetTables.mod);
  PutChunk(body, "pgen", presetTables.gen);
  PutChunk(body, "inst", instrumentTables.header);
  PutChunk(body, "ibag", instrumentTables.bag);
  PutChunk(body, "imod", instrumentTables.mod);
  PutChunk(body, "igen", instrumentTables.gen);
  const Table& samples = tables_[kShdr];
  PutChunk(body, "shdr", std::span(hydra_).subspan(samples.offset, samples.count * samples.recordSize));
  std::vector<unsigned char> list;
  PutChunk(list, "LIST", body);
  return list;
}

}  // namespace trimbol::media
