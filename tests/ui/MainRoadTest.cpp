// SPDX-License-Identifier: MIT
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "UiTest.h"

namespace {

const ShownMessage Finished{
    "Your Command Menu Has Been Created.\r\nPlease Visit Didadura for more Programs Like These at "
    "www.didadura.example",
    "Finished"};

// A game directory with its cstrike folder.
class MainRoad : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    ASSERT_TRUE(game.isValid());
    ASSERT_TRUE(QDir(game.path()).mkdir("cstrike"));
  }

  QString Cstrike() const { return game.path() + "/cstrike"; }
  QString ScriptPath(const QString& name) const { return Cstrike() + "/" + name + ".cfg"; }

  // Types the directory as the player would, then presses OK.
  void SaveTo(const QString& directory) {
    frmSave& save = Forms::Load<frmSave>();
    Retype(save.txtDirectory, directory);
    Click(save.cmdOK);
  }

  QTemporaryDir game;
};

TEST_F(MainRoad, CreateThenOkWritesTheScriptByteForByte) {
  Click(Main().cmdCreate);
  ASSERT_TRUE(Forms::IsLoaded<frmSave>());
  frmSave& save = Forms::Load<frmSave>();
  EXPECT_TRUE(save.isVisible());
  EXPECT_EQ(save.windowTitle(), "Cstrike Direcotry");
  EXPECT_EQ(save.txtDirectory->text(), "C:\\Sierra\\Half-Life");
  EXPECT_EQ(save.size(), QSize(211, 39));
  EXPECT_EQ(save.lblDirectory->text(), "Your Half-Life  Directory:");
  EXPECT_EQ(save.lblDirectory->geometry(), QRect(8, 0, 137, 17));
  EXPECT_EQ(save.txtDirectory->geometry(), QRect(8, 16, 169, 19));
  EXPECT_EQ(save.cmdOK->geometry(), QRect(176, 16, 33, 17));
  EXPECT_EQ(save.cmdOK->text(), "OK");
  EXPECT_EQ(save.txtDirectory->palette().color(QPalette::Base), QColor(Qt::black));
  EXPECT_EQ(save.txtDirectory->palette().color(QPalette::Text), QColor(Qt::white));
  EXPECT_EQ(save.lblDirectory->palette().color(QPalette::WindowText), QColor(Qt::white));
  EXPECT_FALSE(Forms::Load<frmCode>().isVisible());
  EXPECT_TRUE(Messages.empty());

  SaveTo(game.path());
  EXPECT_EQ(ReadFile(ScriptPath("MyScript")), SavedFile(StartScript));
  EXPECT_EQ(Messages, std::vector<ShownMessage>{Finished});
  EXPECT_FALSE(Forms::IsLoaded<frmSave>());
  EXPECT_EQ(Entries(Cstrike()), QStringList{"MyScript.cfg"});
}

TEST_F(MainRoad, CreateResetsTheMainWindowAndTheNameIsReadAtOk) {
  frmMain& first = Main();
  Retype(first.txtScriptName, "Alpha");
  Tick(first.chkArmor);
  Click(first.cmdCreate);
  frmMain& second = Main();
  EXPECT_NE(&second, &first);
  EXPECT_TRUE(second.isVisible());
  EXPECT_EQ(second.txtScriptName->text(), "MyScript");
  EXPECT_FALSE(second.chkArmor->isChecked());

  SaveTo(game.path());
  const std::string saved = ReadFile(ScriptPath("MyScript"));
  EXPECT_TRUE(saved.starts_with("\r\necho Alpha Activated\r\n")) << saved;
  EXPECT_NE(saved.find("\r\nalias buyarmor \"buy; m8; m1; s10\"\r\n"), std::string::npos);

  Click(Main().cmdCreate);
  Retype(Main().txtScriptName, "Rush");
  SaveTo(game.path());
  // The code window holds both scripts; the second carries the name used at its press.
  EXPECT_EQ(ReadFile(ScriptPath("Rush")),
            saved.substr(0, saved.size() - 4) + SavedFile(StartScript));
  EXPECT_EQ(Entries(Cstrike()), (QStringList{"MyScript.cfg", "Rush.cfg"}));
}

TEST_F(MainRoad, EmptyNameWarnsOnceAndComposesAnyway) {
  Retype(Main().txtScriptName, "");
  Main().txtScriptName->clear();
  Click(Main().cmdCreate);
  const ShownMessage warning{"You Did Not Enter A Script Name.\r\nPlease Do So.",
                             "Invalid Information"};
  EXPECT_EQ(Messages, std::vector<ShownMessage>{warning});
  EXPECT_TRUE(Forms::Load<frmCode>().Text().starts_with("\r\necho  Activated\r\n"));
  EXPECT_TRUE(Forms::Load<frmCode>().Text().ends_with("\r\nbind Bind To Key: "));
  EXPECT_TRUE(Forms::Load<frmSave>().isVisible());
  EXPECT_EQ(Main().txtScriptName->text(), "MyScript");
}

// A name the game cannot run is refused before anything else: one box, then nothing composed, no
// save window, and the main window as the player left it, ready for a corrected name.
TEST_F(MainRoad, NameTheGameCannotRunIsRefused) {
  const QString tooLong =
      "Your Script Name Is Too Long For The Game.\r\nPlease Use No More Than 31 "
      "Characters.";
  const QString taken =
      "Your Script Name Is Already A Command Of The Script Or The Game.\r\nPlease Choose Another "
      "Name.";
  const std::pair<QString, QString> cases[] = {
      {QString(32, 'a'), tooLong}, {"BUY", taken}, {"m1", taken}, {"BuyPrim", taken}};
  for (const auto& [name, text] : cases) {
    Messages.clear();
    frmMain& m = Main();
    Retype(m.txtScriptName, name);
    Tick(m.chkArmor);
    Click(m.cmdCreate);
    EXPECT_EQ(Messages, (std::vector<ShownMessage>{{text, "Invalid Script Name"}}))
        << name.toStdString();
    EXPECT_FALSE(Forms::IsLoaded<frmCode>());
    EXPECT_FALSE(Forms::IsLoaded<frmSave>());
    EXPECT_EQ(&Main(), &m);
    EXPECT_EQ(m.txtScriptName->text(), name);
    EXPECT_TRUE(m.chkArmor->isChecked());
    Tick(m.chkArmor);
  }

  // One character less, or one more, and the script is made.
  Messages.clear();
  Retype(Main().txtScriptName, QString(31, 'a'));
  Click(Main().cmdCreate);
  QTest::keyClicks(Main().txtScriptName, "BUYs");
  Click(Main().cmdCreate);
  EXPECT_TRUE(Messages.empty());
  const std::string text = Forms::Load<frmCode>().Text();
  EXPECT_TRUE(text.starts_with("\r\necho " + std::string(31, 'a') + " Activated\r\n"));
  EXPECT_NE(text.find("\r\necho MyScriptBUYs Activated\r\n"), std::string::npos);
}

TEST_F(MainRoad, PressesAppendUntilTheCodeWindowCloses) {
  Click(Main().cmdCreate);
  Click(Main().cmdCreate);
  EXPECT_EQ(Forms::Load<frmCode>().Text(), StartScript + StartScript);
  EXPECT_EQ(Forms::Load<frmCode>().txtCode->toPlainText().count('\n'), 38);

  Forms::Show<frmCode>().close();
  EXPECT_FALSE(Forms::IsLoaded<frmCode>());
  Click(Main().cmdCreate);
  EXPECT_EQ(Forms::Load<frmCode>().Text(), StartScript);

  Forms::Load<frmCode>().close();
  SaveTo(game.path());
  EXPECT_EQ(ReadFile(ScriptPath("MyScript")), SavedFile(""));
}

TEST_F(MainRoad, OpenSaveWindowKeepsItsDirectoryAndTakesTheFocus) {
  Click(Main().cmdCreate);
  frmSave& save = Forms::Load<frmSave>();
  Retype(save.txtDirectory, "typed");
  save.cmdOK->setFocus();
  Click(Main().cmdCreate);
  EXPECT_EQ(&Forms::Load<frmSave>(), &save);
  EXPECT_EQ(save.txtDirectory->text(), "typed");
  QApplication::processEvents();
  EXPECT_EQ(QApplication::activeWindow(), &save);
  EXPECT_EQ(QApplication::focusWidget(), save.txtDirectory);
}

TEST_F(MainRoad, EnterAndEscapeDoNotPressOk) {
  Click(Main().cmdCreate);
  frmSave& save = Forms::Load<frmSave>();
  Retype(save.txtDirectory, game.path());
  for (QWidget* w : {static_cast<QWidget*>(save.txtDirectory), static_cast<QWidget*>(save.cmdOK)}) {
    w->setFocus();
    QTest::keyClick(w, Qt::Key_Return);
    QTest::keyClick(w, Qt::Key_Enter);
    QTest::keyClick(w, Qt::Key_Escape);
  }
  EXPECT_TRUE(Entries(Cstrike()).isEmpty());
  EXPECT_TRUE(Messages.empty());
}

// The reasons and the guarantees of a failed save are the file layer's tests; here, the box.
// The directory is taken as typed, a trailing blank included.
TEST_F(MainRoad, MissingCstrikeFolderThenCorrectedDirectory) {
  Click(Main().cmdCreate);
  SaveTo(game.path() + " ");
  const ShownMessage notSaved{"Your Command Menu Could Not Be Saved To:\r\n" + game.path() +
                                  " /cstrike/MyScript.cfg\r\nNo such file or directory\r\n"
                                  "Check The Directory And Press OK Again.",
                              "Not Saved"};
  EXPECT_EQ(Messages, std::vector<ShownMessage>{notSaved});
  EXPECT_TRUE(Entries(Cstrike()).isEmpty());
  EXPECT_TRUE(Forms::Load<frmSave>().isVisible());

  SaveTo(game.path());
  EXPECT_EQ(ReadFile(ScriptPath("MyScript")), SavedFile(StartScript));
  EXPECT_EQ(Messages.back().Title, "Finished");
}

// Text that reaches the name box past its filters, as an assistive tool sets it: "Create Script"
// refuses it whole and composes nothing; set after "Create Script", the save refuses it and every
// file stays as it was.
TEST_F(MainRoad, NameSetPastTheFiltersNeverLeavesCstrike) {
  Main().txtScriptName->setText("../escaped");
  Messages.clear();  // the box's own refusal of the text; it stays in the box all the same
  Click(Main().cmdCreate);
  EXPECT_EQ(
      Messages,
      (std::vector<ShownMessage>{{"Invalid Character:\r\nSpaces and characters other than numbers, "
                                  "letters, period, and hyphen are not allowed",
                                  "Invalid Character"}}));
  EXPECT_FALSE(Forms::IsLoaded<frmCode>());

  Main().txtScriptName->setText("MyScript");
  Click(Main().cmdCreate);
  Main().txtScriptName->setText("../escaped");
  Messages.clear();
  SaveTo(game.path());
  const ShownMessage notSaved{
      "Your Command Menu Could Not Be Saved To:\r\n" + game.path() +
          "/cstrike/../escaped.cfg\r\nThe script name is not a plain file "
          "name: it holds \\, / or :\r\nCheck The Directory And Press OK Again.",
      "Not Saved"};
  EXPECT_EQ(Messages, std::vector<ShownMessage>{notSaved});
  EXPECT_EQ(Entries(game.path()), QStringList{"cstrike"});
  EXPECT_TRUE(Entries(Cstrike()).isEmpty());
  EXPECT_TRUE(Forms::Load<frmSave>().isVisible());
}

TEST_F(MainRoad, SavingAgainReplacesTheFile) {
  QFile old(ScriptPath("MyScript"));
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write(std::string(5000, 'x').c_str());
  old.close();
  Click(Main().cmdCreate);
  SaveTo(game.path());
  EXPECT_EQ(ReadFile(ScriptPath("MyScript")), SavedFile(StartScript));
}

TEST_F(MainRoad, NonAsciiTextIsSavedAsUtf8) {
  frmMain& m = Main();
  Tick(m.chkAdvertise);
  m.txtAdvertise->setPlainText(QString::fromUtf8("gg \xC3\xA9t\xC3\xA9"));
  Click(m.cmdCreate);
  SaveTo(game.path());
  EXPECT_TRUE(ReadFile(ScriptPath("MyScript"))
                  .ends_with("\r\nbind Bind To Key: MyScript\r\nsay gg \xC3\xA9t\xC3\xA9\r\n"
                             "\r\n\r\n"));
}

}  // namespace
