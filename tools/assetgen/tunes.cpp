// Note data of the shipped tunes: our arrangement of the Russian folk song
// "Во поле берёза стояла" (traditional, public domain) for "8.mid", and an
// original tune, "Три слоя", for "9.mid".
#include "tunes.h"

#include "engine/file_names.h"

namespace trimbol::assetgen {
namespace {

// General MIDI programs, 0-based.
constexpr int kPiano = 0, kVibraphone = 11, kAccordion = 21, kNylonGuitar = 24, kAcousticBass = 32,
              kFingerBass = 33, kClarinet = 71, kFlute = 73;

// --- "Во поле берёза стояла", D minor, 2/4 ---------------------------------
// One verse: "Во поле берёза стояла, во поле кудрявая стояла,
// люли, люли, стояла, люли, люли, стояла".
constexpr std::string_view kBirchVerse =
    "a4/8 a4/8 a4/8 a4/8 | g4/8 f4/8 e4/8 e4/8 | d4/4 r/4 |"
    "a4/8 c5/8 a4/8 a4/8 | g4/8 f4/8 f4/8 e4/8 | e4/8 d4/8 d4/4 |"
    "e4/8 f4/8 g4/8 f4/8 | e4/8 e4/8 d4/4 |"
    "e4/8 f4/8 g4/8 f4/8 | e4/8 e4/8 d4/4 |";
constexpr std::string_view kBirchVerseChords =
    "Dm/2 | Gm/4 A7/4 | Dm/2 |"
    "Dm/2 | Gm/4 A7/4 | Dm/2 |"
    "C/2 | A7/4 Dm/4 |"
    "C/2 | A7/4 Dm/4 |";
constexpr std::string_view kBirchIntro = "r/2 | r/2 |";
constexpr std::string_view kBirchIntroChords = "Dm/2 | A7/2 |";
constexpr std::string_view kBirchEnding = "a4/4 f4/4 | e4/4 c#4/4 | d4/2 |";
constexpr std::string_view kBirchEndingChords = "Dm/2 | A7/2 | Dm/2 |";

Tune Birch() {
  return Tune{std::string(files::kShippedMusic[0]), "Во поле берёза стояла", 96, 2, 4, kNylonGuitar, kAcousticBass, false,
              {
                  {kBirchIntro, kBirchIntroChords, kFlute},
                  {kBirchVerse, kBirchVerseChords, kFlute},
                  {kBirchVerse, kBirchVerseChords, kAccordion},
                  {kBirchVerse, kBirchVerseChords, kFlute, 12},
                  // The last verse quickens, as a round dance does.
                  {kBirchVerse, kBirchVerseChords, kAccordion, 0, 112},
                  {kBirchEnding, kBirchEndingChords, kAccordion},
              }};
}

// --- "Три слоя", G major, 4/4 (original) -----------------------------------
constexpr std::string_view kLayersA =
    "d5/8 b4/8 g4/8 b4/8 d5/4 g5/4 | e5/8 g5/8 e5/8 c5/8 e5/4 c5/4 |"
    "d5/8 c5/8 b4/8 a4/8 f#4/4 a4/4 | g4/4 b4/8 d5/8 g5/2 |"
    "d5/8 b4/8 g4/8 b4/8 d5/4 g5/4 | a5/8 g5/8 e5/8 c5/8 e5/4 g5/4 |"
    "f#5/8 e5/8 d5/8 c5/8 a4/4 f#4/4 | g4/2. r/4 |";
constexpr std::string_view kLayersAChords = "G/1 | C/1 | D7/1 | G/1 | G/1 | C/1 | D7/1 | G/1 |";
constexpr std::string_view kLayersB =
    "b4/4 e5/8 g5/8 b5/4 a5/8 g5/8 | a5/4 e5/8 c5/8 a4/4 c5/4 |"
    "d5/8 e5/8 f#5/8 g5/8 a5/4 f#5/4 | g5/4 d5/4 b4/2 |"
    "c5/8 d5/8 e5/8 f#5/8 g5/4 e5/4 | a5/4 g5/8 e5/8 c5/4 a4/4 |"
    "d5/4. e5/8 f#5/4 a5/4 | a5/8 g5/8 f#5/8 e5/8 d5/4 r/4 |";
constexpr std::string_view kLayersBChords = "Em/1 | Am/1 | D7/1 | G/1 | C/1 | Am/1 | D/1 | D7/1 |";
constexpr std::string_view kLayersIntro = "r/1 |";
constexpr std::string_view kLayersIntroChords = "G/1 |";
constexpr std::string_view kLayersEnding = "e5/4 c5/4 a4/4 f#4/4 | g4/1 |";
constexpr std::string_view kLayersEndingChords = "C/2 D7/2 | G/1 |";

Tune Layers() {
  return Tune{std::string(files::kShippedMusic[1]), "Три слоя", 120, 4, 4, kPiano, kFingerBass, true,
              {
                  {kLayersIntro, kLayersIntroChords, kClarinet},
                  {kLayersA, kLayersAChords, kClarinet},
                  {kLayersA, kLayersAChords, kVibraphone, 12},
                  {kLayersB, kLayersBChords, kClarinet},
                  {kLayersA, kLayersAChords, kClarinet},
                  {kLayersEnding, kLayersEndingChords, kClarinet},
              }};
}

}  // namespace

std::vector<Tune> ShippedTunes() { return {Birch(), Layers()}; }

}  // namespace trimbol::assetgen
