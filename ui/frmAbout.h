// SPDX-License-Identifier: MIT
#pragma once

#include "ui/Forms.h"

class QLabel;

// The About window: a picture, the credits and the shout-outs.
class frmAbout : public FormWindow {
 public:
  frmAbout();

  void Form_Load();

  QLabel* picAbout;
  QLabel* lblCredits;
  QLabel* lblPeace;
  QLabel* lblSignature;
  QLabel* lblVersion;
  QLabel* lblShoutouts;
  QLabel* lblHandles;
};
