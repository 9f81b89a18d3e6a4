// Writes the smallest General MIDI soundfont the synthesiser accepts: a
// piano and a drum kit over one short looped sine. The sound targets play MIDI with
// it, because loading the real 6 MB font on every open would slow fuzzing
// to a crawl.
#pragma once

#include <cmath>
#include <cstdint>
#include <fstream>
#include <numbers>
#include <stdexcept>
#include <string>

namespace trimbol::fuzz {

namespace soundfont_detail {

class Riff {
 public:
  void U16(std::uint32_t value) { Little(value, 2); }
  void U32(std::uint32_t value) { Little(value, 4); }
  void Tag(const char* tag) { bytes_.append(tag, 4); }
  void Name(const char* name) {  // 20 bytes, zero-padded
    std::string field(name);
    field.resize(20, '\0');
    bytes_ += field;
  }
  void Raw(const std::string& bytes) { bytes_ += bytes; }
  // A chunk of `tag` holding what `fill` writes; a LIST names its type first.
  template <typename Fill>
  void Chunk(const char* tag, Fill fill) {
    Tag(tag);
    const std::size_t size_at = bytes_.size();
    U32(0);
    fill();
    const std::size_t size = bytes_.size() - size_at - 4;
    for (int i = 0; i < 4; ++i) bytes_[size_at + i] = static_cast<char>((size >> (8 * i)) & 0xFF);
    if (size % 2 != 0) bytes_ += '\0';
  }
  const std::string& bytes() const { return bytes_; }

 private:
  void Little(std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) bytes_ += static_cast<char>((value >> (8 * i)) & 0xFF);
  }
  std::string bytes_;
};

}  // namespace soundfont_detail

inline void WriteTinySoundFont(const std::string& path) {
  using soundfont_detail::Riff;
  constexpr std::uint32_t kFrames = 64;   // one period of a 689 Hz sine at 44.1 kHz
  constexpr std::uint32_t kPadding = 46;  // the zero points every sample is followed by
  constexpr std::uint16_t kInstrument = 41, kSampleModes = 54, kSampleId = 53;
  Riff font;
  font.Chunk("RIFF", [&] {
    font.Tag("sfbk");
    font.Chunk("LIST", [&] {
      font.Tag("INFO");
      font.Chunk("ifil", [&] { font.U16(2); font.U16(1); });
      font.Chunk("isng", [&] { font.Raw(std::string("EMU8000", 8)); });
      font.Chunk("INAM", [&] { font.Raw(std::string("fuzz\0", 6)); });
    });
    font.Chunk("LIST", [&] {
      font.Tag("sdta");
      font.Chunk("smpl", [&] {
        for (std::uint32_t i = 0; i < kFrames; ++i) {
          const double value = 12000 * std::sin(2 * std::numbers::pi * i / kFrames);
          font.U16(static_cast<std::uint16_t>(static_cast<std::int16_t>(value)));
        }
        for (std::uint32_t i = 0; i < kPadding; ++i) font.U16(0);
      });
    });
    font.Chunk("LIST", [&] {
      font.Tag("pdta");
      // Each table ends with a terminal record, as the format demands.
      // A piano and a drum kit (bank 128, which MIDI channel 10 plays), both
      // on the one instrument.
      font.Chunk("phdr", [&] {
        font.Name("Piano"); font.U16(0); font.U16(0); font.U16(0); font.U32(0); font.U32(0); font.U32(0);
        font.Name("Drums"); font.U16(0); font.U16(128); font.U16(1); font.U32(0); font.U32(0); font.U32(0);
        font.Name("EOP"); font.U16(0); font.U16(0); font.U16(2); font.U32(0); font.U32(0); font.U32(0);
      });
      font.Chunk("pbag", [&] { for (int bag = 0; bag < 3; ++bag) { font.U16(bag); font.U16(0); } });
      font.Chunk("pmod", [&] { for (int i = 0; i < 5; ++i) font.U16(0); });
      font.Chunk("pgen", [&] {
        for (int preset = 0; preset < 2; ++preset) { font.U16(kInstrument); font.U16(0); }
        font.U16(0); font.U16(0);
      });
      font.Chunk("inst", [&] {
        font.Name("Sine"); font.U16(0);
        font.Name("EOI"); font.U16(1);
      });
      font.Chunk("ibag", [&] { font.U16(0); font.U16(0); font.U16(2); font.U16(0); });
      font.Chunk("imod", [&] { for (int i = 0; i < 5; ++i) font.U16(0); });
      font.Chunk("igen", [&] {
        font.U16(kSampleModes); font.U16(1);  // loop for as long as the key is held
        font.U16(kSampleId); font.U16(0);
        font.U16(0); font.U16(0);
      });
      font.Chunk("shdr", [&] {
        font.Name("Sine"); font.U32(0); font.U32(kFrames); font.U32(0); font.U32(kFrames);
        font.U32(44100); font.Raw(std::string{'\x4F', '\0'}); font.U16(0); font.U16(1);  // key 79, mono
        font.Name("EOS");
        for (int i = 0; i < 5; ++i) font.U32(0);
        font.Raw(std::string(2, '\0')); font.U16(0); font.U16(0);
      });
    });
  });
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << font.bytes();
  if (!out.flush()) throw std::runtime_error("cannot write " + path);
}

}  // namespace trimbol::fuzz
