// SPDX-License-Identifier: MIT
// What the end-to-end tests look for in the program, printed from the program's own code, so that
// no title, name or script stands a second time in their scripts:
//   program_facts           one line NAME=VALUE each: the window titles, the names screen readers
//                           know the controls by, the titles of the boxes the tests answer and, as
//                           BOX_TITLES, of every box the program shows (lib.sh reads them)
//   program_facts script N  the file the save writes after N presses of "Create Script" with
//                           every start value
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cstdio>
#include <string>
#include <utility>

#include "tests/ExpectedScripts.h"
#include "ui/Forms.h"
#include "ui/MessageBox.h"
#include "ui/Program.h"
#include "ui/frmAbout.h"
#include "ui/frmCode.h"
#include "ui/frmHelp.h"
#include "ui/frmMain.h"
#include "ui/frmSave.h"

namespace {

void Print(const char* key, const QString& value) {
  std::printf("%s=%s\n", key, value.toUtf8().constData());
}

// A control's name as the accessibility bridge hands it to screen readers.
QString Said(QWidget* control) {
  return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
}

// The program as it starts, its combo boxes heard by their names among all.
void PrintFacts() {
  Program::Start();
  frmMain& m = Forms::Load<frmMain>();
  frmSave& s = Forms::Load<frmSave>();
  Print("MAIN_TITLE", m.windowTitle());
  Print("SAVE_TITLE", s.windowTitle());
  Print("CODE_TITLE", Forms::Load<frmCode>().windowTitle());
  Print("ABOUT_TITLE", Forms::Load<frmAbout>().windowTitle());
  Print("HELP_TITLE", Forms::Load<frmHelp>().windowTitle());
  const std::pair<const char*, QWidget*> controls[] = {
      {"TITLE_PICTURE", m.picTitle},     {"NAME_BOX", m.txtScriptName},
      {"CREATE_BUTTON", m.cmdCreate},    {"CODE_BUTTON", m.cmdCode},
      {"ABOUT_BUTTON", m.cmdAbout},      {"HELP_BUTTON", m.cmdHelp},
      {"PRIMARY_COMBO", m.comPrimary},   {"SECONDARY_COMBO", m.comSecondary},
      {"ANNOUNCE_CHECK", m.chkAnnounce}, {"ADVERTISE_BOX", m.txtAdvertise},
      {"BIND_KEY_COMBO", m.comBind},     {"EXIT_BUTTON", m.cmdExit},
      {"DIRECTORY_BOX", s.txtDirectory}, {"OK_BUTTON", s.cmdOK}};
  for (const auto& [key, control] : controls) Print(key, Said(control));
  const std::pair<const char*, const char*> boxes[] = {
      {"FINISHED_BOX", BoxTitle::Finished},
      {"NOT_SAVED_BOX", BoxTitle::NotSaved},
      {"INVALID_CHARACTER_BOX", BoxTitle::InvalidCharacter},
      {"INVALID_SCRIPT_NAME_BOX", BoxTitle::InvalidScriptName}};
  for (const auto& [key, title] : boxes) Print(key, title);
  for (const char* title : BoxTitle::All) Print("BOX_TITLES", title);
  Forms::UnloadAll();
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc == 3 && std::string(argv[1]) == "script") {
    std::string scripts;
    for (int n = std::stoi(argv[2]); n > 0; --n) scripts += StartScript;
    const std::string file = SavedFile(scripts);
    return std::fwrite(file.data(), 1, file.size(), stdout) == file.size() ? 0 : 1;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  PrintFacts();
  return 0;
}
