// SPDX-License-Identifier: MIT
// How a button's caption stands out from its face in a picture, by WCAG 2's contrast ratio. The
// ui tests measure the program's own buttons with it, button_contrast screenshots of the Windows
// program under Wine.
#pragma once

#include <QImage>
#include <QRect>

// The least contrast WCAG 2 asks of normal text.
inline constexpr double MinimumContrast = 4.5;

struct CaptionColours {
  QRgb Face;
  QRgb Text;
  double Contrast;
};

// The face is the commonest colour inside the button, its bevel or theme border left out; the
// text is the colour of the caption's strongest strokes: the median of the five pixels that stand
// out most from the face (a thin font's anti-aliased edges would otherwise understate a dark
// text). Ties go to the pixel met first, row by row.
CaptionColours MeasureCaption(const QImage& picture, const QRect& button);
