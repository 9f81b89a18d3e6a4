// The piece pictures and animation frames as drawn in memory: size, the
// two colours, and the shape features a player recognises them by.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "image_checks.h"
#include "pictures/piece_pictures.h"

namespace {

using trimbol::pictures::AnimationFrame;
using trimbol::pictures::PieceColour;
using trimbol::pictures::PiecePicture;
using namespace trimbol::test;

const QColor kWhite(255, 255, 255);
// The board's colours by PieceCode: navy, magenta, lime, red, brown.
const QColor kColours[] = {{0, 0, 128}, {255, 0, 255}, {0, 255, 0}, {255, 0, 0}, {128, 64, 0}};

TEST(PiecePictures, AreFiftySquareInWhiteAndTheirOwnColourOnly) {
  for (int code = 0; code <= 4; ++code) {
    SCOPED_TRACE(code);
    const QImage picture = PiecePicture(code);
    EXPECT_EQ(picture.size(), QSize(50, 50));
    EXPECT_EQ(PieceColour(code), kColours[code]);
    EXPECT_EQ(ColoursOf(picture), (std::set<QRgb>{kWhite.rgb(), kColours[code].rgb()}));
    if (code == 0) continue;  // the empty cell's frame reaches the corners
    for (auto [x, y] : {std::pair{0, 0}, {49, 0}, {0, 49}, {49, 49}}) EXPECT_TRUE(IsColour(picture, x, y, kWhite));
  }
  EXPECT_THROW(PiecePicture(5), std::out_of_range);
  EXPECT_THROW(PiecePicture(-1), std::out_of_range);
}

TEST(PiecePictures, ScaleDrawsTheSamePieceLargerForDenseScreens) {
  for (int code = 1; code <= 4; ++code) {
    SCOPED_TRACE(code);
    const QImage big = PiecePicture(code, 2.0);
    EXPECT_EQ(big.size(), QSize(100, 100));
    EXPECT_DOUBLE_EQ(big.devicePixelRatio(), 2.0);
    EXPECT_TRUE(IsColour(big, 0, 0, kWhite));
    // Twice the size each way: about four times the ink, not a 50 x 50
    // drawing in one corner.
    const double ratio = static_cast<double>(CountColour(big, kColours[code])) / CountColour(PiecePicture(code), kColours[code]);
    EXPECT_GT(ratio, 3.0);
    EXPECT_LT(ratio, 5.0);
  }
}

TEST(EmptyCell, HasANavyFrameThreePixelsWideOnEveryEdge) {
  const QImage cell = PiecePicture(0);
  const QColor navy = kColours[0];
  for (int i = 0; i < 50; ++i) {
    SCOPED_TRACE(i);
    for (int d = 0; d < 3; ++d) {
      EXPECT_TRUE(IsColour(cell, i, d, navy));
      EXPECT_TRUE(IsColour(cell, i, 49 - d, navy));
      EXPECT_TRUE(IsColour(cell, d, i, navy));
      EXPECT_TRUE(IsColour(cell, 49 - d, i, navy));
    }
  }
  EXPECT_EQ(CountColour(cell, navy), 50 * 50 - 44 * 44);  // nothing inside the frame
}

TEST(Cross, TwoStrokesAboutSixWideReachNearlyIntoEachCorner) {
  const QImage cross = PiecePicture(1);
  const QColor magenta = kColours[1];
  for (auto [cx, cy] : {std::pair{0, 0}, {46, 0}, {0, 46}, {46, 46}}) {
    SCOPED_TRACE(cx * 100 + cy);
    int ink = 0;
    for (int y = cy; y < cy + 4; ++y)
      for (int x = cx; x < cx + 4; ++x) ink += IsColour(cross, x, y, magenta);
    EXPECT_GT(ink, 0) << "the stroke stops short of the corner";
  }
  for (int y : {5, 12, 37, 44}) {
    SCOPED_TRACE(y);
    const auto runs = RunsInRow(cross, y, magenta);
    ASSERT_EQ(runs.size(), 2u);
    for (auto [x, width] : runs) {
      EXPECT_GE(width, 5);
      EXPECT_LE(width, 7);
    }
    // On the diagonals: the left stroke near x = y or x = 49 - y.
    EXPECT_LE(std::abs(runs[0].first + runs[0].second / 2 - std::min(y, 49 - y)), 2);
  }
}

TEST(Nought, RingAbout45AcrossIsCentredWithAStrokeOf4To5) {
  const QImage ring = PiecePicture(2);
  const QColor lime = kColours[2];
  int left = 50, right = -1, top = 50, bottom = -1;
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 50; ++x)
      if (IsColour(ring, x, y, lime)) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
  EXPECT_NEAR(right - left + 1, 45, 2);
  EXPECT_NEAR(bottom - top + 1, 45, 2);
  EXPECT_LE(std::abs(left - (49 - right)), 1);
  EXPECT_LE(std::abs(top - (49 - bottom)), 1);
  for (int y : {24, 25}) {
    const auto runs = RunsInRow(ring, y, lime);
    ASSERT_EQ(runs.size(), 2u);
    for (auto [x, width] : runs) {
      EXPECT_GE(width, 4);
      EXPECT_LE(width, 5);
    }
  }
  EXPECT_TRUE(IsColour(ring, 25, 25, kWhite));
}

TEST(Squiggle, IsOneUnbrokenLineAcrossThePicture) {
  const QImage squiggle = PiecePicture(3);
  const QColor red = kColours[3];
  EXPECT_EQ(Patches(squiggle, red), 1);
  // A closed loop and a self-crossing leave white islands inside the line.
  EXPECT_GE(Patches(squiggle, kWhite), 3);
  // It spans the picture: ink in every quarter.
  for (auto [qx, qy] : {std::pair{0, 0}, {25, 0}, {0, 25}, {25, 25}}) {
    int ink = 0;
    for (int y = qy; y < qy + 25; ++y)
      for (int x = qx; x < qx + 25; ++x) ink += IsColour(squiggle, x, y, red);
    EXPECT_GT(ink, 40);
  }
}

TEST(Spiral, ThreeTurnsFromTheCentreOutToTheLowerLeft) {
  const QImage spiral = PiecePicture(4);
  const QColor brown = kColours[4];
  EXPECT_EQ(Patches(spiral, brown), 1);
  // A ray from the centre to the right edge crosses each turn once.
  int crossings = 0;
  bool inside = false;
  for (int x = 26; x < 50; ++x) {
    const bool ink = IsColour(spiral, x, 25, brown);
    crossings += ink && !inside;
    inside = ink;
  }
  EXPECT_EQ(crossings, 3);
  // The inner end sits at the centre.
  int nearCentre = 0;
  for (int y = 22; y <= 28; ++y)
    for (int x = 22; x <= 28; ++x) nearCentre += IsColour(spiral, x, y, brown);
  EXPECT_GT(nearCentre, 0);
  // The outer end reaches farthest out along the lower-left diagonal.
  auto reach = [&](int dx, int dy) {
    int farthest = 0;
    for (int r = 0; r < 25; ++r)
      if (IsColour(spiral, 25 + dx * r, 25 + dy * r, brown)) farthest = r;
    return farthest;
  };
  const int lowerLeft = reach(-1, 1);
  EXPECT_GT(lowerLeft, reach(1, 1));
  EXPECT_GT(lowerLeft, reach(1, -1));
  EXPECT_GT(lowerLeft, reach(-1, -1));
}

TEST(AnimationFrames, PieceGrowsOverTenFramesIntoTheBoardPicture) {
  for (int side = 1; side <= 4; ++side) {
    SCOPED_TRACE(side);
    int previous = 0;
    for (int frame = 1; frame <= 10; ++frame) {
      SCOPED_TRACE(frame);
      const QImage image = AnimationFrame(side, frame);
      ASSERT_EQ(image.size(), QSize(50, 50));
      EXPECT_TRUE(ColoursOf(image).size() <= 2 && ColoursOf(image).count(kWhite.rgb()));
      const int ink = CountColour(image, kColours[side]);
      EXPECT_GT(ink, previous) << "each frame should show more of the piece";
      previous = ink;
    }
    EXPECT_LT(CountColour(AnimationFrame(side, 1), kColours[side]) * 3, previous);
    EXPECT_EQ(AnimationFrame(side, 10).convertToFormat(QImage::Format_RGB32),
              PiecePicture(side).convertToFormat(QImage::Format_RGB32));
  }
  EXPECT_THROW(AnimationFrame(0, 1), std::out_of_range);
  EXPECT_THROW(AnimationFrame(1, 11), std::out_of_range);
}

}  // namespace
