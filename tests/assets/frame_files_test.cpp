// The run folder holds every shipped file, and the forty
// animation frames are the 24-bit 50 x 50 bitmaps the game draws.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "engine/file_names.h"
#include "image_checks.h"
#include "pictures/piece_pictures.h"

namespace {

namespace fs = std::filesystem;
using namespace trimbol::test;

const fs::path kRunDir = TRIMBOL_RUN_DIR;
std::vector<unsigned char> ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::int32_t LE32(const std::vector<unsigned char>& b, std::size_t at) {
  return static_cast<std::int32_t>(b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24);
}

TEST(RunFolder, HoldsEveryShippedFile) {
  for (const std::string& name : trimbol::files::ShippedFiles()) {
    EXPECT_TRUE(fs::is_regular_file(kRunDir / fs::u8path(name))) << name;
  }
}

TEST(FrameFiles, AreFiftySquare24BitBitmapsOfTheSidesColour) {
  const QColor white(255, 255, 255);
  for (const trimbol::Side side : trimbol::AllSides()) {
    const QColor colour = trimbol::pictures::PieceColour(side.number());
    QImage first;
    for (int frame = 1; frame <= 10; ++frame) {
      const fs::path path = kRunDir / trimbol::files::FrameFile(side, frame);
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
                  trimbol::pictures::PiecePicture(side.number()).convertToFormat(QImage::Format_RGB32))
            << "the last frame must match the board picture the redraw puts there";
      }
    }
  }
}

}  // namespace
