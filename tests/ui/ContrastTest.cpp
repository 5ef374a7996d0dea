// SPDX-License-Identifier: MIT
#include <QImage>
#include <QPushButton>
#include <QStyle>

#include "Contrast.h"
#include "UiTest.h"

namespace {

double CaptionContrast(QPushButton* button) {
  const QImage picture = button->grab().toImage();
  return MeasureCaption(picture, picture.rect()).Contrast;
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
