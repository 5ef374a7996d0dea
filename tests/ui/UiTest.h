// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <string>
#include <vector>

#include "tests/ExpectedScripts.h"
#include "ui/Forms.h"
#include "ui/MessageBox.h"
#include "ui/Program.h"
#include "ui/frmCode.h"
#include "ui/frmMain.h"
#include "ui/frmSave.h"

struct ShownMessage {
  QString Text;
  QString Title;
  bool operator==(const ShownMessage&) const = default;
};

inline void PrintTo(const ShownMessage& m, std::ostream* os) {
  *os << '{' << m.Title.toStdString() << ": " << m.Text.toStdString() << '}';
}

// Starts every case on a freshly shown main window, with each message box answered at once and
// kept for the case to look at. A box whose title the end-to-end tests do not know fails the case.
class UiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetMessageBoxHook([this](const QString& text, const QString& title) {
      EXPECT_TRUE(std::ranges::any_of(BoxTitle::All, [&](const char* t) { return title == t; }))
          << "\"" << title.toStdString() << "\" is missing from BoxTitle::All";
      Messages.push_back({text, title});
    });
    Program::Start();
  }

  void TearDown() override {
    Forms::UnloadAll();
    SetMessageBoxHook({});
  }

  // The main window now loaded; "Create Script" and "New" replace it.
  static frmMain& Main() { return Forms::Load<frmMain>(); }

  static void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

  // The indicator of a check box sits at its left edge.
  static void Tick(QWidget* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
  }

  // Replaces a line edit's text by typing, as a player would.
  static void Retype(QWidget* edit, const QString& text) {
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClick(edit, Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
  }

  std::vector<ShownMessage> Messages;
};

// The bytes of a file, or "<missing>".
std::string ReadFile(const QString& path);

// The names in a folder, sorted.
QStringList Entries(const QString& folder);
