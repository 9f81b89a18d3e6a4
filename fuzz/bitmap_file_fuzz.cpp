// Fuzz target for the animation frame loader: the input is saved as a .bmp
// file and loaded the way the animation timer does it.
#include <cstdint>

#include "app/bitmap_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace trimbol::fuzz;
  const std::string file = Scratch().Write("кадр.bmp", data, size);
  const OpenDescriptors descriptors;
  QImage image;
  const std::string failure = OpenOrExplain(file, [&](const std::string& name) {
    image = trimbol::app::LoadBitmapFile(name);
  });
  // The file is there and readable, so only its content can be at fault.
  // The game's text for that does not repeat the name; file() carries it.
  if (!failure.empty() && failure != "Bitmap image is not valid") Fail("unexpected error for " + file + ": " + failure);
  if (failure.empty() && (image.isNull() || image.width() <= 0 || image.height() <= 0)) {
    Fail("an empty picture was loaded from " + file);
  }
  image = QImage();
  descriptors.ExpectNoneAdded(file);
  return 0;
}
