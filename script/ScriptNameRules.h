// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

// The characters a script name may hold: it becomes an alias name and the base of a file name.
inline constexpr std::string_view ScriptNameCharacters =
    "0123456789.ABCDEFGHIJKLMNOPQRSTUVWXYZqwertyuiopasdfghjklzxcvbnm-";

inline constexpr int BackspaceKeyCode = 8;

// Whether a character code is one of ScriptNameCharacters; codes outside 0 to 255 are not.
bool IsScriptNameCharacter(int code);

// Whether every byte of a name is one of ScriptNameCharacters; a name with any other character,
// however it reached the name box, is refused.
bool HoldsOnlyScriptNameCharacters(std::string_view name);

// Whether a key typed into the script name may reach it: Backspace, or a character of
// ScriptNameCharacters. Codes outside 0 to 255 are refused.
bool FilterScriptNameKey(int keyCode);

// Why the game could not run a script under a name, if it could not.
enum class ScriptNameFault {
  None,
  // The console refuses alias names of AliasNameLimit bytes or more: the key would do nothing.
  TooLong,
  // The name of an alias the script defines or of a command its aliases call, in any letter case:
  // the key would run an endless alias loop that freezes the game, or that command instead.
  Taken,
};

inline constexpr std::size_t AliasNameLimit = 32;

// The empty name is no fault here: "Create Script" warns about it and composes anyway.
ScriptNameFault FindScriptNameFault(std::string_view name);
