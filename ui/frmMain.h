// SPDX-License-Identifier: MIT
#pragma once

#include "script/ScriptSelection.h"
#include "ui/Forms.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The main window: the player's selection, the script name and the row of commands.
// Its commands drive the other forms: "Create Script" appends to frmCode's text and shows frmSave,
// the bottom row shows frmCode, frmAbout and frmHelp.
class frmMain : public FormWindow {
 public:
  frmMain();

  // The controls' values at this moment.
  ScriptSelection Selection() const;

  void cmdCreate_Click();
  void txtScriptName_KeyPress(int& KeyAscii);
  void cmdCode_Click();
  void cmdNew_Click();
  void cmdAbout_Click();
  void cmdHelp_Click();
  void cmdExit_Click();

  QLabel* picTitle;
  QLabel* lblScriptName;
  QLineEdit* txtScriptName;
  QPushButton* cmdCreate;
  QGroupBox* fraBuy;
  QComboBox* comPrimary;
  QComboBox* comSecondary;
  QGroupBox* fraEquipment;
  QCheckBox* chkArmor;
  QCheckBox* chkFullArmor;
  QCheckBox* chkFlashbang;
  QCheckBox* chkHEGrenade;
  QCheckBox* chkSmokeGrenade;
  QCheckBox* chkDefusalKit;
  QCheckBox* chkNightVision;
  QGroupBox* fraExtra;
  QCheckBox* chkAnnounce;
  QCheckBox* chkAdvertise;
  QPlainTextEdit* txtAdvertise;
  QComboBox* comBind;
  QPushButton* cmdCode;
  QPushButton* cmdNew;
  QPushButton* cmdAbout;
  QPushButton* cmdHelp;
  QPushButton* cmdExit;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  void SetTabOrder();
  void ConnectHandlers();
};
