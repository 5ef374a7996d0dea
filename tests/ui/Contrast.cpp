// SPDX-License-Identifier: MIT
#include "Contrast.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace {

double Luminance(QRgb rgb) {
  auto linear = [](int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb));
}

double Contrast(QRgb one, QRgb other) {
  const auto [darker, lighter] = std::minmax({Luminance(one), Luminance(other)});
  return (lighter + 0.05) / (darker + 0.05);
}

}  // namespace

CaptionColours MeasureCaption(const QImage& picture, const QRect& button) {
  constexpr int Bevel = 3;
  constexpr size_t Strokes = 5;
  const QRect inside = button.adjusted(Bevel, Bevel, -Bevel, -Bevel);
  std::vector<QRgb> inner;
  std::map<QRgb, int> counts;
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    for (int x = inside.left(); x <= inside.right(); ++x) {
      // Beyond the picture's edge (a window cut off by the screen's) the pixels count as black.
      inner.push_back((picture.valid(x, y) ? picture.pixel(x, y) : 0) | 0xff000000);
      ++counts[inner.back()];
    }
  }
  const int most = std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                     return a.second < b.second;
                   })->second;
  const QRgb face =
      *std::find_if(inner.begin(), inner.end(), [&](QRgb p) { return counts.at(p) == most; });
  std::stable_sort(inner.begin(), inner.end(),
                   [face](QRgb a, QRgb b) { return Contrast(a, face) < Contrast(b, face); });
  const QRgb text = inner[inner.size() - Strokes / 2 - 1];
  return {face, text, Contrast(face, text)};
}
