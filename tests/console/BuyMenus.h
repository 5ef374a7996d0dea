// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

// Counter-Strike 1.6's text buy menus (the game's `_vgui_menus 0`), as the server of the open
// ReGameDLL_CS (regamedll/dlls/client.cpp) lays them out for each team.
enum class Team { CounterTerrorist, Terrorist };

// The items that the commands a key press sent (GameConsole::Commands) buy for a player of the
// team standing in a buy zone, in the order they are bought, each as the game names it
// ("Desert Eagle"). Ammunition (buyammo1, buyammo2, the main menu's slots 6 and 7) is not counted.
std::vector<std::string> Bought(Team team, const std::vector<std::string>& commands);
