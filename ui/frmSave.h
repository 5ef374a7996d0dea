// SPDX-License-Identifier: MIT
#pragma once

#include "ui/Forms.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The save window: asks for the game directory and writes the script file into its cstrike folder.
// At OK it reads the script text from frmCode and the file name from frmMain's txtScriptName, as
// the design has it: the name in the box at that moment, not the one the script was composed with.
class frmSave : public FormWindow {
 public:
  frmSave();

  void cmdOK_Click();

  QLabel* lblDirectory;
  QLineEdit* txtDirectory;
  QPushButton* cmdOK;
};
