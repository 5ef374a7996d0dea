// SPDX-License-Identifier: MIT
#include "ui/Program.h"

#include <QApplication>

#include "ui/ComboNames.h"
#include "ui/Forms.h"
#include "ui/Looks.h"
#include "ui/frmMain.h"

namespace Program {

void Start() {
  QApplication::setQuitOnLastWindowClosed(false);
  UseDesignFont();
  HearCombosByName();
  Forms::Show<frmMain>();
}

void EndProgram() {
  for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
  QCoreApplication::exit(0);
}

}  // namespace Program
