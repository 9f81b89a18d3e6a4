// The game's icon at each size of the icon theme: its size, its clear
// surroundings, and pieces a player recognises at the smallest size too.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <vector>

#include "image_checks.h"
#include "pictures/app_icon.h"

namespace {

using trimbol::pictures::AppIconImage;
using trimbol::pictures::kAppIconSizes;
using namespace trimbol::test;

const QColor kNavy(0, 0, 128), kMagenta(255, 0, 255), kLime(0, 255, 0), kRed(255, 0, 0), kBrown(128, 64, 0);
const QColor kWhite(255, 255, 255);

int Alpha(const QImage& image, int x, int y) { return qAlpha(image.pixel(x, y)); }

TEST(AppIcon, ComesInTheEightSizesOfTheIconTheme) {
  EXPECT_EQ(std::vector<int>(std::begin(kAppIconSizes), std::end(kAppIconSizes)),
            (std::vector<int>{16, 22, 24, 32, 48, 64, 128, 256}));
  EXPECT_THROW(AppIconImage(8), std::out_of_range);
}

TEST(AppIcon, EachSizeIsASquareNavyTileWithClearCorners) {
  for (int size : kAppIconSizes) {
    SCOPED_TRACE(size);
    const QImage icon = AppIconImage(size);
    ASSERT_EQ(icon.size(), QSize(size, size));
    EXPECT_TRUE(icon.hasAlphaChannel());
    for (auto [x, y] : {std::pair{0, 0}, {size - 1, 0}, {0, size - 1}, {size - 1, size - 1}})
      EXPECT_LT(Alpha(icon, x, y), 128) << x << "," << y;  // rounded off
    for (auto [x, y] : {std::pair{size / 2, 0}, {0, size / 2}, {size / 2, size - 1}, {size - 1, size / 2}})
      EXPECT_TRUE(IsColour(icon, x, y, kNavy)) << x << "," << y;  // the tile's edge
  }
}

TEST(AppIcon, SmallSizesShowABoldCrossAndAnOpenNought) {
  for (int size : {16, 22, 24, 32, 48}) {
    SCOPED_TRACE(size);
    const QImage icon = AppIconImage(size);
    // Whole pixels of each colour, not an antialiased haze, in one piece each.
    EXPECT_GE(CountColour(icon, kMagenta) * 40, size * size);
    EXPECT_GE(CountColour(icon, kLime) * 40, size * size);
    EXPECT_EQ(Patches(icon, kMagenta), 1);
    EXPECT_EQ(Patches(icon, kLime), 1);
    const int noughtCentre = static_cast<int>(0.685 * size);
    EXPECT_TRUE(IsColour(icon, noughtCentre, noughtCentre, kNavy)) << "the nought is filled in";
    EXPECT_EQ(CountColour(icon, kWhite), 0);
  }
}

TEST(AppIcon, LargeSizesShowALayerOfTheBoardWithAllFourSides) {
  for (int size : {64, 128, 256}) {
    SCOPED_TRACE(size);
    const QImage icon = AppIconImage(size);
    // Nine white cells: their grounds cover a good part of the tile.
    EXPECT_GT(CountColour(icon, kWhite) * 5, size * size);
    for (const QColor& colour : {kMagenta, kLime, kRed}) EXPECT_GT(CountColour(icon, colour), 0) << colour.name().toStdString();
    if (size >= 128) {
      EXPECT_GT(CountColour(icon, kBrown), 0);  // the spiral's thin line
    }
    // The cross in the top left cell crosses in the cell's middle.
    const double margin = size / 12.0, cell = (size - 2 * margin - size / 16.0) / 3;
    const int middle = static_cast<int>(margin + cell / 2);
    EXPECT_TRUE(IsColour(icon, middle, middle, kMagenta));
  }
}

}  // namespace
