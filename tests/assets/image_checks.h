// Pixel counting helpers shared by the picture and frame tests.
#pragma once

#include <QColor>
#include <QImage>

#include <set>
#include <utility>
#include <vector>

namespace trimbol::test {

inline std::set<QRgb> ColoursOf(const QImage& image) {
  std::set<QRgb> colours;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y) | 0xFF000000u);
  return colours;
}

inline bool IsColour(const QImage& image, int x, int y, const QColor& colour) {
  return (image.pixel(x, y) | 0xFF000000u) == colour.rgb();
}

inline int CountColour(const QImage& image, const QColor& colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) count += IsColour(image, x, y, colour);
  return count;
}

// Lengths of the runs of `colour` along row y, left to right.
inline std::vector<std::pair<int, int>> RunsInRow(const QImage& image, int y, const QColor& colour) {
  std::vector<std::pair<int, int>> runs;  // (first x, length)
  for (int x = 0; x < image.width(); ++x) {
    if (!IsColour(image, x, y, colour)) continue;
    if (!runs.empty() && runs.back().first + runs.back().second == x) ++runs.back().second;
    else runs.push_back({x, 1});
  }
  return runs;
}

// Number of 8-connected patches of `colour`.
inline int Patches(const QImage& image, const QColor& colour) {
  const int w = image.width(), h = image.height();
  std::vector<char> seen(static_cast<std::size_t>(w * h), 0);
  int patches = 0;
  for (int start = 0; start < w * h; ++start) {
    if (seen[static_cast<std::size_t>(start)] || !IsColour(image, start % w, start / w, colour)) continue;
    ++patches;
    std::vector<int> stack{start};
    seen[static_cast<std::size_t>(start)] = 1;
    while (!stack.empty()) {
      const int at = stack.back();
      stack.pop_back();
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
          const int x = at % w + dx, y = at / w + dy;
          if (x < 0 || y < 0 || x >= w || y >= h) continue;
          const int next = y * w + x;
          if (seen[static_cast<std::size_t>(next)] || !IsColour(image, x, y, colour)) continue;
          seen[static_cast<std::size_t>(next)] = 1;
          stack.push_back(next);
        }
    }
  }
  return patches;
}

}  // namespace trimbol::test
