// SPDX-License-Identifier: MIT
#include <QImage>
#include <QPushButton>
#include <QStyle>
#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "UiTest.h"

namespace {

// The least contrast WCAG 2 asks of normal text.
constexpr double MinimumContrast = 4.5;

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

// As tests/windows/button-contrast.py measures screenshots: the face is the commonest colour
// inside the bevel, the text the median of the five pixels that stand out most from it.
double CaptionContrast(QPushButton* button) {
  constexpr int Bevel = 3;
  constexpr size_t Strokes = 5;
  const QImage picture = button->grab().toImage();
  std::vector<QRgb> inner;
  std::map<QRgb, int> counts;
  for (int y = Bevel; y < picture.height() - Bevel; ++y) {
    for (int x = Bevel; x < picture.width() - Bevel; ++x) {
      inner.push_back(picture.pixel(x, y) | 0xff000000);
      ++counts[inner.back()];
    }
  }
  const QRgb face = std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                      return a.second < b.second;
                    })->first;
  std::sort(inner.begin(), inner.end(),
            [face](QRgb a, QRgb b) { return Contrast(a, face) < Contrast(b, face); });
  return Contrast(face, inner[inner.size() - Strokes / 2 - 1]);
}

class ButtonContrast : public UiTest, public ::testing::WithParamInterface<const char*> {};

}  // namespace

// The buttons keep the toolkit's light face inside the black windows: their captions must not
// take the windows' white text, nor come out grey, in any style the program meets on Linux.
TEST_P(ButtonContrast, CaptionsReadOnTheirFaces) {
  const QString started = QApplication::style()->name();
  QApplication::setStyle(GetParam());
  Forms::UnloadAll();
  Program::Start();  // the windows take the style's colours as they are built
  frmMain& main = Main();
  for (QPushButton* button : {main.cmdCreate, main.cmdCode, main.cmdNew, main.cmdAbout,
                              main.cmdHelp, main.cmdExit, Forms::Load<frmSave>().cmdOK}) {
    EXPECT_GE(CaptionContrast(button), MinimumContrast) << button->text().toStdString();
  }
  Forms::UnloadAll();
  QApplication::setStyle(started);
}

INSTANTIATE_TEST_SUITE_P(Styles, ButtonContrast, ::testing::Values("fusion", "windows"));
