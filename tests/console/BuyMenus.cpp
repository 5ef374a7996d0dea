// SPDX-License-Identifier: MIT
#include "tests/console/BuyMenus.h"

#include <charconv>
#include <optional>
#include <string_view>

namespace {

// A submenu: the main menu's slot that opens it, and what each team buys at its slots, from slot
// 1. A slot past a team's list is one that team cannot use: it buys nothing.
struct Submenu {
  int mainSlot;
  std::vector<std::string_view> counterTerrorist;
  std::vector<std::string_view> terrorist;
};

// The main menu's slots 6 and 7 buy ammunition; 9 is empty.
// clang-format off
const Submenu Submenus[] = {
    {1, {"Glock", "USP", "P228", "Desert Eagle", "Five-Seven"},
        {"Glock", "USP", "P228", "Desert Eagle", "Dual Elites"}},
    {2, {"M3", "XM1014"}, {"M3", "XM1014"}},
    {3, {"TMP", "MP5", "UMP45", "P90"}, {"MAC-10", "MP5", "UMP45", "P90"}},
    {4, {"FAMAS", "Scout", "M4A1", "AUG", "SG550", "AWP"},
        {"Galil", "AK-47", "Scout", "SG552", "AWP", "G3SG1"}},
    {5, {"M249"}, {"M249"}},
    {8, {"Kevlar", "Kevlar and Helmet", "Flashbang", "HE Grenade", "Smoke Grenade", "Night Vision",
         "Defusal Kit (on bomb maps)", "Tactical Shield"},
        {"Kevlar", "Kevlar and Helmet", "Flashbang", "HE Grenade", "Smoke Grenade", "Night Vision"}},
};
// clang-format on

constexpr int Closed = -1;
constexpr int MainMenu = 0;

const Submenu* Find(int mainSlot) {
  for (const Submenu& menu : Submenus) {
    if (menu.mainSlot == mainSlot) return &menu;
  }
  return nullptr;
}

std::optional<int> SelectedSlot(std::string_view command) {
  constexpr std::string_view select = "menuselect ";
  if (!command.starts_with(select)) return std::nullopt;
  int slot = 0;
  const auto [end, error] =
      std::from_chars(command.data() + select.size(), command.data() + command.size(), slot);
  if (error != std::errc() || end != command.data() + command.size()) return std::nullopt;
  return slot;
}

}  // namespace

std::vector<std::string> Bought(Team team, const std::vector<std::string>& commands) {
  std::vector<std::string> items;
  int menu = Closed;  // or the main menu, or the main menu's slot of the submenu shown
  for (const std::string& command : commands) {
    const std::optional<int> slot = SelectedSlot(command);
    if (command == "buy") {
      menu = MainMenu;
    } else if (command == "slot10") {
      menu = Closed;  // the client's exit key for the menu it shows
    } else if (!slot || menu == Closed) {
      continue;
    } else if (menu == MainMenu && Find(*slot)) {
      menu = *slot;
    } else {
      // Any other selection closes the menu, whether it bought something or not. Whether the
      // game keeps a submenu open after a slot the team cannot use makes no difference to a
      // composed script: its only second selection in a submenu (pistols 7, then 6) follows one.
      if (const Submenu* shown = Find(menu)) {
        const auto& list =
            team == Team::CounterTerrorist ? shown->counterTerrorist : shown->terrorist;
        if (*slot >= 1 && *slot <= int(list.size()))
          items.emplace_back(list[std::size_t(*slot) - 1]);
      }
      menu = Closed;
    }
  }
  return items;
}
