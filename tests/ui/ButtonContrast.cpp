// SPDX-License-Identifier: MIT
// Measures how each button's caption stands out from its face in a screenshot:
//   button_contrast PICTURE NAME=X,Y,W,H ...
// with each button's rectangle in the picture's pixels. Prints one line per button, its text and
// face colours and their contrast ratio; exits with status 1 when any ratio is below 4.5:1.
#include <QImage>
#include <QStringList>
#include <cstdio>

#include "Contrast.h"

int main(int argc, char* argv[]) {
  const QImage picture(QString::fromLocal8Bit(argc > 1 ? argv[1] : ""));
  if (argc < 3 || picture.isNull()) {
    std::fprintf(stderr, "usage: button_contrast PICTURE NAME=X,Y,W,H ...\n");
    return 2;
  }
  bool allReadable = true;
  for (int i = 2; i < argc; ++i) {
    const QString button = QString::fromLocal8Bit(argv[i]);
    const QStringList fields = button.section('=', 1).split(',');
    int rect[4] = {};
    bool ok = fields.size() == 4;
    for (int j = 0; ok && j < 4; ++j) rect[j] = fields[j].toInt(&ok);
    if (!ok) {
      std::fprintf(stderr, "button_contrast: not NAME=X,Y,W,H: %s\n", argv[i]);
      return 2;
    }
    const CaptionColours found = MeasureCaption(picture, QRect(rect[0], rect[1], rect[2], rect[3]));
    allReadable &= found.Contrast >= MinimumContrast;
    std::printf("%s: text #%06x on face #%06x: %.1f:1\n", qPrintable(button.section('=', 0, 0)),
                found.Text & 0xffffffu, found.Face & 0xffffffu, found.Contrast);
  }
  return allReadable ? 0 : 1;
}
