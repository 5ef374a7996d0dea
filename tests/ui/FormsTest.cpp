// SPDX-License-Identifier: MIT
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "UiTest.h"
#include "ui/Controls.h"
#include "ui/frmAbout.h"
#include "ui/frmHelp.h"

namespace {

using Form = UiTest;

// Whether a label's caption fits its box, wrapped as the label wraps it.
bool Fits(const QLabel* label) { return label->heightForWidth(label->width()) <= label->height(); }

int VisibleWindows(const QString& title) {
  int count = 0;
  for (QWidget* w : QApplication::topLevelWidgets())
    count += w->isVisible() && w->windowTitle() == title;
  return count;
}

TEST_F(Form, CodeWindowFollowsItsOuterSize) {
  frmCode& code = Forms::Load<frmCode>();
  EXPECT_FALSE(code.isVisible());
  EXPECT_EQ(code.txtCode->geometry(), QRect(0, 0, 246, 294));
  EXPECT_FALSE(code.txtCode->isEnabled());
  EXPECT_EQ(code.txtCode->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

  Forms::Show<frmCode>();
  EXPECT_EQ(code.windowTitle(), "Code");
  const QSize outer = code.frameGeometry().size();
  // 100 twips are 6.67 pixels, 300 twips 20 pixels.
  EXPECT_EQ(code.txtCode->size(), QSize(outer.width() - 7, outer.height() - 20));
  EXPECT_EQ(code.txtCode->pos(), QPoint(0, 0));

  code.resize(code.width() + 50, code.height() + 30);
  EXPECT_EQ(code.txtCode->size(), QSize(outer.width() + 43, outer.height() + 10));
  code.resize(5, 10);
  EXPECT_EQ(code.txtCode->size(),
            QSize(code.frameGeometry().width() < 7 ? 0 : code.frameGeometry().width() - 7, 0));
}

TEST_F(Form, CodeWindowShowsLinesAndKeepsEveryByte) {
  frmCode& code = Forms::Load<frmCode>();
  code.ExtendText([](std::string t) { return t + "abc\r"; });
  code.ExtendText([](std::string t) { return t + "\ndef\r\nghi"; });
  EXPECT_EQ(code.Text(), "abc\r\ndef\r\nghi");
  EXPECT_EQ(code.txtCode->toPlainText(), "abc\ndef\nghi");
  QTest::keyClicks(code.txtCode, "typed");
  EXPECT_EQ(code.Text(), "abc\r\ndef\r\nghi");
}

TEST_F(Form, ViewCodeShowsWhatTheWindowHolds) {
  Click(Main().cmdCode);
  frmCode& code = Forms::Load<frmCode>();
  EXPECT_TRUE(code.isVisible());
  EXPECT_EQ(code.Text(), "");
  EXPECT_EQ(code.txtCode->toPlainText(), "");

  Click(Main().cmdCreate);
  EXPECT_EQ(&Forms::Load<frmCode>(), &code);
  Click(Main().cmdCode);
  EXPECT_EQ(code.Text(), StartScript);
  EXPECT_TRUE(code.txtCode->toPlainText().endsWith("\nbind Bind To Key: MyScript"));
}

TEST_F(Form, NewResetsOnlyTheMainWindow) {
  Click(Main().cmdCreate);
  frmSave& save = Forms::Load<frmSave>();
  Retype(save.txtDirectory, "kept");
  Retype(Main().txtScriptName, "Other");
  Tick(Main().chkSmokeGrenade);
  Retype(Main().comPrimary->lineEdit(), "AWP");
  frmMain& before = Main();
  Click(before.cmdNew);
  frmMain& after = Main();
  EXPECT_NE(&after, &before);
  EXPECT_TRUE(after.isVisible());
  EXPECT_FALSE(before.isVisible());
  EXPECT_EQ(after.txtScriptName->text(), "MyScript");
  EXPECT_EQ(after.comPrimary->currentText(), "Primary Weapon");
  EXPECT_FALSE(after.chkSmokeGrenade->isChecked());
  EXPECT_EQ(Forms::Load<frmCode>().Text(), StartScript);
  EXPECT_EQ(save.txtDirectory->text(), "kept");
  EXPECT_TRUE(save.isVisible());
}

TEST_F(Form, NewAloneDoesNotEndTheProgram) {
  QTimer::singleShot(0, [] { Click(Main().cmdNew); });
  QTimer::singleShot(50, [] { QCoreApplication::exit(Main().isVisible() ? 7 : 8); });
  EXPECT_EQ(QApplication::exec(), 7);
}

TEST_F(Form, ExitEndsAtOnceAndWritesNothing) {
  QTemporaryDir game;
  ASSERT_TRUE(QDir(game.path()).mkdir("cstrike"));
  Click(Main().cmdCreate);
  Retype(Forms::Load<frmSave>().txtDirectory, game.path());
  Click(Main().cmdAbout);
  QTimer::singleShot(0, [] { Click(Main().cmdExit); });
  QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
  EXPECT_EQ(QApplication::exec(), 0);
  for (QWidget* w : QApplication::topLevelWidgets())
    EXPECT_FALSE(w->isVisible()) << w->windowTitle().toStdString();
  EXPECT_TRUE(Entries(game.path() + "/cstrike").isEmpty());
  EXPECT_TRUE(Messages.empty());
}

TEST_F(Form, AboutShowsItsCreditsOnEveryLoad) {
  Click(Main().cmdAbout);
  frmAbout& about = Forms::Load<frmAbout>();
  EXPECT_EQ(about.windowTitle(), "About");
  EXPECT_EQ(about.size(), QSize(604, 303));
  EXPECT_TRUE(about.windowFlags() & Qt::Tool);
  const QString credits = about.lblCredits->text();
  EXPECT_TRUE(credits.contains("Vezuvazov") && credits.contains("Didadura"));
  EXPECT_TRUE(credits.endsWith("didadura.example/vezuvazov"));

  about.close();
  EXPECT_FALSE(Forms::IsLoaded<frmAbout>());
  Click(Main().cmdAbout);
  frmAbout& again = Forms::Load<frmAbout>();
  EXPECT_EQ(again.lblCredits->text(), credits);
  EXPECT_NE(again.lblCredits->text(), "dfg");
}

TEST_F(Form, AboutAndHelpStaySingle) {
  Click(Main().cmdAbout);
  Click(Main().cmdHelp);
  frmAbout* about = &Forms::Load<frmAbout>();
  frmHelp* help = &Forms::Load<frmHelp>();
  Click(Main().cmdHelp);
  Click(Main().cmdAbout);
  EXPECT_EQ(&Forms::Load<frmAbout>(), about);
  EXPECT_EQ(&Forms::Load<frmHelp>(), help);
  EXPECT_EQ(VisibleWindows("About"), 1);
  EXPECT_EQ(VisibleWindows("Help"), 1);
  // Shown again, the window already open comes to the front.
  QApplication::processEvents();
  EXPECT_EQ(QApplication::activeWindow(), about);
}

// A form that nothing in the lifecycle names: loading it is all it takes to be unloaded with the
// rest between cases.
class ProbeForm : public FormWindow {
 public:
  ProbeForm() : FormWindow(ToolWindowFlags) {}
};

TEST_F(Form, UnloadAllReachesEveryLoadedForm) {
  QPointer<FormWindow> probe = &Forms::Show<ProbeForm>();
  QPointer<FormWindow> main = &Main();
  EXPECT_EQ(&Forms::Load<ProbeForm>(), probe.data());
  Forms::UnloadAll();
  EXPECT_TRUE(probe.isNull());
  EXPECT_TRUE(main.isNull());
  EXPECT_FALSE(Forms::IsLoaded<ProbeForm>());
  EXPECT_FALSE(Forms::IsLoaded<frmMain>());
}

TEST_F(Form, AboutLayout) {
  frmAbout& a = Forms::Show<frmAbout>();
  const std::vector<std::tuple<QLabel*, QRect, const char*>> labels = {
      {a.picAbout, {0, 0, 305, 305}, ""},
      {a.lblPeace, {320, 152, 121, 17}, "Peace :P"},
      {a.lblSignature, {320, 184, 145, 17}, "Zedaruzed"},
      {a.lblVersion, {312, 216, 201, 17}, "Version: 2"},
      {a.lblShoutouts, {312, 240, 289, 17}, "Shoutouts to my boyz at the RO Razedu:"},
  };
  for (const auto& [label, rect, caption] : labels) {
    EXPECT_EQ(label->geometry(), rect) << caption;
    if (*caption) {
      EXPECT_EQ(label->text(), caption);
    }
    EXPECT_TRUE(Fits(label)) << caption;
  }
  EXPECT_EQ(a.lblCredits->geometry(), QRect(312, 8, 289, 129));
  EXPECT_TRUE(Fits(a.lblCredits)) << a.lblCredits->text().toStdString();
  EXPECT_EQ(a.lblHandles->geometry(), QRect(320, 264, 281, 33));
  EXPECT_TRUE(Fits(a.lblHandles));
  EXPECT_EQ(a.lblHandles->text().count(", "), 9);
  EXPECT_TRUE(a.lblHandles->text().contains(", and ") && a.lblHandles->text().endsWith("."));
  EXPECT_EQ(a.picAbout->pixmap().size(), QSize(300, 300));
  EXPECT_FALSE(a.picAbout->pixmap().toImage().isGrayscale());
  EXPECT_NE(a.windowIcon().cacheKey(), Forms::Show<frmHelp>().windowIcon().cacheKey());
  EXPECT_EQ(a.windowIcon().availableSizes(),
            (QList<QSize>{{48, 48}, {32, 32}, {16, 16}, {64, 64}, {96, 96}}));
  // At 150 % and 200 % the picture comes from the one drawn twice as large, at the screen's pixels.
  for (const auto& [ratio, pixels] : {std::pair{1.5, QSize(450, 450)}, {2.0, QSize(600, 600)}}) {
    const QPixmap picture = Picture(":/assets/about.jpg", ratio);
    EXPECT_EQ(picture.size(), pixels) << ratio;
    EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(300, 300)) << ratio;
  }
}

TEST_F(Form, HelpLayout) {
  frmHelp& h = Forms::Show<frmHelp>();
  EXPECT_EQ(h.windowTitle(), "Help");
  EXPECT_EQ(h.size(), QSize(279, 148));
  const std::vector<std::tuple<QLabel*, QRect, const char*>> labels = {
      {h.lblHeading, {0, 8, 281, 17}, "These Will Prevent Your Script From Working:"},
      {h.lblSpaceInName, {0, 32, 209, 17}, "* Putting A Space In The Script Name"},
      {h.lblNewScript, {0, 48, 265, 17}, "* Starting A New Script Without Clicking File>New"},
      {h.lblGenerateTwice,
       {0, 64, 273, 17},
       "* Clicking the 'Generate Script' Button More than Once"},
      {h.lblCodeWindow, {0, 80, 297, 17}, "* Typing Anything In The Code Window"},
      {h.lblContact,
       {0, 112, 241, 33},
       "If You Have Anymore Problems, Contact Me at didadura@didadura.example"},
  };
  for (const auto& [label, rect, caption] : labels) {
    EXPECT_EQ(label->geometry(), rect) << caption;
    EXPECT_EQ(label->text(), caption);
    EXPECT_TRUE(Fits(label)) << caption << " needs "
                             << QFontMetrics(label->font()).horizontalAdvance(caption) << " "
                             << QFontInfo(label->font()).family().toStdString();
  }
  // The contact line wraps onto its second line.
  EXPECT_GT(h.lblContact->heightForWidth(h.lblContact->width()),
            QFontMetrics(h.lblContact->font()).height());
}

// What a screen reader hears: each control's role and a name that stays when its value changes,
// and whether it also has a description of what it is for.
TEST_F(Form, EveryControlHasARoleAndAFixedName) {
  using A = QAccessible;
  frmMain& m = Main();
  m.comPrimary->setCurrentIndex(m.comPrimary->findText("UMP45"));
  m.comBind->setEditText("F");
  m.txtScriptName->setText("Rush");
  frmSave& s = Forms::Show<frmSave>();
  frmAbout& a = Forms::Show<frmAbout>();
  const std::vector<std::tuple<QWidget*, A::Role, const char*, bool>> controls = {
      {m.picTitle, A::Graphic, "Vezuvazov, Counter-Strike Buy Script Maker", false},
      {m.lblScriptName, A::StaticText, "Your Script Name:", false},
      {m.txtScriptName, A::EditableText, "Your Script Name", false},
      {m.cmdCreate, A::Button, "Create Script", false},
      {m.fraBuy, A::Grouping, "Guns", false},
      {m.comPrimary, A::ComboBox, "Primary Weapon", false},
      {m.comSecondary, A::ComboBox, "Secondary Weapon", false},
      {m.fraEquipment, A::Grouping, "Equipment", false},
      {m.chkArmor, A::CheckBox, "Kevlar", false},
      {m.chkFullArmor, A::CheckBox, "Kevlar and Helmet", false},
      {m.chkFlashbang, A::CheckBox, "Flashbang", false},
      {m.chkHEGrenade, A::CheckBox, "HE Grenade", false},
      {m.chkSmokeGrenade, A::CheckBox, "Smoke Grenade", false},
      {m.chkDefusalKit, A::CheckBox, "Defusal Kit", false},
      {m.chkNightVision, A::CheckBox, "Night Vision", false},
      {m.fraExtra, A::Grouping, "Extra", false},
      {m.chkAnnounce, A::CheckBox, "Announce Weapon", true},
      {m.chkAdvertise, A::CheckBox, "Advertise:", false},
      {m.txtAdvertise, A::EditableText, "Advertise Text", true},
      {m.comBind, A::ComboBox, "Bind To Key", true},
      {m.cmdCode, A::Button, "View Code", false},
      {m.cmdNew, A::Button, "New", false},
      {m.cmdAbout, A::Button, "About", false},
      {m.cmdHelp, A::Button, "Help", false},
      {m.cmdExit, A::Button, "Exit", false},
      {s.lblDirectory, A::StaticText, "Your Half-Life  Directory:", false},
      {s.txtDirectory, A::EditableText, "Your Half-Life Directory", true},
      {s.cmdOK, A::Button, "OK", false},
      {Forms::Load<frmCode>().txtCode, A::EditableText, "Code", false},
      {a.picAbout, A::Graphic, "Vezuvazov by Didadura, in a target sight", false},
  };
  for (const auto& [control, role, name, described] : controls) {
    QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(control);
    ASSERT_NE(heard, nullptr) << name;
    EXPECT_EQ(heard->role(), role) << name;
    EXPECT_EQ(heard->text(QAccessible::Name), name);
    EXPECT_EQ(heard->text(QAccessible::Description).isEmpty(), !described) << name;
  }
}

TEST(MessageBoxSeam, RealBoxShowsLineBreaksOneOkAndNoIconOverItsOwner) {
  QWidget owner;
  owner.setGeometry(100, 200, 400, 300);
  auto* raiser = new QLineEdit(&owner);
  auto* other = new QLineEdit(&owner);
  owner.show();
  owner.activateWindow();
  raiser->setFocus();
  QApplication::processEvents();
  QString text;
  QString title;
  QMessageBox::Icon icon = QMessageBox::Warning;
  int buttons = 0;
  QPoint centre;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    text = box->text();
    title = box->windowTitle();
    icon = box->icon();
    buttons = static_cast<int>(box->buttons().size());
    centre = box->parentWidget() == &owner ? box->geometry().center() : QPoint();
    other->setFocus();  // where the window's focus would be once the box has gone
    box->button(QMessageBox::Ok)->click();
  });
  ShowMessageBox("first\r\nsecond", "Title");
  EXPECT_EQ(text, "first\nsecond");
  EXPECT_EQ(title, "Title");
  EXPECT_EQ(icon, QMessageBox::NoIcon);
  EXPECT_EQ(buttons, 1);
  EXPECT_EQ(centre, owner.geometry().center());
  QApplication::processEvents();
  EXPECT_EQ(QApplication::focusWidget(), raiser);
}

}  // namespace
