// SPDX-License-Identifier: MIT
#include <QAbstractScrollArea>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextCursor>
#include <QTimer>
#include <memory>

#include "UiTest.h"
#include "script/ScriptSelection.h"

namespace {

QStringList Items(const QComboBox* combo) {
  QStringList items;
  for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
  return items;
}

using MainWindow = UiTest;

TEST_F(MainWindow, StartsWithTheDesignValues) {
  frmMain& m = Main();
  EXPECT_EQ(m.windowTitle(), "Vezuvazov v1.0");
  EXPECT_TRUE(m.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(m.size(), QSize(482, 276));
  EXPECT_EQ(m.geometry().center(), QGuiApplication::primaryScreen()->geometry().center());
  EXPECT_EQ(m.palette().color(QPalette::Window), QColor(Qt::black));
  EXPECT_FALSE(m.windowIcon().availableSizes().isEmpty());
  ASSERT_FALSE(m.picTitle->pixmap().isNull());
  EXPECT_EQ(m.picTitle->pixmap().size(), QSize(469, 60));

  EXPECT_EQ(m.lblScriptName->text(), "Your Script Name:");
  EXPECT_EQ(m.txtScriptName->text(), "MyScript");
  EXPECT_EQ(m.txtScriptName->maxLength(), 2049);
  EXPECT_EQ(m.cmdCreate->text(), "Create Script");
  EXPECT_EQ(m.fraBuy->title(), "Guns");
  EXPECT_EQ(m.fraEquipment->title(), "Equipment");
  EXPECT_EQ(m.fraExtra->title(), "Extra");
  EXPECT_EQ(m.comPrimary->currentText(), "Primary Weapon");
  EXPECT_EQ(m.comSecondary->currentText(), "Secondary Weapon");
  EXPECT_EQ(m.comBind->currentText(), "Bind To Key:");
  for (QComboBox* combo : {m.comPrimary, m.comSecondary, m.comBind}) {
    EXPECT_TRUE(combo->isEditable());
    EXPECT_EQ(combo->currentIndex(), -1);
  }
  const std::vector<std::pair<QCheckBox*, const char*>> boxes = {
      {m.chkArmor, "Kevlar"},
      {m.chkFullArmor, "Kevlar and Helmet"},
      {m.chkFlashbang, "Flashbang"},
      {m.chkHEGrenade, "HE Grenade"},
      {m.chkSmokeGrenade, "Smoke Grenade"},
      {m.chkDefusalKit, "Defusal Kit"},
      {m.chkNightVision, "Night Vision"},
      {m.chkAnnounce, "Announce Weapon"},
      {m.chkAdvertise, "Advertise:"}};
  for (const auto& [box, caption] : boxes) {
    EXPECT_EQ(box->text(), caption);
    EXPECT_FALSE(box->isChecked()) << caption;
  }
  EXPECT_EQ(m.txtAdvertise->toPlainText(), "didadura.example/vezuvazov\n");
  EXPECT_EQ(m.txtAdvertise->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  const std::vector<std::pair<QPushButton*, const char*>> row = {{m.cmdCode, "View Code"},
                                                                 {m.cmdNew, "New"},
                                                                 {m.cmdAbout, "About"},
                                                                 {m.cmdHelp, "Help"},
                                                                 {m.cmdExit, "Exit"}};
  for (const auto& [button, caption] : row) EXPECT_EQ(button->text(), caption);
}

TEST_F(MainWindow, StartSelectionIsTheStartTexts) {
  const ScriptSelection s = Main().Selection();
  EXPECT_EQ(s.ScriptName, "MyScript");
  EXPECT_EQ(s.BindKey, "Bind To Key:");
  EXPECT_EQ(s.Primary, "Primary Weapon");
  EXPECT_EQ(s.Secondary, "Secondary Weapon");
  EXPECT_EQ(s.AdvertiseText, "didadura.example/vezuvazov\r\n");
  EXPECT_FALSE(s.Armor || s.FullArmor || s.Flashbang || s.HEGrenade || s.SmokeGrenade ||
               s.DefusalKit || s.NightVision || s.Announce || s.Advertise);
}

TEST_F(MainWindow, ListsHoldTheItemsInOrder) {
  const QStringList primary = {"None",
                               "M3 Super 90",
                               "XM1014",
                               "MP5 Navy",
                               "Steyr TMP",
                               "P90",
                               "Mac-10",
                               "UMP45",
                               "AK47",
                               "SIG-552",
                               "M4A1",
                               "Steyr AUG",
                               "Steyr Scout",
                               "AWP",
                               "GS/SG-1",
                               "SIG-550",
                               "M249",
                               " ",
                               "AK47/M4A1 Combo",
                               "SIG-552/AUG Combo",
                               "Mac-10/TMP Combo"};
  const QStringList secondary = {"None",       "USP Tact",   "Glock 18", "Desert Eagle",    "P228",
                                 "96G Elites", "Five-Seven", " ",        "Elites/5-7 Combo"};
  const QStringList keys = {"A",          "B",
                            "C",          "D",
                            "E",          "F",
                            "G",          "H",
                            "I",          "J",
                            "K",          "L",
                            "M",          "N",
                            "O",          "P",
                            "Q",          "R",
                            "S",          "T",
                            "U",          "V",
                            "W",          "X",
                            "Y",          "Z",
                            "1",          "2",
                            "3",          "4",
                            "5",          "6",
                            "7",          "8",
                            "9",          "0",
                            "-",          "=",
                            "`",          "TAB",
                            "SHIFT",      "CAPSLOCK",
                            "CTRL",       "ALT",
                            "ENTER",      ",",
                            ".",          "/",
                            ";",          "'",
                            "[",          "]",
                            "\\",         "BACKSPACE",
                            "INSERT",     "DELETE",
                            "HOME",       "END",
                            "PAGEUP",     "PAGEDOWN",
                            "kp_slash",   "kp_minus",
                            "kp_plus",    "kp_enter",
                            "kp_end",     "kp_downarrow",
                            "kp_pgdn",    "kp_leftarrow",
                            "kp_5",       "kp_rightarrow",
                            "kp_home",    "kp_uparrow",
                            "kp_pgup",    "kp_ins",
                            "kp_del",     "SPACE",
                            "F1",         "F2",
                            "F3",         "F4",
                            "F5",         "F6",
                            "F7",         "F8",
                            "F9",         "F10",
                            "F11",        "F12",
                            "ESC",        "UPARROW",
                            "DOWNARROW",  "LEFTARROW",
                            "RIGHTARROW", "MOUSE1",
                            "MOUSE2",     "MOUSE3",
                            "MWHEELUP",   "MWHEELDOWN"};
  EXPECT_EQ(Items(Main().comPrimary), primary);
  EXPECT_EQ(Items(Main().comSecondary), secondary);
  EXPECT_EQ(keys.size(), 98);
  EXPECT_EQ(Items(Main().comBind), keys);
}

TEST_F(MainWindow, ControlsStandWhereTheDesignPutsThem) {
  frmMain& m = Main();
  const std::vector<std::pair<QWidget*, QRect>> expected = {
      {m.picTitle, {8, 0, 473, 65}},         {m.lblScriptName, {8, 64, 97, 17}},
      {m.txtScriptName, {8, 80, 305, 19}},   {m.cmdCreate, {320, 80, 153, 17}},
      {m.fraBuy, {8, 104, 169, 97}},         {m.comPrimary, {8, 24, 145, 23}},
      {m.comSecondary, {8, 56, 145, 23}},    {m.fraEquipment, {184, 104, 129, 137}},
      {m.chkArmor, {8, 16, 57, 17}},         {m.chkFullArmor, {8, 32, 113, 17}},
      {m.chkFlashbang, {8, 48, 73, 17}},     {m.chkHEGrenade, {8, 64, 89, 17}},
      {m.chkSmokeGrenade, {8, 80, 105, 13}}, {m.chkDefusalKit, {8, 96, 105, 17}},
      {m.chkNightVision, {8, 112, 105, 17}}, {m.fraExtra, {320, 104, 153, 137}},
      {m.chkAnnounce, {8, 16, 121, 17}},     {m.chkAdvertise, {8, 40, 121, 17}},
      {m.txtAdvertise, {8, 64, 137, 65}},    {m.comBind, {8, 208, 169, 31}},
      {m.cmdCode, {8, 248, 89, 25}},         {m.cmdNew, {96, 248, 73, 25}},
      {m.cmdAbout, {168, 248, 81, 25}},      {m.cmdHelp, {248, 248, 105, 25}},
      {m.cmdExit, {352, 248, 121, 25}}};
  for (const auto& [widget, rect] : expected) {
    EXPECT_EQ(widget->geometry(), rect) << widget->metaObject()->className();
  }
  EXPECT_EQ(m.comPrimary->parentWidget(), m.fraBuy);
  EXPECT_EQ(m.chkNightVision->parentWidget(), m.fraEquipment);
  EXPECT_EQ(m.txtAdvertise->parentWidget(), m.fraExtra);
}

TEST_F(MainWindow, FontsAndColours) {
  frmMain& m = Main();
  for (QWidget* w : std::initializer_list<QWidget*>{m.txtScriptName, m.chkArmor, m.comPrimary,
                                                    m.cmdCreate, m.cmdExit, m.fraBuy}) {
    EXPECT_EQ(QFontInfo(w->font()).family(), "Comic Neue");
    EXPECT_DOUBLE_EQ(w->font().pointSizeF(), 8.25);
  }
  EXPECT_DOUBLE_EQ(m.comBind->font().pointSizeF(), 12);
  EXPECT_NE(QFontInfo(m.txtAdvertise->font()).family(), "Comic Neue");
  // The design's font is the application's; the toolkit's menus and message boxes keep their own.
  QMenu menu;
  QMessageBox box;
  for (QWidget* w : std::initializer_list<QWidget*>{&menu, &box}) {
    w->ensurePolished();  // as before it shows: the class fonts apply from then on
    EXPECT_NE(QFontInfo(w->font()).family(), "Comic Neue") << w->metaObject()->className();
  }
  EXPECT_EQ(m.txtScriptName->palette().color(QPalette::Base), QColor(Qt::black));
  EXPECT_EQ(m.txtScriptName->palette().color(QPalette::Text), QColor(Qt::white));
  EXPECT_EQ(m.chkArmor->palette().color(QPalette::WindowText), QColor(Qt::white));
  EXPECT_EQ(m.comBind->palette().color(QPalette::Base), QColor(Qt::black));
  EXPECT_EQ(m.txtAdvertise->palette().color(QPalette::Base),
            QApplication::palette().color(QPalette::Base));
  EXPECT_EQ(m.cmdCreate->palette().color(QPalette::Button),
            QApplication::palette().color(QPalette::Button));
}

// The palettes' identities, the window's own first: the style keys its pixmap cache on them.
std::vector<qint64> PaletteKeys(const QWidget& window) {
  std::vector<qint64> keys{window.palette().cacheKey()};
  for (const QWidget* w : window.findChildren<QWidget*>()) keys.push_back(w->palette().cacheKey());
  return keys;
}

// A reloaded main window draws with the palettes of the one before, so that the style's pixmap
// cache finds its entries again instead of keeping new keys at every "New" and "Create Script".
TEST_F(MainWindow, ReloadDrawsWithTheSamePalettes) {
  const std::vector<qint64> before = PaletteKeys(Main());
  Click(Main().cmdNew);
  EXPECT_EQ(PaletteKeys(Main()), before);
}

TEST_F(MainWindow, TabWalksTheDesignOrderFromTheTitle) {
  frmMain& m = Main();
  m.activateWindow();
  QApplication::processEvents();
  ASSERT_EQ(QApplication::focusWidget(), m.picTitle);
  const std::vector<QWidget*> order = {
      m.comPrimary,   m.comSecondary,    m.chkArmor,      m.chkFullArmor,   m.chkFlashbang,
      m.chkHEGrenade, m.chkSmokeGrenade, m.chkDefusalKit, m.chkNightVision, m.cmdCreate,
      m.comBind,      m.txtScriptName,   m.chkAnnounce,   m.chkAdvertise,   m.txtAdvertise,
      m.cmdCode,      m.cmdNew,          m.cmdAbout,      m.cmdHelp,        m.cmdExit,
      m.picTitle};
  for (QWidget* next : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* focus = QApplication::focusWidget();
    // An editable combo's focus rests in its edit field.
    if (focus && focus->parentWidget() && qobject_cast<QComboBox*>(focus->parentWidget())) {
      focus = focus->parentWidget();
    }
    EXPECT_EQ(focus, next) << (focus ? focus->metaObject()->className() : "no focus");
  }
}

TEST_F(MainWindow, TypedComboTextStaysAsTyped) {
  frmMain& m = Main();
  Retype(m.comPrimary->lineEdit(), "ak47");
  QTest::keyClick(m.comPrimary->lineEdit(), Qt::Key_Return);
  QTest::keyClick(m.comPrimary->lineEdit(), Qt::Key_Tab);
  Retype(m.comBind->lineEdit(), "a");
  QTest::keyClick(m.comBind->lineEdit(), Qt::Key_Return);
  Click(m.txtScriptName);
  Retype(m.comSecondary->lineEdit(), "desert eagle");
  m.txtScriptName->setFocus();
  EXPECT_EQ(m.Selection().Primary, "ak47");
  EXPECT_EQ(m.Selection().BindKey, "a");
  EXPECT_EQ(m.Selection().Secondary, "desert eagle");
  EXPECT_EQ(m.comPrimary->count(), 21);
  EXPECT_EQ(m.comBind->count(), 98);
  EXPECT_EQ(m.comSecondary->count(), 9);
}

TEST_F(MainWindow, PickedItemsAndTicksReachTheSelection) {
  frmMain& m = Main();
  m.comPrimary->setFocus();
  // From no selection, Down picks the first item; 17 more reach the single-space item.
  for (int i = 0; i < 18; ++i) QTest::keyClick(m.comPrimary, Qt::Key_Down);
  m.comSecondary->setFocus();
  for (int i = 0; i < 4; ++i) QTest::keyClick(m.comSecondary, Qt::Key_Down);
  Tick(m.chkFullArmor);
  Tick(m.chkNightVision);
  Tick(m.chkAnnounce);
  const ScriptSelection s = m.Selection();
  EXPECT_EQ(s.Primary, " ");
  EXPECT_EQ(s.Secondary, "Desert Eagle");
  EXPECT_TRUE(s.FullArmor && s.NightVision && s.Announce);
  EXPECT_FALSE(s.Armor || s.Flashbang || s.HEGrenade || s.SmokeGrenade || s.DefusalKit ||
               s.Advertise);
}

TEST_F(MainWindow, AdvertiseLinesEndWithCrLf) {
  frmMain& m = Main();
  m.txtAdvertise->setFocus();
  QTest::keyClick(m.txtAdvertise, Qt::Key_End, Qt::ControlModifier);
  QTest::keyClicks(m.txtAdvertise, "gl hf");
  QTest::keyClick(m.txtAdvertise, Qt::Key_Return);
  EXPECT_EQ(m.Selection().AdvertiseText, "didadura.example/vezuvazov\r\ngl hf\r\n");
}

TEST_F(MainWindow, NameKeysOutsideTheSetAreRefusedOneBoxEach) {
  frmMain& m = Main();
  QLineEdit* name = m.txtScriptName;
  name->setFocus();
  name->setCursorPosition(2);
  const ShownMessage refused{
      "Invalid Character:\r\nSpaces and characters other than numbers, letters, period, and "
      "hyphen are not allowed",
      "Invalid Character"};

  QTest::keyClick(name, Qt::Key_Space);
  QTest::keyClicks(name, "_!/");
  QTest::sendKeyEvent(QTest::Click, name, Qt::Key_Eacute, QString::fromUtf8("\xC3\xA9"), {});
  QTest::keyClick(name, Qt::Key_Return);
  QTest::keyClick(name, Qt::Key_Escape);
  // Ctrl+V and Ctrl+C as a real keyboard delivers them, and as QTest does (letter text).
  QTest::sendKeyEvent(QTest::Click, name, Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier);
  QTest::sendKeyEvent(QTest::Click, name, Qt::Key_C, QStringLiteral("\x03"), Qt::ControlModifier);
  QApplication::clipboard()->setText("pasted");
  QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);

  EXPECT_EQ(Messages, std::vector<ShownMessage>(10, refused));
  EXPECT_EQ(name->text(), "MyScript");
  EXPECT_EQ(name->cursorPosition(), 2);
}

// Every way data arrives in a text box without its text being typed. (A middle click pastes the
// selection, which the offscreen platform lacks; it inserts through the same path as a paste.)
struct Arrival {
  const char* Way;
  void (*Deliver)(QWidget* box, QMimeData* data);  // takes the data
  // "-2.x" into the name box with the cursor after "My"; none where the name's key filter takes
  // the key itself. A drop goes where it lands.
  const char* AfterValidName;
};

// Mouse and drop events reach a scrolling text box through its viewport.
QWidget* MouseTarget(QWidget* box) {
  auto* area = qobject_cast<QAbstractScrollArea*>(box);
  return area ? area->viewport() : box;
}

const Arrival Arrivals[] = {
    {"Ctrl+V",
     [](QWidget* box, QMimeData* data) {
       QApplication::clipboard()->setMimeData(data);
       QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
     },
     nullptr},
    {"Shift+Insert",
     [](QWidget* box, QMimeData* data) {
       QApplication::clipboard()->setMimeData(data);
       QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
     },
     "My-2.xScript"},
    {"context menu Paste",
     [](QWidget* box, QMimeData* data) {
       QApplication::clipboard()->setMimeData(data);
       const QPoint at(4, 4);
       QWidget* target = MouseTarget(box);
       QContextMenuEvent click(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
       QApplication::sendEvent(target, &click);
       auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
       if (!menu) return;  // a disabled box has none
       for (QAction* action : menu->actions()) {
         if (action->text().startsWith("&Paste")) action->trigger();
       }
       menu->close();
     },
     "My-2.xScript"},
    {"drop",
     [](QWidget* box, QMimeData* data) {
       const std::unique_ptr<QMimeData> dragged(data);
       const QPoint at(4, 4);
       QWidget* target = MouseTarget(box);
       QDragEnterEvent enter(at, Qt::CopyAction, dragged.get(), Qt::LeftButton, {});
       QApplication::sendEvent(target, &enter);
       QDropEvent drop(at, Qt::CopyAction, dragged.get(), Qt::LeftButton, {});
       QApplication::sendEvent(target, &drop);
     },
     "-2.xMyScript"},
};

QMimeData* TextData(const QString& text) {
  auto* data = new QMimeData;
  data->setText(text);
  return data;
}

const ShownMessage LongLine{
    "A Line Of This Text Is Longer Than The Game Can Use:\r\nIts Console Takes No More Than 2048 "
    "Characters On A Line.\r\nNothing Was Added.",
    "Text Too Long"};

TEST_F(MainWindow, PastedOrDroppedNameWithAForeignCharacterOrTooLongIsRefusedWhole) {
  const ShownMessage refused{
      "Invalid Character:\r\nSpaces and characters other than numbers, letters, period, and "
      "hyphen are not allowed",
      "Invalid Character"};
  for (const Arrival& arrival : Arrivals) {
    if (!arrival.AfterValidName) continue;
    SCOPED_TRACE(arrival.Way);
    QLineEdit* name = Main().txtScriptName;
    for (const char* foreign : {"../pasted", " ", "a;b", "x_y", "\xC3\xA9", "tab\t", "\b"}) {
      Messages.clear();
      name->setFocus();
      name->setCursorPosition(2);
      arrival.Deliver(name, TextData(QString::fromUtf8(foreign)));
      EXPECT_EQ(Messages, std::vector<ShownMessage>{refused}) << foreign;
      EXPECT_EQ(name->text(), "MyScript") << foreign;
    }
    // One character more than a console line, and a text the box cuts there first.
    for (int length : {2041, 1 << 20}) {
      Messages.clear();
      arrival.Deliver(name, TextData(QString(length, 'x')));
      EXPECT_EQ(Messages, std::vector<ShownMessage>{LongLine}) << length;
      EXPECT_EQ(name->text(), "MyScript") << length;
    }
    Messages.clear();
    name->setCursorPosition(2);
    arrival.Deliver(name, TextData("-2.x"));
    EXPECT_TRUE(Messages.empty());
    EXPECT_EQ(name->text(), arrival.AfterValidName);
    // A name as long as a console line goes in.
    name->setText("MyScript");
    arrival.Deliver(name, TextData(QString(2040, 'x')));
    EXPECT_TRUE(Messages.empty());
    EXPECT_EQ(name->text().size(), 2048);
    Click(Main().cmdNew);  // New: the start name again
  }
}

// 1 MiB of 80-character lines.
QString MegabyteOfLines() { return QString(QString(79, 'x') + '\n').repeated(13108); }

// What a player may copy by mistake, `size` characters long: a log line of words, a log, and a
// picture copied as text (one word, no line end).
QString OneLine(qsizetype size) { return QString("xxxxxxx ").repeated(size / 8 - 1) + "xxxxxxx\n"; }
QString ManyLines(qsizetype size) {
  return QString(QString(79, 'x') + '\n').repeated(size / 80) + QString(size % 80, 'x');
}
QString NoLineEnd(qsizetype size) { return QString(size, 'x'); }

constexpr qsizetype KiB = 1024;
constexpr qsizetype MiB = 1024 * KiB;

const ShownMessage TooMuch{
    "This Text Is Longer Than The Box Can Hold:\r\nIt Takes No More Than 2097152 Characters.\r\n"
    "Nothing Was Added.",
    "Text Too Long"};

// What a clipboard or a drop may hold, what it puts into the emptied advertise box, and what the
// player is told there.
struct Offer {
  const char* What;
  QMimeData* (*Make)();
  QString Inserted;
  std::vector<ShownMessage> Said = {};
};

const Offer Offers[] = {
    {"no data (a clipboard no program owns)", [] { return new QMimeData; }, ""},
    {"only a picture",
     [] {
       auto* data = new QMimeData;
       data->setData("image/png", QByteArray("\x89PNG\r\n\x1a\n", 8));
       return data;
     },
     ""},
    {"text with control characters", [] { return TextData("gl\thf\x01 \x1b[0m;\nsee you"); },
     "gl\thf\x01 \x1b[0m;\nsee you"},
    {"1 MB of text", [] { return TextData(MegabyteOfLines()); }, MegabyteOfLines()},
    {"one line, 16 KiB", [] { return TextData(OneLine(16 * KiB)); }, "", {LongLine}},
    {"one line, 64 KiB", [] { return TextData(OneLine(64 * KiB)); }, "", {LongLine}},
    {"one line, 256 KiB", [] { return TextData(OneLine(256 * KiB)); }, "", {LongLine}},
    {"one line, 1 MiB", [] { return TextData(OneLine(MiB)); }, "", {LongLine}},
    {"one line, 8 MiB", [] { return TextData(OneLine(8 * MiB)); }, "", {TooMuch}},
    {"many lines, 16 KiB", [] { return TextData(ManyLines(16 * KiB)); }, ManyLines(16 * KiB)},
    {"many lines, 64 KiB", [] { return TextData(ManyLines(64 * KiB)); }, ManyLines(64 * KiB)},
    {"many lines, 256 KiB", [] { return TextData(ManyLines(256 * KiB)); }, ManyLines(256 * KiB)},
    {"many lines, 1 MiB", [] { return TextData(ManyLines(MiB)); }, ManyLines(MiB)},
    {"many lines, 2 MiB", [] { return TextData(ManyLines(2 * MiB)); }, ManyLines(2 * MiB)},
    {"many lines, 2 MiB and one", [] { return TextData(ManyLines(2 * MiB + 1)); }, "", {TooMuch}},
    {"many lines, 8 MiB", [] { return TextData(ManyLines(8 * MiB)); }, "", {TooMuch}},
    {"no line end, 16 KiB", [] { return TextData(NoLineEnd(16 * KiB)); }, "", {LongLine}},
    {"no line end, 64 KiB", [] { return TextData(NoLineEnd(64 * KiB)); }, "", {LongLine}},
    {"no line end, 256 KiB", [] { return TextData(NoLineEnd(256 * KiB)); }, "", {LongLine}},
    {"no line end, 1 MiB", [] { return TextData(NoLineEnd(MiB)); }, "", {LongLine}},
    {"no line end, 8 MiB", [] { return TextData(NoLineEnd(8 * MiB)); }, "", {TooMuch}},
};

// No text box ends the program whatever a paste or a drop offers; the advertise box takes text
// verbatim and nothing else, and refuses whole a text the game could not use, the read-only code
// box takes nothing, and no such text becomes a script name.
TEST_F(MainWindow, TextBoxesTakeAnyClipboardOrDrop) {
  Click(Main().cmdCreate);  // loads the code and save windows
  frmSave& save = Forms::Load<frmSave>();
  frmCode& code = Forms::Load<frmCode>();
  const QString script = code.txtCode->toPlainText();
  for (const Arrival& arrival : Arrivals) {
    for (const Offer& offer : Offers) {
      SCOPED_TRACE(std::string(arrival.Way) + ", " + offer.What);
      QPlainTextEdit* advertise = Main().txtAdvertise;
      advertise->clear();
      advertise->setFocus();
      Messages.clear();
      arrival.Deliver(advertise, offer.Make());
      EXPECT_EQ(advertise->toPlainText(), offer.Inserted);
      EXPECT_EQ(Messages, offer.Said);
      arrival.Deliver(code.txtCode, offer.Make());
      EXPECT_EQ(code.txtCode->toPlainText(), script);
      save.txtDirectory->setFocus();
      arrival.Deliver(save.txtDirectory, offer.Make());
      Main().txtScriptName->setFocus();
      arrival.Deliver(Main().txtScriptName, offer.Make());
      EXPECT_EQ(Main().txtScriptName->text(), "MyScript");
    }
  }
  EXPECT_TRUE(Forms::IsLoaded<frmSave>());
  // A paste joins the line it lands in: between "a" and "b", 2,046 characters fit, 2,047 do not.
  QPlainTextEdit* advertise = Main().txtAdvertise;
  for (int length : {2046, 2047}) {
    advertise->setPlainText("ab");
    QTextCursor between = advertise->textCursor();
    between.setPosition(1);
    advertise->setTextCursor(between);
    Arrivals[0].Deliver(advertise, TextData(QString(length, 'x')));
    EXPECT_EQ(advertise->toPlainText().size(), length == 2046 ? 2048 : 2) << length;
  }
  // A paste replaces the selection: 1 MiB goes in over a box of nearly 2 MiB all selected, and a
  // picture leaves the selected text as it is.
  const QString nearlyFull = ManyLines(2 * MiB - KiB);
  for (const Offer* offer : {&Offers[1], &Offers[3]}) {
    SCOPED_TRACE(offer->What);
    advertise->setPlainText(nearlyFull);
    advertise->selectAll();
    Messages.clear();
    Arrivals[1].Deliver(advertise, offer->Make());
    EXPECT_EQ(advertise->toPlainText(), offer->Inserted.isEmpty() ? nearlyFull : offer->Inserted);
    EXPECT_TRUE(Messages.empty());
  }
}

TEST_F(MainWindow, NameTakesItsCharactersAndEditingKeys) {
  QLineEdit* name = Main().txtScriptName;
  name->setFocus();
  name->end(false);
  for (int i = 0; i < 8; ++i) QTest::keyClick(name, Qt::Key_Backspace);
  EXPECT_EQ(name->text(), "");
  QTest::keyClicks(name, "my.script-2");
  for (Qt::Key key : {Qt::Key_Home, Qt::Key_Right, Qt::Key_Delete, Qt::Key_End, Qt::Key_Left,
                      Qt::Key_F5, Qt::Key_Up}) {
    QTest::keyClick(name, key);
  }
  QTest::keyClicks(name, "Z09");
  EXPECT_EQ(name->text(), "m.script-Z092");
  EXPECT_TRUE(Messages.empty());
  // Text set by the program is not filtered.
  name->setText("a b_c");
  EXPECT_EQ(Main().Selection().ScriptName, "a b_c");
}

}  // namespace
