// SPDX-License-Identifier: MIT
#include "ui/frmSave.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "files/ScriptFile.h"
#include "script/SiteAddresses.h"
#include "ui/Controls.h"
#include "ui/Geometry.h"
#include "ui/Looks.h"
#include "ui/MessageBox.h"
#include "ui/Utf8.h"
#include "ui/frmCode.h"
#include "ui/frmMain.h"

namespace {

constexpr const char* Caption = "Cstrike Direcotry";
constexpr TwipSize ClientSize{3165, 585};
constexpr const char* StartDirectory = "C:\\Sierra\\Half-Life";
constexpr Accessible DirectorySaid{
    "Your Half-Life Directory",
    "The folder Half-Life is installed in; the script is saved into its cstrike folder."};

constexpr const char* FinishedText =
    "Your Command Menu Has Been Created.\r\nPlease Visit Didadura for more Programs Like These at ";
constexpr const char* SaveFailedText = "Your Command Menu Could Not Be Saved To:\r\n";
constexpr const char* SaveFailedAdvice = "\r\nCheck The Directory And Press OK Again.";

}  // namespace

frmSave::frmSave() : FormWindow(ToolWindowFlags) {
  setWindowTitle(Caption);
  setFixedSize(ToPixels(ClientSize));
  setFont(ComicFont());
  PaintWhiteOnBlack(this);

  lblDirectory = Place(new QLabel("Your Half-Life  Directory:", this), {120, 0, 2055, 255});
  txtDirectory = LineBox(this, StartDirectory, {120, 240, 2535, 285}, DirectorySaid);
  cmdOK = Button(this, "OK", {2640, 240, 495, 255});
  setTabOrder(txtDirectory, cmdOK);
  ShareColours(this);

  connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
}

void frmSave::cmdOK_Click() {
  const QString directory = txtDirectory->text();
  const QString name = Forms::Load<frmMain>().txtScriptName->text();
  const QString path = ScriptFilePath(directory, name);
  const std::string& text = Forms::Load<frmCode>().Text();
  std::optional<QString> reason = FindFileNameFault(name);
  if (!reason) reason = WriteScriptFile(path, text);
  if (reason) {
    // Nothing was written; the window stays open with the typed directory to correct.
    ShowMessageBox(SaveFailedText + path + "\r\n" + *reason + SaveFailedAdvice, BoxTitle::NotSaved,
                   txtDirectory);
    return;
  }
  Forms::Unload<frmSave>();
  // This window is gone: the player goes on in the main window.
  ShowMessageBox(FinishedText + FromUtf8(SiteAddress), BoxTitle::Finished, &Forms::Load<frmMain>());
}
