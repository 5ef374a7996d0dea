// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QSize>
#include <cmath>

// Window geometry is kept in twips, as the window design gives it, and turned into pixels here
// only. 15 twips make one pixel at 96 dots per inch; Qt's device-independent pixels then take care
// of screens with more dots.
inline constexpr double TwipsPerPixel = 15.0;

struct TwipRect {
  int Left, Top, Width, Height;
};

struct TwipSize {
  int Width, Height;
};

inline int TwipsToPixels(double twips) {
  return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

inline double PixelsToTwips(int pixels) { return pixels * TwipsPerPixel; }

inline QRect ToPixels(TwipRect r) {
  return {TwipsToPixels(r.Left), TwipsToPixels(r.Top), TwipsToPixels(r.Width),
          TwipsToPixels(r.Height)};
}

inline QSize ToPixels(TwipSize s) { return {TwipsToPixels(s.Width), TwipsToPixels(s.Height)}; }
