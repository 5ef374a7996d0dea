#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>

#include "UiTest.h"

const std::string StartScript =
    "\r\n"
    "echo MyScript Activated\r\n"
    "echo Press Bind To Key: To Buy Primary Weapon, & Secondary Weapon.\r\n"
    "echo www.didadura.example\r\n"
    "alias s10 \"slot10;slot10;wait;wait;slot10;slot10\"\r\n"
    "alias m1 \"menuselect 1\"\r\n"
    "alias m2 \"menuselect 2\"\r\n"
    "alias m3 \"menuselect 3\"\r\n"
    "alias m4 \"menuselect 4\"\r\n"
    "alias m5 \"menuselect 5\"\r\n"
    "alias m6 \"menuselect 6\"\r\n"
    "alias m7 \"menuselect 7\"\r\n"
    "alias m8 \"menuselect 8\"\r\n"
    "alias pammo \"buyammo1; buyammo1; buyammo1\"\r\n"
    "alias sammo \"buyammo2; buyammo2; buyammo2\"\r\n"
    "//MAIN SCRIPT=-\r\n"
    "\r\n"
    "alias MyScript \"buyprim; buysec; buyarmor; buyfullarmor; buyflashbang; buyhegrenade; "
    "buysmokegrenade; buydefusalkit; buynightvision\"\r\n"
    "\r\n"
    "bind Bind To Key: MyScript";

std::string ReadFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return "<missing>";
  return file.readAll().toStdString();
}

QStringList Entries(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
