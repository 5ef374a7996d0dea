// SPDX-License-Identifier: MIT
#pragma once

#include "ui/Forms.h"

class QLabel;

// The About window: a picture, the credits and the shout-outs.
class frmAbout : public FormWindow {
 public:
  frmAbout();

  void Form_Load();

  QLabel* Picture1;
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label6;
  QLabel* Label4;
  QLabel* Label5;
};
