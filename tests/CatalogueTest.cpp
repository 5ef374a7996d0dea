#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "script/BuyCatalogue.h"
#include "script/ScriptNameRules.h"

namespace {

using Lines = std::vector<std::string>;

struct WeaponRow {
  const char* caption;
  Lines lines;
};

const std::vector<WeaponRow> SecondaryRows = {
    {"USP Tact", {"alias buysec \"buy; m1; m1; sammo; s10\""}},
    {"Glock 18", {"alias buysec \"buy; m1; m2; sammo; s10\""}},
    {"Desert Eagle", {"alias buysec \"buy; m1; m3; sammo; s10\""}},
    {"P228", {"alias buysec \"buy; m1; m4; sammo; s10\""}},
    {"Five-Seven", {"alias buysec \"buy; m1; m5; sammo; s10\""}},
    {"96G Elites", {"alias buysec \"buy; m1; m6; sammo; s10\""}},
    {"Elites/5-7 Combo", {"alias buysec \"buy; m1; m7; m6; sammo; s10\""}},
};

const std::vector<WeaponRow> PrimaryRows = {
    {"M3 Super 90", {"alias buyprim \"buy; m2; m1; pammo; s10\""}},
    {"XM1014", {"alias buyprim \"buy; m2; m2; pammo; s10\""}},
    {"MP5 Navy", {"alias buyprim \"buy; m3; m1; pammo; s10\""}},
    {"Steyr TMP", {"alias buyprim \"buy; m3; m2; pammo; s10\""}},
    {"P90", {"alias buyprim \"buy; m3; m3; pammo; s10\""}},
    {"Mac-10", {"alias buyprim \"buy; m3; m4; pammo; s10\""}},
    {"UMP45", {"alias buyprim \"buy; m3; m5; pammo; s10\""}},
    {"AK47", {"alias buyprim \"buy; m4; m1; pammo; s10\""}},
    {"SIG-552", {"alias buyprim \"buy; m4; m2; pammo; s10\""}},
    {"M4A1", {"alias buyprim \"buy; m4; m3; pammo; s10\""}},
    {"Steyr AUG", {"alias buyprim \"buy; m4; m4; pammo; s10\""}},
    {"Steyr Scout", {"alias buyprim \"buy; m4; m5; pammo; s10\""}},
    {"AWP", {"alias buyprim \"buy; m4; m6; pammo; s10\""}},
    {"GS/SG-1", {"alias buyprim \"buy; m4; m7; pammo; s10\""}},
    {"SIG-550", {"alias buyprim \"buy; m4; m8; pammo; s10\""}},
    {"SIG-552/AUG Combo",
     {"alias buyprim \"buy; m4; m2; pammo; s10\"", "alias buyprim \"buy; m4; m4; pammo; s10\""}},
    {"AK47/M4A1 Combo",
     {"alias buyprim \"buy; m4; m1; pammo; s10\"", "alias buyprim \"buy; m4; m3; pammo; s10\""}},
    {"Mac-10/TMP Combo",
     {"alias buyprim \"buy; m3; m2; pammo; s10\"", "alias buyprim \"buy; m3; m4; pammo; s10\""}},
    {"M249", {"alias buyprim \"buy; m5; m1; pammo; s10\""}},
};

const Lines AllEquipment = {
    "alias buyarmor \"buy; m8; m1; s10\"",        "alias buyfullarmor \"buy; m8; m2; s10\"",
    "alias buyflashbang \"buy; m8; m3; s10\"",    "alias buyhegrenade \"buy; m8; m4; s10\"",
    "alias buysmokegrenade \"buy; m8; m5; s10\"", "alias buydefusalkit \"buy; m8; m6; s10\"",
    "alias buynightvision \"buy; m8; m7; s10\"",
};

TEST(CatalogueLines, EveryWeaponCaptionSelectsItsBodies) {
  for (const WeaponRow& row : SecondaryRows) {
    ScriptSelection s;
    s.Secondary = row.caption;
    EXPECT_EQ(CatalogueLines(s), row.lines) << row.caption;
  }
  for (const WeaponRow& row : PrimaryRows) {
    ScriptSelection s;
    s.Primary = row.caption;
    EXPECT_EQ(CatalogueLines(s), row.lines) << row.caption;
  }
}

TEST(CatalogueLines, TableHoldsTheWeaponsInProcessingOrder) {
  std::vector<std::string> captions;
  for (const BuyEntry& entry : BuyCatalogue) captions.emplace_back(entry.Caption);
  std::vector<std::string> expected;
  for (const WeaponRow& row : SecondaryRows) expected.emplace_back(row.caption);
  for (const WeaponRow& row : PrimaryRows) expected.emplace_back(row.caption);
  for (const char* c : {"Kevlar", "Kevlar and Helmet", "Flashbang", "HE Grenade", "Smoke Grenade",
                        "Defusal Kit", "Night Vision"}) {
    expected.emplace_back(c);
  }
  EXPECT_EQ(captions, expected);
}

TEST(CatalogueLines, EquipmentComesInTableOrderWhateverIsTicked) {
  ScriptSelection s;
  s.NightVision = s.DefusalKit = s.SmokeGrenade = s.HEGrenade = s.Flashbang = true;
  s.FullArmor = s.Armor = true;
  EXPECT_EQ(CatalogueLines(s), AllEquipment);

  ScriptSelection one;
  one.Flashbang = true;
  EXPECT_EQ(CatalogueLines(one), Lines{"alias buyflashbang \"buy; m8; m3; s10\""});
}

TEST(CatalogueLines, WorkedExampleGivesFiveLines) {
  ScriptSelection s;
  s.Secondary = "Desert Eagle";
  s.Primary = "AK47/M4A1 Combo";
  s.FullArmor = true;
  s.HEGrenade = true;
  const Lines expected = {
      "alias buysec \"buy; m1; m3; sammo; s10\"",  "alias buyprim \"buy; m4; m1; pammo; s10\"",
      "alias buyprim \"buy; m4; m3; pammo; s10\"", "alias buyfullarmor \"buy; m8; m2; s10\"",
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

}  // namespace
