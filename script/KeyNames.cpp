// SPDX-License-Identifier: MIT
#include "script/KeyNames.h"

#include <array>
#include <utility>

namespace {

// The keys of the main window's list whose names the game spells differently.
constexpr std::array<std::pair<std::string_view, std::string_view>, 6> EngineKeyNames = {{
    {"INSERT", "INS"},
    {"DELETE", "DEL"},
    {"PAGEUP", "PGUP"},
    {"PAGEDOWN", "PGDN"},
    {"ESC", "ESCAPE"},
    {";", SemicolonKeyName},
}};

bool IsCapitalLetter(std::string_view key) {
  return key.size() == 1 && key[0] >= 'A' && key[0] <= 'Z';
}

}  // namespace

std::string BindKeyName(std::string_view key) {
  for (const auto& [listed, engine] : EngineKeyNames) {
    if (key == listed) return std::string(engine);
  }
  if (IsCapitalLetter(key)) return {static_cast<char>(key[0] - 'A' + 'a')};
  return std::string(key);
}
