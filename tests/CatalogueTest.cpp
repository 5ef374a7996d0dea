// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <span>
#include <string>
#include <utility>
#include <vector>

#include "script/BuyCatalogue.h"
#include "script/ScriptNameRules.h"
#include "script/SelectionItems.h"
#include "tests/CatalogueTable.h"

namespace {

using Lines = std::vector<std::string>;

class CatalogueRowTest : public ::testing::TestWithParam<CatalogueRow> {};

// Each row alone selects exactly its one line.
TEST_P(CatalogueRowTest, SelectsItsLine) {
  ScriptSelection s;
  Choose(s, GetParam());
  EXPECT_EQ(CatalogueLines(s), Lines{GetParam().Line});
}

INSTANTIATE_TEST_SUITE_P(Catalogue, CatalogueRowTest, ::testing::ValuesIn(CatalogueRows),
                         [](const auto& row) { return RowName(row.param.Caption); });

TEST(CatalogueLines, TableHoldsTheEntriesInProcessingOrder) {
  ASSERT_EQ(BuyCatalogue.size(), CatalogueRows.size());
  for (std::size_t i = 0; i < CatalogueRows.size(); ++i) {
    EXPECT_EQ(BuyCatalogue[i].Source, CatalogueRows[i].Source) << i;
    EXPECT_EQ(BuyCatalogue[i].Caption, CatalogueRows[i].Caption) << i;
    EXPECT_EQ(BuyCatalogue[i].Alias, CatalogueRows[i].Alias) << i;
  }
}

// The main window's lists and the catalogue cannot drift apart: every weapon item but "None" and
// the single space selects a line of its own group.
TEST(CatalogueLines, EveryListItemSelectsALine) {
  const auto check = [](std::span<const std::string_view> items,
                        std::string ScriptSelection::*field, std::string_view alias) {
    std::size_t selecting = 0;
    for (std::string_view item : items) {
      ScriptSelection s;
      s.*field = std::string(item);
      const Lines lines = CatalogueLines(s);
      if (item == "None" || item == " ") {
        EXPECT_TRUE(lines.empty()) << '"' << item << '"';
        continue;
      }
      ++selecting;
      EXPECT_EQ(lines.size(), 1u) << item;
      EXPECT_TRUE(!lines.empty() && lines[0].starts_with("alias " + std::string(alias) + " \""))
          << item;
    }
    return selecting;
  };
  EXPECT_EQ(check(PrimaryItems, &ScriptSelection::Primary, "buyprim"), 19u);
  EXPECT_EQ(check(SecondaryItems, &ScriptSelection::Secondary, "buysec"), 7u);
}

TEST(CatalogueLines, EquipmentComesInTableOrderWhateverIsTicked) {
  const Lines AllEquipment = {
      "alias buyarmor \"buy; m8; m1; s10\"",        "alias buyfullarmor \"buy; m8; m2; s10\"",
      "alias buyflashbang \"buy; m8; m3; s10\"",    "alias buyhegrenade \"buy; m8; m4; s10\"",
      "alias buysmokegrenade \"buy; m8; m5; s10\"", "alias buydefusalkit \"buy; m8; m6; s10\"",
      "alias buynightvision \"buy; m8; m7; s10\"",
  };
  ScriptSelection s;
  s.NightVision = s.DefusalKit = s.SmokeGrenade = s.HEGrenade = s.Flashbang = true;
  s.FullArmor = s.Armor = true;
  EXPECT_EQ(CatalogueLines(s), AllEquipment);

  ScriptSelection one;
  one.Flashbang = true;
  EXPECT_EQ(CatalogueLines(one), Lines{"alias buyflashbang \"buy; m8; m3; s10\""});
}

// A combo is one buyprim line: a second would replace the first in the game.
TEST(CatalogueLines, WorkedExampleGivesFourLines) {
  ScriptSelection s;
  s.Secondary = "Desert Eagle";
  s.Primary = "AK47/M4A1 Combo";
  s.FullArmor = true;
  s.HEGrenade = true;
  const Lines expected = {
      "alias buysec \"buy; m1; m3; sammo; s10\"",
      "alias buyprim \"buy; m4; m1; pammo; s10; buy; m4; m3; pammo; s10\"",
      "alias buyfullarmor \"buy; m8; m2; s10\"",
      "alias buyhegrenade \"buy; m8; m4; s10\"",
  };
  EXPECT_EQ(CatalogueLines(s), expected);
}

TEST(CatalogueLines, NearMissesSelectNothing) {
  for (const std::string& text : std::vector<std::string>{
           "ak47", " AK47", "AK47 ", "AK 47", "None", " ", "", "Primary Weapon", "Secondary Weapon",
           "Desert eagle", "USP Tact ", "Elites/5-7 combo", "AK47\r\n", std::string("AK47\0", 5)}) {
    ScriptSelection s;
    s.Primary = text;
    s.Secondary = text;
    EXPECT_TRUE(CatalogueLines(s).empty()) << '"' << text << '"';
  }
  // A secondary caption typed into the primary combo selects nothing, and the reverse.
  ScriptSelection crossed;
  crossed.Primary = "Desert Eagle";
  crossed.Secondary = "AK47";
  EXPECT_TRUE(CatalogueLines(crossed).empty());
}

TEST(FilterScriptNameKey, AcceptsExactlyTheNameCharactersAndBackspace) {
  const std::string allowed = "0123456789.ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz-";
  for (int code = 0; code < 256; ++code) {
    const bool expected =
        code == 8 || (code > 0 && allowed.find(static_cast<char>(code)) != std::string::npos);
    EXPECT_EQ(FilterScriptNameKey(code), expected) << "code " << code;
  }
  EXPECT_EQ(ScriptNameCharacters.size(), 64u);
  for (int code : {-1, -256 + 'a', 256, 256 + 'a', 0x10000 + 'A', 0xE9 + 0x100}) {
    EXPECT_FALSE(FilterScriptNameKey(code)) << "code " << code;
  }
}

TEST(HoldsOnlyScriptNameCharacters, LooksAtEveryByteOfTheName) {
  for (const char* name :
       {"", "MyScript", "my.script-2", "0123456789.ABCDEFGHIJKLMNOPQRSTUVWXYZ"}) {
    EXPECT_TRUE(HoldsOnlyScriptNameCharacters(name)) << name;
  }
  for (const char* name :
       {"../escaped", "a b", "x_y", "a\\b", "C:x", "\xC3\xA9", "tab\t", "\b", "MyScript\r\n"}) {
    EXPECT_FALSE(HoldsOnlyScriptNameCharacters(name)) << name;
  }
  EXPECT_FALSE(HoldsOnlyScriptNameCharacters(std::string("a\0b", 3)));
}

TEST(FindScriptNameFault, RefusesWhatTheGameCannotRun) {
  using enum ScriptNameFault;
  const std::string e2 = "\xC3\xA9";  // two bytes, one letter
  const std::vector<std::pair<std::string, ScriptNameFault>> cases = {
      {"", None},
      {"MyScript", None},
      {std::string(31, 'a'), None},
      {std::string(32, 'a'), TooLong},
      {std::string(200, 'a'), TooLong},
      {std::string(16, 'a') + e2 + e2 + e2 + e2 + e2 + e2 + e2 + e2, TooLong},
      {"buy", Taken},
      {"BUY", Taken},
      {"bUy", Taken},
      {"s10", Taken},
      {"S10", Taken},
      {"m1", Taken},
      {"M8", Taken},
      {"pammo", Taken},
      {"SAMMO", Taken},
      {"buyprim", Taken},
      {"buysec", Taken},
      {"BuyArmor", Taken},
      {"buyfullarmor", Taken},
      {"buyflashbang", Taken},
      {"buyhegrenade", Taken},
      {"buysmokegrenade", Taken},
      {"buydefusalkit", Taken},
      {"BuyNightVision", Taken},
      {"menuselect", Taken},
      {"buyammo1", Taken},
      {"buyammo2", Taken},
      {"slot10", Taken},
      {"wait", Taken},
      {"echo", Taken},
      {"say", Taken},
      {"say_team", Taken},
      {"bind", Taken},
      {"alias", Taken},
      {"m9", None},
      {"m10", None},
      {"buys", None},
      {"buy2", None},
      {"slot1", None},
      {"buy ", None},
      {"s10.cfg", None},
      {"Rush", None},
  };
  for (const auto& [name, fault] : cases) {
    EXPECT_EQ(FindScriptNameFault(name), fault) << '"' << name << '"';
  }
}

}  // namespace
