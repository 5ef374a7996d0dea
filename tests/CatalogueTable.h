// SPDX-License-Identifier: MIT
#pragma once

#include <cctype>
#include <ostream>
#include <string>
#include <vector>

#include "script/BuyCatalogue.h"

// The buy catalogue as the design tables give it, written out for the tests: each row's caption,
// the alias line it must write, and the menu numbers of each purchase, which the game must see.
struct CatalogueRow {
  BuySource Source;
  std::string Caption;
  std::string Alias;
  std::string Line;
  std::vector<std::vector<int>> Purchases;  // two only for the primary combos, in buying order
};

// Test names and failures show the caption alone.
inline void PrintTo(const CatalogueRow& row, std::ostream* os) { *os << row.Caption; }

// clang-format off
inline const std::vector<CatalogueRow> CatalogueRows = {
    {BuySource::Secondary, "USP Tact", "buysec", "alias buysec \"buy; m1; m1; sammo; s10\"", {{1, 1}}},
    {BuySource::Secondary, "Glock 18", "buysec", "alias buysec \"buy; m1; m2; sammo; s10\"", {{1, 2}}},
    {BuySource::Secondary, "Desert Eagle", "buysec", "alias buysec \"buy; m1; m3; sammo; s10\"", {{1, 3}}},
    {BuySource::Secondary, "P228", "buysec", "alias buysec \"buy; m1; m4; sammo; s10\"", {{1, 4}}},
    {BuySource::Secondary, "Five-Seven", "buysec", "alias buysec \"buy; m1; m5; sammo; s10\"", {{1, 5}}},
    {BuySource::Secondary, "96G Elites", "buysec", "alias buysec \"buy; m1; m6; sammo; s10\"", {{1, 6}}},
    {BuySource::Secondary, "Elites/5-7 Combo", "buysec", "alias buysec \"buy; m1; m7; m6; sammo; s10\"", {{1, 7, 6}}},

    {BuySource::Primary, "M3 Super 90", "buyprim", "alias buyprim \"buy; m2; m1; pammo; s10\"", {{2, 1}}},
    {BuySource::Primary, "XM1014", "buyprim", "alias buyprim \"buy; m2; m2; pammo; s10\"", {{2, 2}}},
    {BuySource::Primary, "MP5 Navy", "buyprim", "alias buyprim \"buy; m3; m1; pammo; s10\"", {{3, 1}}},
    {BuySource::Primary, "Steyr TMP", "buyprim", "alias buyprim \"buy; m3; m2; pammo; s10\"", {{3, 2}}},
    {BuySource::Primary, "P90", "buyprim", "alias buyprim \"buy; m3; m3; pammo; s10\"", {{3, 3}}},
    {BuySource::Primary, "Mac-10", "buyprim", "alias buyprim \"buy; m3; m4; pammo; s10\"", {{3, 4}}},
    {BuySource::Primary, "UMP45", "buyprim", "alias buyprim \"buy; m3; m5; pammo; s10\"", {{3, 5}}},
    {BuySource::Primary, "AK47", "buyprim", "alias buyprim \"buy; m4; m1; pammo; s10\"", {{4, 1}}},
    {BuySource::Primary, "SIG-552", "buyprim", "alias buyprim \"buy; m4; m2; pammo; s10\"", {{4, 2}}},
    {BuySource::Primary, "M4A1", "buyprim", "alias buyprim \"buy; m4; m3; pammo; s10\"", {{4, 3}}},
    {BuySource::Primary, "Steyr AUG", "buyprim", "alias buyprim \"buy; m4; m4; pammo; s10\"", {{4, 4}}},
    {BuySource::Primary, "Steyr Scout", "buyprim", "alias buyprim \"buy; m4; m5; pammo; s10\"", {{4, 5}}},
    {BuySource::Primary, "AWP", "buyprim", "alias buyprim \"buy; m4; m6; pammo; s10\"", {{4, 6}}},
    {BuySource::Primary, "GS/SG-1", "buyprim", "alias buyprim \"buy; m4; m7; pammo; s10\"", {{4, 7}}},
    {BuySource::Primary, "SIG-550", "buyprim", "alias buyprim \"buy; m4; m8; pammo; s10\"", {{4, 8}}},
    // A combo is one line that tries both purchases, so that the team's own weapon is bought.
    {BuySource::Primary, "SIG-552/AUG Combo", "buyprim",
     "alias buyprim \"buy; m4; m2; pammo; s10; buy; m4; m4; pammo; s10\"", {{4, 2}, {4, 4}}},
    {BuySource::Primary, "AK47/M4A1 Combo", "buyprim",
     "alias buyprim \"buy; m4; m1; pammo; s10; buy; m4; m3; pammo; s10\"", {{4, 1}, {4, 3}}},
    {BuySource::Primary, "Mac-10/TMP Combo", "buyprim",
     "alias buyprim \"buy; m3; m2; pammo; s10; buy; m3; m4; pammo; s10\"", {{3, 2}, {3, 4}}},
    {BuySource::Primary, "M249", "buyprim", "alias buyprim \"buy; m5; m1; pammo; s10\"", {{5, 1}}},

    {BuySource::Armor, "Kevlar", "buyarmor", "alias buyarmor \"buy; m8; m1; s10\"", {{8, 1}}},
    {BuySource::FullArmor, "Kevlar and Helmet", "buyfullarmor", "alias buyfullarmor \"buy; m8; m2; s10\"", {{8, 2}}},
    {BuySource::Flashbang, "Flashbang", "buyflashbang", "alias buyflashbang \"buy; m8; m3; s10\"", {{8, 3}}},
    {BuySource::HEGrenade, "HE Grenade", "buyhegrenade", "alias buyhegrenade \"buy; m8; m4; s10\"", {{8, 4}}},
    {BuySource::SmokeGrenade, "Smoke Grenade", "buysmokegrenade", "alias buysmokegrenade \"buy; m8; m5; s10\"", {{8, 5}}},
    {BuySource::DefusalKit, "Defusal Kit", "buydefusalkit", "alias buydefusalkit \"buy; m8; m6; s10\"", {{8, 6}}},
    {BuySource::NightVision, "Night Vision", "buynightvision", "alias buynightvision \"buy; m8; m7; s10\"", {{8, 7}}},
};
// clang-format on

// Puts the row's caption or flag into a selection.
inline void Choose(ScriptSelection& s, const CatalogueRow& row) {
  switch (row.Source) {
    case BuySource::Secondary:
      s.Secondary = row.Caption;
      break;
    case BuySource::Primary:
      s.Primary = row.Caption;
      break;
    case BuySource::Armor:
      s.Armor = true;
      break;
    case BuySource::FullArmor:
      s.FullArmor = true;
      break;
    case BuySource::Flashbang:
      s.Flashbang = true;
      break;
    case BuySource::HEGrenade:
      s.HEGrenade = true;
      break;
    case BuySource::SmokeGrenade:
      s.SmokeGrenade = true;
      break;
    case BuySource::DefusalKit:
      s.DefusalKit = true;
      break;
    case BuySource::NightVision:
      s.NightVision = true;
      break;
  }
}

// A test name made of the caption's letters and digits, the rest as "_".
inline std::string RowName(const std::string& caption) {
  std::string name;
  for (char c : caption) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return name;
}
