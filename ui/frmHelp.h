// SPDX-License-Identifier: MIT
#pragma once

#include "ui/Forms.h"

class QLabel;

// The Help window: what keeps a script from working, and whom to ask.
class frmHelp : public FormWindow {
 public:
  frmHelp();

  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label5;
  QLabel* Label6;
};
