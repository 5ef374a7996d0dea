// SPDX-License-Identifier: MIT
#include "ui/frmMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <array>

#include "script/ScriptComposer.h"
#include "script/ScriptNameRules.h"
#include "script/SelectionItems.h"
#include "script/SiteAddresses.h"
#include "ui/Controls.h"
#include "ui/Geometry.h"
#include "ui/Looks.h"
#include "ui/MessageBox.h"
#include "ui/NameBox.h"
#include "ui/Program.h"
#include "ui/TextBox.h"
#include "ui/Utf8.h"
#include "ui/frmAbout.h"
#include "ui/frmCode.h"
#include "ui/frmHelp.h"
#include "ui/frmSave.h"

namespace {

constexpr const char* Caption = "Vezuvazov v1.0";
constexpr TwipSize ClientSize{7230, 4140};
constexpr const char* TitlePicture = ":/assets/title.jpg";
constexpr const char* Icon = ":/assets/frmMain";
constexpr double BindKeyPoints = 12;

constexpr const char* StartScriptName = "MyScript";
constexpr const char* StartPrimary = "Primary Weapon";
constexpr const char* StartSecondary = "Secondary Weapon";
constexpr const char* StartBindKey = "Bind To Key:";

// What a screen reader says of the controls whose captions or values do not say it.
constexpr Accessible TitleSaid{"Vezuvazov, Counter-Strike Buy Script Maker"};
constexpr Accessible ScriptNameSaid{"Your Script Name"};
constexpr Accessible PrimarySaid{"Primary Weapon"};
constexpr Accessible SecondarySaid{"Secondary Weapon"};
constexpr Accessible BindKeySaid{"Bind To Key",
                                 "The key that buys your whole loadout in the game."};
constexpr const char* AnnounceDescription =
    "Tells your team in the chat which primary weapon you bought, once, when the game runs the "
    "script.";
constexpr Accessible AdvertiseSaid{
    "Advertise Text",
    "Said to everyone in the chat, once, when the game runs the script, if Advertise is ticked."};

constexpr const char* EmptyNameText = "You Did Not Enter A Script Name.\r\nPlease Do So.";
// A name the game cannot run is refused before anything is composed.
constexpr const char* TooLongNameText =
    "Your Script Name Is Too Long For The Game.\r\nPlease Use No More Than %1 Characters.";
constexpr const char* TakenNameText =
    "Your Script Name Is Already A Command Of The Script Or The Game.\r\n"
    "Please Choose Another Name.";
constexpr const char* InvalidCharacterText =
    "Invalid Character:\r\nSpaces and characters other than numbers, letters, period, and hyphen "
    "are not allowed";

// The lists are fixed: nothing the player types is ever added to them.
template <std::size_t N>
QStringList ItemList(const std::string_view (&items)[N]) {
  QStringList list;
  for (std::string_view item : items) list << FromUtf8(item);
  return list;
}

}  // namespace

frmMain::frmMain() : FormWindow(Qt::Window | Qt::FramelessWindowHint) {
  setWindowTitle(Caption);
  setWindowIcon(WindowIcon(Icon));
  setFixedSize(ToPixels(ClientSize));
  setFont(ComicFont());
  PaintBlackWindow(this);

  BuildControls();
  SetTabOrder();
  ConnectHandlers();
  ShareColours(this);

  // Centred on the screen at every load.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->geometry().center() - rect().center());
  }
}

void frmMain::BuildControls() {
  picTitle = PictureBox(this, TitlePicture, {120, 0, 7095, 975}, TitleSaid);
  picTitle->setFocusPolicy(Qt::StrongFocus);
  picTitle->setAutoFillBackground(true);

  lblScriptName = Place(new QLabel("Your Script Name:", this), {120, 960, 1455, 255});
  txtScriptName = NameBox(
      this, StartScriptName, {120, 1200, 4575, 285}, ScriptNameSaid,
      [this](int& KeyAscii) { txtScriptName_KeyPress(KeyAscii); },
      [] { ShowMessageBox(InvalidCharacterText, BoxTitle::InvalidCharacter); });
  cmdCreate = Button(this, "Create Script", {4800, 1200, 2295, 255});

  fraBuy = Frame(this, "Guns", {120, 1560, 2535, 1455});
  comPrimary =
      Combo(fraBuy, ItemList(PrimaryItems), StartPrimary, {120, 360, 2175, 345}, PrimarySaid);
  comSecondary =
      Combo(fraBuy, ItemList(SecondaryItems), StartSecondary, {120, 840, 2175, 345}, SecondarySaid);

  fraEquipment = Frame(this, "Equipment", {2760, 1560, 1935, 2055});
  chkArmor = CheckBox(fraEquipment, "Kevlar", {120, 240, 855, 255});
  chkFullArmor = CheckBox(fraEquipment, "Kevlar and Helmet", {120, 480, 1695, 255});
  chkFlashbang = CheckBox(fraEquipment, "Flashbang", {120, 720, 1095, 255});
  chkHEGrenade = CheckBox(fraEquipment, "HE Grenade", {120, 960, 1335, 255});
  chkSmokeGrenade = CheckBox(fraEquipment, "Smoke Grenade", {120, 1200, 1575, 195});
  chkDefusalKit = CheckBox(fraEquipment, "Defusal Kit", {120, 1440, 1575, 255});
  chkNightVision = CheckBox(fraEquipment, "Night Vision", {120, 1680, 1575, 255});

  fraExtra = Frame(this, "Extra", {4800, 1560, 2295, 2055});
  chkAnnounce = CheckBox(fraExtra, "Announce Weapon", {120, 240, 1815, 255}, AnnounceDescription);
  chkAdvertise = CheckBox(fraExtra, "Advertise:", {120, 600, 1815, 255});
  // Unnamed, the box would be read out by the caption of its frame.
  txtAdvertise = TextBox(fraExtra, {120, 960, 2055, 975}, AdvertiseSaid);
  txtAdvertise->setFont(DialogFont());
  KeepDefaultColours(txtAdvertise);
  txtAdvertise->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  txtAdvertise->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  txtAdvertise->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  txtAdvertise->setTabChangesFocus(true);
  // The home page address on the first line and an empty second line.
  txtAdvertise->setPlainText(FromUtf8(HomePageAddress) + '\n');

  comBind = Combo(this, ItemList(BindKeyItems), StartBindKey, {120, 3120, 2535, 465}, BindKeySaid,
                  BindKeyPoints);

  cmdCode = Button(this, "View Code", {120, 3720, 1335, 375});
  cmdNew = Button(this, "New", {1440, 3720, 1095, 375});
  cmdAbout = Button(this, "About", {2520, 3720, 1215, 375});
  cmdHelp = Button(this, "Help", {3720, 3720, 1575, 375});
  cmdExit = Button(this, "Exit", {5280, 3720, 1815, 375});
}

void frmMain::SetTabOrder() {
  const std::array<QWidget*, 21> order = {
      picTitle,      comPrimary,      comSecondary,  chkArmor,       chkFullArmor, chkFlashbang,
      chkHEGrenade,  chkSmokeGrenade, chkDefusalKit, chkNightVision, cmdCreate,    comBind,
      txtScriptName, chkAnnounce,     chkAdvertise,  txtAdvertise,   cmdCode,      cmdNew,
      cmdAbout,      cmdHelp,         cmdExit};
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void frmMain::ConnectHandlers() {
  connect(cmdCreate, &QPushButton::clicked, this, [this] { cmdCreate_Click(); });
  connect(cmdCode, &QPushButton::clicked, this, [this] { cmdCode_Click(); });
  connect(cmdNew, &QPushButton::clicked, this, [this] { cmdNew_Click(); });
  connect(cmdAbout, &QPushButton::clicked, this, [this] { cmdAbout_Click(); });
  connect(cmdHelp, &QPushButton::clicked, this, [this] { cmdHelp_Click(); });
  connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });
}

ScriptSelection frmMain::Selection() const {
  ScriptSelection s;
  s.ScriptName = ToUtf8(txtScriptName->text());
  s.BindKey = ToUtf8(comBind->currentText());
  s.Primary = ToUtf8(comPrimary->currentText());
  s.Secondary = ToUtf8(comSecondary->currentText());
  s.Armor = chkArmor->isChecked();
  s.FullArmor = chkFullArmor->isChecked();
  s.Flashbang = chkFlashbang->isChecked();
  s.HEGrenade = chkHEGrenade->isChecked();
  s.SmokeGrenade = chkSmokeGrenade->isChecked();
  s.DefusalKit = chkDefusalKit->isChecked();
  s.NightVision = chkNightVision->isChecked();
  s.Announce = chkAnnounce->isChecked();
  s.Advertise = chkAdvertise->isChecked();
  // The box breaks lines with LF alone; the script's lines end with CR LF.
  s.AdvertiseText = ToUtf8(txtAdvertise->toPlainText().replace('\n', QStringLiteral("\r\n")));
  return s;
}

namespace {

// Shows why no script can be made under the name in the box, and gives the box the focus back for
// the correction; false when a script can be made. The box keeps typed, pasted and dropped text to
// the name characters, but text can reach it past them (an assistive tool sets it whole), so the
// whole name is looked at here.
bool RefuseName(QLineEdit* box) {
  const std::string name = ToUtf8(box->text());
  if (!HoldsOnlyScriptNameCharacters(name)) {
    ShowMessageBox(InvalidCharacterText, BoxTitle::InvalidCharacter, box);
    return true;
  }
  switch (FindScriptNameFault(name)) {
    case ScriptNameFault::None:
      return false;
    case ScriptNameFault::TooLong:
      ShowMessageBox(QString(TooLongNameText).arg(AliasNameLimit - 1), BoxTitle::InvalidScriptName,
                     box);
      return true;
    case ScriptNameFault::Taken:
      ShowMessageBox(TakenNameText, BoxTitle::InvalidScriptName, box);
      return true;
  }
  return false;
}

}  // namespace

void frmMain::cmdCreate_Click() {
  // Nothing is composed, saved or reset: the player corrects the name in place.
  if (RefuseName(txtScriptName)) return;
  if (txtScriptName->text().isEmpty()) ShowMessageBox(EmptyNameText, BoxTitle::InvalidInformation);
  frmCode& code = Forms::Load<frmCode>();
  const ScriptSelection selection = Selection();
  code.ExtendText([&](std::string text) { return ComposeScript(std::move(text), selection); });
  frmSave& save = Forms::Show<frmSave>();
  // A fresh main window with every start value; this one is gone once the click is handled.
  Forms::Unload<frmMain>();
  Forms::Show<frmMain>();
  Forms::Focus(save, save.txtDirectory);
}

void frmMain::txtScriptName_KeyPress(int& KeyAscii) {
  if (FilterScriptNameKey(KeyAscii)) return;
  ShowMessageBox(InvalidCharacterText, BoxTitle::InvalidCharacter);
  KeyAscii = 0;
}

void frmMain::cmdCode_Click() { Forms::Show<frmCode>(); }

void frmMain::cmdNew_Click() {
  Forms::Unload<frmMain>();
  Forms::Show<frmMain>();
}

void frmMain::cmdAbout_Click() { Forms::Show<frmAbout>(); }

void frmMain::cmdHelp_Click() { Forms::Show<frmHelp>(); }

void frmMain::cmdExit_Click() { Program::EndProgram(); }

void frmMain::showEvent(QShowEvent* event) {
  FormWindow::showEvent(event);
  picTitle->setFocus();
}

// The window has no close box; a close from elsewhere (the window manager, the session) ends the
// program as "Exit" does rather than leave it running with no window.
void frmMain::closeEvent(QCloseEvent* event) {
  event->accept();
  Program::EndProgram();
}
