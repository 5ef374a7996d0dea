// SPDX-License-Identifier: MIT
#include "script/ScriptNameRules.h"

#include <algorithm>

namespace {

// The aliases a composed script defines and the commands its aliases call. The console compares
// names without regard to letter case.
// clang-format off
constexpr std::string_view TakenNames[] = {
    // the step aliases and the buy aliases
    "s10", "m1", "m2", "m3", "m4", "m5", "m6", "m7", "m8", "pammo", "sammo",
    "buyprim", "buysec", "buyarmor", "buyfullarmor", "buyflashbang", "buyhegrenade",
    "buysmokegrenade", "buydefusalkit", "buynightvision",
    // the commands they call, and those the script runs itself
    "buy", "menuselect", "buyammo1", "buyammo2", "slot10", "wait",
    "echo", "say", "say_team", "bind", "alias"};
// clang-format on

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return Lower(x) == Lower(y); });
}

}  // namespace

bool IsScriptNameCharacter(int code) {
  if (code < 0 || code > 255) return false;
  return ScriptNameCharacters.find(static_cast<char>(code)) != std::string_view::npos;
}

bool HoldsOnlyScriptNameCharacters(std::string_view name) {
  return std::ranges::all_of(
      name, [](char c) { return IsScriptNameCharacter(static_cast<unsigned char>(c)); });
}

bool FilterScriptNameKey(int keyCode) {
  return keyCode == BackspaceKeyCode || IsScriptNameCharacter(keyCode);
}

ScriptNameFault FindScriptNameFault(std::string_view name) {
  if (name.size() >= AliasNameLimit) return ScriptNameFault::TooLong;
  const bool taken = std::ranges::any_of(
      TakenNames, [name](std::string_view t) { return EqualIgnoringCase(name, t); });
  return taken ? ScriptNameFault::Taken : ScriptNameFault::None;
}
