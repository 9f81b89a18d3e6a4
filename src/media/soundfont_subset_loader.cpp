// The file callbacks behind the subset loader.
#include "media/soundfont_subset_loader.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace trimbol::media {
namespace {

// The font being loaded on this thread, as the loader should see it.
struct Presented {
  const std::string& path;
  std::uint32_t tablesOffset;
  std::vector<unsigned char> tables;
};
thread_local const Presented* presenting = nullptr;

struct OpenFont {
  std::FILE* file;
  const Presented* subset;  // null: the file as it is
  fluid_long_long_t size;
  fluid_long_long_t at = 0;
  fluid_long_long_t fileAt = 0;  // where the stream stands, to seek only when needed
};

void* Open(const char* path) {
  std::FILE* file = std::fopen(path, "rb");
  if (file == nullptr) return nullptr;
  const Presented* subset = presenting != nullptr && presenting->path == path ? presenting : nullptr;
  fluid_long_long_t size = 0;
  if (subset != nullptr) {
    size = subset->tablesOffset + static_cast<fluid_long_long_t>(subset->tables.size());
  } else if (::fseeko(file, 0, SEEK_END) != 0 || (size = ::ftello(file)) < 0 || ::fseeko(file, 0, SEEK_SET) != 0) {
    std::fclose(file);
    return nullptr;
  }
  return new OpenFont{file, subset, size};
}

int Read(void* buffer, fluid_long_long_t count, void* handle) {
  auto& font = *static_cast<OpenFont*>(handle);
  if (count < 0 || font.at < 0 || count > font.size - font.at) return FLUID_FAILED;
  auto* to = static_cast<unsigned char*>(buffer);
  const fluid_long_long_t fileEnd = font.subset != nullptr ? font.subset->tablesOffset : font.size;
  const fluid_long_long_t fromFile = std::clamp<fluid_long_long_t>(fileEnd - font.at, 0, count);
  if (fromFile > 0) {
    if (font.fileAt != font.at && ::fseeko(font.file, font.at, SEEK_SET) != 0) return FLUID_FAILED;
    font.fileAt = font.at;
    if (std::fread(to, 1, static_cast<std::size_t>(fromFile), font.file) != static_cast<std::size_t>(fromFile)) {
      font.fileAt = -1;
      return FLUID_FAILED;
    }
    font.fileAt += fromFile;
    // The RIFF header's size is that of the smaller font.
    constexpr fluid_long_long_t kRiffSizeAt = 4;
    if (font.subset != nullptr && font.at < kRiffSizeAt + 4 && font.at + fromFile > kRiffSizeAt) {
      const auto riffSize = static_cast<std::uint32_t>(font.size - 8);
      for (fluid_long_long_t i = kRiffSizeAt; i < kRiffSizeAt + 4; ++i) {
        if (i >= font.at && i < font.at + fromFile) to[i - font.at] = (riffSize >> (8 * (i - kRiffSizeAt))) & 0xFF;
      }
    }
  }
  if (fromFile < count) {
    const auto from = static_cast<std::size_t>(font.at + fromFile - fileEnd);
    std::memcpy(to + fromFile, font.subset->tables.data() + from, static_cast<std::size_t>(count - fromFile));
  }
  font.at += count;
  return FLUID_OK;
}

int Seek(void* handle, fluid_long_long_t offset, int origin) {
  auto& font = *static_cast<OpenFont*>(handle);
  const fluid_long_long_t base = origin == SEEK_SET ? 0 : origin == SEEK_CUR ? font.at : font.size;
  if (origin != SEEK_SET && origin != SEEK_CUR && origin != SEEK_END) return FLUID_FAILED;
  if (base + offset < 0) return FLUID_FAILED;
  font.at = base + offset;
  return FLUID_OK;
}

fluid_long_long_t Tell(void* handle) { return static_cast<OpenFont*>(handle)->at; }

int Close(void* handle) {
  auto* font = static_cast<OpenFont*>(handle);
  const int closed = std::fclose(font->file);
  delete font;
  return closed == 0 ? FLUID_OK : FLUID_FAILED;
}

}  // namespace

void AddSubsetLoader(fluid_synth_t* synth, fluid_settings_t* settings) {
  fluid_sfloader_t* loader = new_fluid_defsfloader(settings);
  if (loader == nullptr) return;  // FluidSynth's own loader then reads fonts whole
  fluid_sfloader_set_callbacks(loader, &Open, &Read, &Seek, &Tell, &Close);
  fluid_synth_add_sfloader(synth, loader);
}

int LoadSubset(fluid_synth_t* synth, const std::string& path, const SoundFontTables& tables,
               const TuneInstruments& tune) {
  const Presented subset{path, tables.TablesOffset(), tables.SubsetTables(tune)};
  presenting = &subset;
  const int id = fluid_synth_sfload(synth, path.c_str(), 0);
  presenting = nullptr;
  return id;
}

}  // namespace trimbol::media
