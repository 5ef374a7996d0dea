#pragma once

#include "ui/Forms.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The save window: asks for the game directory and writes the script file into its cstrike folder.
class frmSave : public FormWindow {
 public:
  frmSave();

  void cmdOK_Click();

  QLabel* Label1;
  QLineEdit* txtDirectory;
  QPushButton* cmdOK;
};
