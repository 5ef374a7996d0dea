// SPDX-License-Identifier: MIT
#pragma once

#include "ui/Forms.h"

class QLabel;

// The Help window: what keeps a script from working, and whom to ask.
class frmHelp : public FormWindow {
 public:
  frmHelp();

  QLabel* lblHeading;
  QLabel* lblSpaceInName;
  QLabel* lblNewScript;
  QLabel* lblGenerateTwice;
  QLabel* lblCodeWindow;
  QLabel* lblContact;
};
