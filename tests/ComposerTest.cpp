// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>

#include "script/ScriptComposer.h"
#include "tests/ExpectedScripts.h"

namespace {

ScriptSelection StartSelection() {
  ScriptSelection s;
  s.ScriptName = "MyScript";
  s.BindKey = "Bind To Key:";
  s.Primary = "Primary Weapon";
  s.Secondary = "Secondary Weapon";
  s.AdvertiseText = "didadura.example/vezuvazov\r\n";
  return s;
}

TEST(ComposeScript, WorkedExampleGivesTwentyFiveLines) {
  ScriptSelection s = StartSelection();
  s.BindKey = "SHIFT";
  s.Primary = "AK47";
  s.Secondary = "Desert Eagle";
  s.FullArmor = true;
  s.HEGrenade = true;
  s.Announce = true;
  const std::string expected =
      "\r\n"
      "echo MyScript Activated\r\n"
      "echo Press SHIFT To Buy AK47, & Desert Eagle.\r\n" +
      Preamble +
      "alias buysec \"buy; m1; m3; sammo; s10\"\r\n"
      "alias buyprim \"buy; m4; m1; pammo; s10\"\r\n"
      "alias buyfullarmor \"buy; m8; m2; s10\"\r\n"
      "alias buyhegrenade \"buy; m8; m4; s10\"\r\n" +
      MainAlias +
      "\r\n"
      "bind SHIFT MyScript\r\n"
      "say_team :BoughtAK47:\r\n";
  EXPECT_EQ(ComposeScript("", s), expected);
}

TEST(ComposeScript, StartScriptGivesTwentyLinesEndingWithTheBindLine) {
  EXPECT_EQ(ComposeScript("", StartSelection()), StartScript);
  ScriptSelection none = StartSelection();
  none.Primary = "None";
  none.Secondary = "None";
  EXPECT_EQ(ComposeScript("", none).find("alias buy"), std::string::npos);
}

TEST(ComposeScript, LineEndsJoinTheExistingText) {
  const ScriptSelection s = StartSelection();
  EXPECT_EQ(ComposeScript("abc", s), "abc" + StartScript);
  EXPECT_EQ(ComposeScript("abc\r\n", s), "abc\r\n" + StartScript);
  // Without options the next script's first line closes the previous bind line.
  EXPECT_EQ(ComposeScript(ComposeScript("", s), s), StartScript + StartScript);
}

TEST(ComposeScript, OptionsEndTheTextWithLineEnds) {
  ScriptSelection s = StartSelection();
  s.Announce = true;
  EXPECT_EQ(ComposeScript("", s), StartScript + "\r\nsay_team :BoughtPrimary Weapon:\r\n");

  s.Advertise = true;
  const std::string both = StartScript +
                           "\r\nsay_team :BoughtPrimary Weapon:\r\n"
                           "\r\nsay didadura.example/vezuvazov\r\n\r\n";
  EXPECT_EQ(ComposeScript("", s), both);
  // With an option on, one empty line separates two scripts.
  EXPECT_EQ(ComposeScript(both, s), both + both);

  s.Announce = false;
  s.AdvertiseText = "gg";
  EXPECT_EQ(ComposeScript("", s), StartScript + "\r\nsay gg\r\n");
  s.AdvertiseText = "one\r\ntwo";
  EXPECT_EQ(ComposeScript("", s), StartScript + "\r\nsay one\r\ntwo\r\n");
}

TEST(ComposeScript, EmptyNameStandsEmptyEverywhere) {
  ScriptSelection s = StartSelection();
  s.ScriptName.clear();
  // Assigned as a std::string: GCC 12 at -O3 misreads a one-letter literal assigned here as an
  // overlapping copy (-Wrestrict, GCC bugs 105329 and 105651).
  s.BindKey = std::string("x");
  const std::string text = ComposeScript("", s);
  EXPECT_EQ(text.substr(0, 19), "\r\necho  Activated\r\n");
  EXPECT_NE(text.find("\r\nalias  \"buyprim; buysec;"), std::string::npos);
  EXPECT_TRUE(text.ends_with("\r\n\r\nbind x "));
}

// The bind line names the key as the game does; the header's echo line keeps the player's text,
// but for a ";", which would end the echo there.
TEST(ComposeScript, BindLineNamesTheKeyAsTheGameDoes) {
  struct KeyCase {
    const char* chosen;
    const char* echoed;
    const char* bound;
  };
  const KeyCase cases[] = {
      {"INSERT", "INSERT", "INS"},
      {"DELETE", "DELETE", "DEL"},
      {"PAGEUP", "PAGEUP", "PGUP"},
      {"PAGEDOWN", "PAGEDOWN", "PGDN"},
      {"ESC", "ESC", "ESCAPE"},
      {";", "SEMICOLON", "SEMICOLON"},
      {"A", "A", "a"},
      {"Z", "Z", "z"},
      {"x", "x", "x"},
      {"SHIFT", "SHIFT", "SHIFT"},
      {"kp_ins", "kp_ins", "kp_ins"},
      {"insert", "insert", "insert"},
      {"AB", "AB", "AB"},
      {"Bind To Key:", "Bind To Key:", "Bind To Key:"},
      {"; ", "; ", "; "},
      {"SEMICOLON", "SEMICOLON", "SEMICOLON"},
      {"\\", "\\", "\\"},
      {"`", "`", "`"},
      {"\xC3\x84", "\xC3\x84", "\xC3\x84"},
  };
  ScriptSelection s = StartSelection();
  for (const KeyCase& c : cases) {
    s.BindKey = c.chosen;
    const std::string text = ComposeScript("", s);
    EXPECT_NE(text.find(std::string("\r\necho Press ") + c.echoed +
                        " To Buy Primary Weapon, & Secondary Weapon.\r\n"),
              std::string::npos)
        << c.chosen;
    EXPECT_TRUE(text.ends_with(std::string("\r\n\r\nbind ") + c.bound + " MyScript")) << c.chosen;
  }
}

// The game keeps only the last definition of an alias: a combo's two purchases share one line.
TEST(ComposeScript, ComboIsOneBuyprimLine) {
  ScriptSelection s = StartSelection();
  s.Primary = "Mac-10/TMP Combo";
  const std::string text = ComposeScript("", s);
  EXPECT_NE(text.find("//MAIN SCRIPT=-\r\n\r\n"
                      "alias buyprim \"buy; m3; m2; pammo; s10; buy; m3; m4; pammo; s10\"\r\n"
                      "alias MyScript \""),
            std::string::npos);
  EXPECT_EQ(text.find("alias buyprim"), text.rfind("alias buyprim"));
}

TEST(ComposeScript, HostileTextsComposeVerbatim) {
  ScriptSelection s = StartSelection();
  const std::string nul("a\0b", 3);
  s.ScriptName = "q\"; quit; \r\n" + nul;
  s.BindKey = "Ä";
  s.Primary = "\xE6\x97\xA5\xE6\x9C\xAC";
  s.Secondary = std::string(3 << 20, 'z');
  s.Advertise = true;
  s.AdvertiseText = "\r\r\n\n\"";
  const std::string text = ComposeScript(std::string(1, '\0'), s);
  EXPECT_EQ(text.substr(0, 3), std::string("\0\r\n", 3));
  const std::string header = "echo " + s.ScriptName + " Activated\r\n";
  EXPECT_EQ(text.substr(3, header.size()), header);
  EXPECT_NE(text.find("echo Press Ä To Buy \xE6\x97\xA5\xE6\x9C\xAC, & zzz"), std::string::npos);
  EXPECT_NE(text.find(s.Secondary + ".\r\n"), std::string::npos);
  EXPECT_TRUE(text.ends_with("\r\nbind Ä " + s.ScriptName + "\r\nsay \r\r\n\n\"\r\n"));
}

TEST(ComposeScript, MovedTextKeepsItsBuffer) {
  std::string text;
  text.reserve(1 << 20);
  text = "abc";
  const char* buffer = text.data();
  text = ComposeScript(std::move(text), StartSelection());
  EXPECT_EQ(text.data(), buffer);
  EXPECT_EQ(text, "abc" + StartScript);
}

}  // namespace
