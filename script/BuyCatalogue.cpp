// SPDX-License-Identifier: MIT
#include "script/BuyCatalogue.h"

namespace {

using enum BuySource;

// Console commands within a body are separated so.
constexpr std::string_view BodySeparator = "; ";

// Each body walks the game's buy menu: the submenu (1 pistols, 2 to 5 primary weapons, 8
// equipment), the item, the ammunition step of weapons, and s10 to close the menu.
// clang-format off
constexpr std::array<BuyEntry, BuyCatalogueSize> Entries{{
    {Secondary, "USP Tact", "buysec", {"buy; m1; m1; sammo; s10"}},
    {Secondary, "Glock 18", "buysec", {"buy; m1; m2; sammo; s10"}},
    {Secondary, "Desert Eagle", "buysec", {"buy; m1; m3; sammo; s10"}},
    {Secondary, "P228", "buysec", {"buy; m1; m4; sammo; s10"}},
    {Secondary, "Five-Seven", "buysec", {"buy; m1; m5; sammo; s10"}},
    {Secondary, "96G Elites", "buysec", {"buy; m1; m6; sammo; s10"}},
    {Secondary, "Elites/5-7 Combo", "buysec", {"buy; m1; m7; m6; sammo; s10"}},

    {Primary, "M3 Super 90", "buyprim", {"buy; m2; m1; pammo; s10"}},
    {Primary, "XM1014", "buyprim", {"buy; m2; m2; pammo; s10"}},
    {Primary, "MP5 Navy", "buyprim", {"buy; m3; m1; pammo; s10"}},
    {Primary, "Steyr TMP", "buyprim", {"buy; m3; m2; pammo; s10"}},
    {Primary, "P90", "buyprim", {"buy; m3; m3; pammo; s10"}},
    {Primary, "Mac-10", "buyprim", {"buy; m3; m4; pammo; s10"}},
    {Primary, "UMP45", "buyprim", {"buy; m3; m5; pammo; s10"}},
    {Primary, "AK47", "buyprim", {"buy; m4; m1; pammo; s10"}},
    {Primary, "SIG-552", "buyprim", {"buy; m4; m2; pammo; s10"}},
    {Primary, "M4A1", "buyprim", {"buy; m4; m3; pammo; s10"}},
    {Primary, "Steyr AUG", "buyprim", {"buy; m4; m4; pammo; s10"}},
    {Primary, "Steyr Scout", "buyprim", {"buy; m4; m5; pammo; s10"}},
    {Primary, "AWP", "buyprim", {"buy; m4; m6; pammo; s10"}},
    {Primary, "GS/SG-1", "buyprim", {"buy; m4; m7; pammo; s10"}},
    {Primary, "SIG-550", "buyprim", {"buy; m4; m8; pammo; s10"}},
    {Primary, "SIG-552/AUG Combo", "buyprim", {"buy; m4; m2; pammo; s10", "buy; m4; m4; pammo; s10"}},
    {Primary, "AK47/M4A1 Combo", "buyprim", {"buy; m4; m1; pammo; s10", "buy; m4; m3; pammo; s10"}},
    // The TMP is bought before the Mac-10, the reverse of the caption.
    {Primary, "Mac-10/TMP Combo", "buyprim", {"buy; m3; m2; pammo; s10", "buy; m3; m4; pammo; s10"}},
    {Primary, "M249", "buyprim", {"buy; m5; m1; pammo; s10"}},

    {Armor, "Kevlar", "buyarmor", {"buy; m8; m1; s10"}},
    {FullArmor, "Kevlar and Helmet", "buyfullarmor", {"buy; m8; m2; s10"}},
    {Flashbang, "Flashbang", "buyflashbang", {"buy; m8; m3; s10"}},
    {HEGrenade, "HE Grenade", "buyhegrenade", {"buy; m8; m4; s10"}},
    {SmokeGrenade, "Smoke Grenade", "buysmokegrenade", {"buy; m8; m5; s10"}},
    {DefusalKit, "Defusal Kit", "buydefusalkit", {"buy; m8; m6; s10"}},
    {NightVision, "Night Vision", "buynightvision", {"buy; m8; m7; s10"}},
}};
// clang-format on

// Weapons match by exact, case-sensitive comparison of the whole text; equipment by its flag.
bool Applies(const BuyEntry& entry, const ScriptSelection& s) {
  switch (entry.Source) {
    case Secondary:
      return s.Secondary == entry.Caption;
    case Primary:
      return s.Primary == entry.Caption;
    case Armor:
      return s.Armor;
    case FullArmor:
      return s.FullArmor;
    case Flashbang:
      return s.Flashbang;
    case HEGrenade:
      return s.HEGrenade;
    case SmokeGrenade:
      return s.SmokeGrenade;
    case DefusalKit:
      return s.DefusalKit;
    case NightVision:
      return s.NightVision;
  }
  return false;
}

// The bodies of a combo are joined into one line: the game keeps only the last definition of an
// alias, so a second line would replace the first purchase instead of adding to it.
std::string AliasLine(const BuyEntry& entry) {
  std::string line = "alias ";
  line.append(entry.Alias).append(" \"").append(entry.Bodies[0]);
  if (entry.BodyCount() > 1) line.append(BodySeparator).append(entry.Bodies[1]);
  line.append("\"");
  return line;
}

}  // namespace

const std::array<BuyEntry, BuyCatalogueSize> BuyCatalogue = Entries;

std::vector<std::string> CatalogueLines(const ScriptSelection& selection) {
  std::vector<std::string> lines;
  for (const BuyEntry& entry : Entries) {
    if (!Applies(entry, selection)) continue;
    lines.push_back(AliasLine(entry));
  }
  return lines;
}
