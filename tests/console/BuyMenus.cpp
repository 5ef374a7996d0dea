// SPDX-License-Identifier: MIT
#include "tests/console/BuyMenus.h"

#include <array>
#include <cstdio>
#include <map>
#include <string_view>

namespace {

// The submenus by the main menu's slot that opens them (6 and 7 buy ammunition, 9 is empty): what
// a Counter-Terrorist and a Terrorist buy at each slot, from 1. A slot past a team's list is one
// that team cannot use.
// clang-format off
const std::map<int, std::array<std::vector<std::string_view>, 2>> Submenus = {
    {1, {{{"Glock", "USP", "P228", "Desert Eagle", "Five-Seven"},
          {"Glock", "USP", "P228", "Desert Eagle", "Dual Elites"}}}},
    {2, {{{"M3", "XM1014"}, {"M3", "XM1014"}}}},
    {3, {{{"TMP", "MP5", "UMP45", "P90"}, {"MAC-10", "MP5", "UMP45", "P90"}}}},
    {4, {{{"FAMAS", "Scout", "M4A1", "AUG", "SG550", "AWP"},
          {"Galil", "AK-47", "Scout", "SG552", "AWP", "G3SG1"}}}},
    {5, {{{"M249"}, {"M249"}}}},
    {8, {{{"Kevlar", "Kevlar and Helmet", "Flashbang", "HE Grenade", "Smoke Grenade", "Night Vision",
           "Defusal Kit (on bomb maps)", "Tactical Shield"},
          {"Kevlar", "Kevlar and Helmet", "Flashbang", "HE Grenade", "Smoke Grenade", "Night Vision"}}}},
};
// clang-format on

constexpr int Closed = -1;
constexpr int MainMenu = 0;

}  // namespace

std::vector<std::string> Bought(Team team, const std::vector<std::string>& commands) {
  std::vector<std::string> items;
  int menu = Closed;  // or the main menu, or the main menu's slot of the submenu shown
  for (const std::string& command : commands) {
    int slot = 0;
    if (command == "buy") {
      menu = MainMenu;
    } else if (command == "slot10") {
      menu = Closed;  // the client's exit key for the menu it shows
    } else if (menu != Closed && std::sscanf(command.c_str(), "menuselect %d", &slot) == 1) {
      if (menu == MainMenu && Submenus.contains(slot)) {
        menu = slot;
        continue;
      }
      // Any other selection closes the menu, whether it bought something or not. Whether the
      // game keeps a submenu open after a slot the team cannot use makes no difference to a
      // composed script: its only second selection in a submenu (pistols 7, then 6) follows one.
      const auto shown = Submenus.find(menu);
      if (shown != Submenus.end()) {
        const auto& list = shown->second[team == Team::CounterTerrorist ? 0 : 1];
        if (slot >= 1 && std::size_t(slot) <= list.size())
          items.emplace_back(list[std::size_t(slot) - 1]);
      }
      menu = Closed;
    }
  }
  return items;
}
