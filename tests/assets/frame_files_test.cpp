// The run folder holds exactly the shipped media files, and the forty
// animation frames are the 24-bit 50 x 50 bitmaps the game draws.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "image_checks.h"
#include "pictures/piece_pictures.h"

namespace {

namespace fs = std::filesystem;
using namespace trimbol::test;

const fs::path kRunDir = TRIMBOL_RUN_DIR;
const char* const kFramePrefixes[] = {"k", "n", "z", "s"};  // by side 1..4

std::set<std::string> ShippedNames() {
  std::set<std::string> names{"stuk.wav",  "stuk2.wav",     "hlop.wav",     "prut.wav",       "Zvon.wav",
                              "Klik.wav",  "Klik2.wav",     "Ничья.wav",    "ПобКрест.wav",   "ПобНол.wav",
                              "ПобЗакор.wav", "ПобСпир.wav", "8.mid",        "9.mid"};
  for (const char* prefix : kFramePrefixes)
    for (int frame = 1; frame <= 10; ++frame) names.insert(prefix + std::to_string(frame) + ".bmp");
  return names;
}

std::vector<unsigned char> ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::int32_t LE32(const std::vector<unsigned char>& b, std::size_t at) {
  return static_cast<std::int32_t>(b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24);
}

TEST(RunFolder, HoldsEveryShippedFile) {
  const std::set<std::string> expected = ShippedNames();
  ASSERT_EQ(expected.size(), 54u);
  for (const std::string& name : expected) {
    EXPECT_TRUE(fs::is_regular_file(kRunDir / fs::u8path(name))) << name;
  }
}

TEST(FrameFiles, AreFiftySquare24BitBitmapsOfTheSidesColour) {
  const QColor white(255, 255, 255);
  for (int side = 1; side <= 4; ++side) {
    const QColor colour = trimbol::pictures::PieceColour(side);
    QImage first;
    for (int frame = 1; frame <= 10; ++frame) {
      const fs::path path = kRunDir / (kFramePrefixes[side - 1] + std::to_string(frame) + ".bmp");
      SCOPED_TRACE(path.filename().string());
      const std::vector<unsigned char> bytes = ReadFile(path);
      ASSERT_GE(bytes.size(), 54u);
      EXPECT_EQ(bytes[0], 'B');
      EXPECT_EQ(bytes[1], 'M');
      EXPECT_EQ(LE32(bytes, 18), 50);                         // width
      EXPECT_EQ(std::abs(LE32(bytes, 22)), 50);               // height, either row order
      EXPECT_EQ(bytes[28] | bytes[29] << 8, 24);              // bits per pixel
      EXPECT_EQ(LE32(bytes, 30), 0);                          // uncompressed

      QImage image;
      ASSERT_TRUE(image.load(QString::fromStdString(path.string()), "BMP"));
      ASSERT_EQ(image.size(), QSize(50, 50));
      for (auto [x, y] : {std::pair{0, 0}, {49, 0}, {0, 49}, {49, 49}}) EXPECT_TRUE(IsColour(image, x, y, white));
      EXPECT_GT(CountColour(image, colour), 0);
      EXPECT_EQ(CountColour(image, colour) + CountColour(image, white), 50 * 50);
      if (frame == 1) first = image;
      if (frame == 10) {
        EXPECT_NE(image, first) << "the frames do not animate";
        EXPECT_EQ(image.convertToFormat(QImage::Format_RGB32),
                  trimbol::pictures::PiecePicture(side).convertToFormat(QImage::Format_RGB32))
            << "the last frame must match the board picture the redraw puts there";
      }
    }
  }
}

}  // namespace
