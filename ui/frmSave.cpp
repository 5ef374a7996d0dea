#include "ui/frmSave.h"
#include "ui/Text.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "files/ScriptFile.h"
#include "script/SiteAddresses.h"
#include "ui/Geometry.h"
#include "ui/Look.h"
#include "ui/MessageBox.h"
#include "ui/frmCode.h"
#include "ui/frmMain.h"

namespace {

constexpr const char* Caption = "Cstrike Direcotry";
constexpr TwipSize ClientSize{3165, 585};
constexpr const char* StartDirectory = "C:\\Sierra\\Half-Life";

constexpr const char* FinishedText =
    "Your Command Menu Has Been Created.\r\nPlease Visit Didadura for more Programs Like These at ";
constexpr const char* FinishedTitle = "Finished";
constexpr const char* SaveFailedText = "Your Command Menu Could Not Be Saved To:\r\n";
constexpr const char* SaveFailedAdvice = "\r\nCheck The Directory And Press OK Again.";
constexpr const char* SaveFailedTitle = "Not Saved";

}  // namespace

frmSave::frmSave() : FormWindow(ToolWindowFlags) {
  setWindowTitle(Caption);
  setFixedSize(ToPixels(ClientSize));
  setFont(ComicFont());
  PaintWhiteOnBlack(this);

  Label1 = new QLabel("Your Half-Life  Directory:", this);
  Label1->setGeometry(ToPixels(TwipRect{120, 0, 2055, 255}));
  txtDirectory = new QLineEdit(StartDirectory, this);
  txtDirectory->setGeometry(ToPixels(TwipRect{120, 240, 2535, 285}));
  PaintWhiteOnBlack(txtDirectory);
  cmdOK = new QPushButton("OK", this);
  cmdOK->setGeometry(ToPixels(TwipRect{2640, 240, 495, 255}));
  KeepDefaultColours(cmdOK);
  // Neither the default nor the cancel button: Enter and Escape do not press it.
  cmdOK->setAutoDefault(false);
  setTabOrder(txtDirectory, cmdOK);

  connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
}

void frmSave::cmdOK_Click() {
  const QString directory = txtDirectory->text();
  const QString name = Forms::Load<frmMain>().txtScriptName->text();
  const QString path = ScriptFilePath(directory, name);
  const std::string& text = Forms::Load<frmCode>().Text();
  if (const std::optional<QString> reason = WriteScriptFile(path, text)) {
    // Nothing was written; the window stays open with the typed directory to correct.
    ShowMessageBox(SaveFailedText + path + "\r\n" + *reason + SaveFailedAdvice, SaveFailedTitle);
    return;
  }
  Forms::Unload<frmSave>();
  ShowMessageBox(FinishedText + FromUtf8(SiteAddress), FinishedTitle);
}
