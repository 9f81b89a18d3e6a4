// Loads a soundfont into a FluidSynth synthesiser as a smaller font that
// holds only a tune's instruments, through FluidSynth's own loader reading
// the file by callbacks: while the font loads, the callbacks present the
// file with its tables replaced; afterwards (when the synthesiser reads a
// selected instrument's samples, on any thread) they read the file as it is.
#pragma once

#include <string>

#include "media/soundfont_tables.h"

struct _fluid_hashtable_t;
struct _fluid_synth_t;

namespace trimbol::media {

// Gives `synth` the loader. Before any font is loaded into it.
void AddSubsetLoader(_fluid_synth_t* synth, _fluid_hashtable_t* settings);

// Loads the font at `path`, whose tables are `tables`, as `tune` needs it;
// FluidSynth's font id, or -1 when it cannot be loaded.
int LoadSubset(_fluid_synth_t* synth, const std::string& path, const SoundFontTables& tables,
               const TuneInstruments& tune);

}  // namespace trimbol::media
