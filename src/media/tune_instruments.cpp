// Scans a MIDI tune for the instruments it can sound.
#include "media/tune_instruments.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <set>

#include "media/file_bytes.h"
#include "media/midi_events.h"

namespace trimbol::media {
namespace {

constexpr int kBankSelect = 0;

struct ChannelUse {
  std::set<int> banks{0};
  std::set<int> programs{0};  // a channel's default
  Keys keys;
};

// The preset the synthesiser plays for a bank and program: where the fonts
// lack it, the drum kit, or the same program in bank 0, or the piano.
std::pair<int, int> Substitute(int bank, int program, const HasPreset& fontsHave) {
  if (fontsHave(bank, program)) return {bank, program};
  if (bank == kDrumBank) return {kDrumBank, 0};
  if (fontsHave(0, program)) return {0, program};
  return {0, 0};
}

class InstrumentScan : public TrackListener {
 public:
  void OnChannelEvent(std::uint8_t status, std::uint8_t data1, std::uint8_t data2, std::uint64_t,
                      std::uint32_t) override {
    ChannelUse& channel = channels_[status & 0x0F];
    switch (status & 0xF0) {
      case 0x90:
        if (data2 != 0) channel.keys.set(data1);
        break;
      case 0xB0:
        if (data1 == kBankSelect) channel.banks.insert(data2);
        break;
      case 0xC0: channel.programs.insert(data1); break;
      default: break;
    }
  }
  void OnSystemExclusive() override { anything_ = true; }

  TuneInstruments Result(const HasPreset& fontsHave) const {
    TuneInstruments result;
    result.anything = anything_;
    if (anything_) return result;  // all such tunes are alike
    for (int number = 0; number < 16; ++number) {
      const ChannelUse& channel = channels_[number];
      // The drum channel plays the drum bank whatever bank it is given.
      const std::set<int> banks = number == kDrumChannel ? std::set<int>{kDrumBank} : channel.banks;
      for (const int program : channel.programs) {
        for (const int bank : banks) result.presets[Substitute(bank, program, fontsHave)] |= channel.keys;
      }
    }
    return result;
  }
  void SetAnything() { anything_ = true; }

 private:
  std::array<ChannelUse, 16> channels_;
  bool anything_ = false;
};

}  // namespace

TuneInstruments InstrumentsOf(std::span<const unsigned char> tune, const HasPreset& fontsHave) {
  InstrumentScan scan;
  if (tune.size() < 14) scan.SetAnything();
  std::size_t at = tune.size() < 14 ? tune.size() : 8 + std::size_t{BigEndian(&tune[4], 4)};
  while (at + 8 <= tune.size()) {
    const std::size_t length = BigEndian(&tune[at + 4], 4);
    const std::size_t body = at + 8;
    if (length > tune.size() - body) {
      scan.SetAnything();
      break;
    }
    if (std::memcmp(&tune[at], "MTrk", 4) == 0 && !ReadTrackEvents(tune.subspan(body, length), scan)) {
      scan.SetAnything();
    }
    at = body + length;
  }
  return scan.Result(fontsHave);
}

}  // namespace trimbol::media
