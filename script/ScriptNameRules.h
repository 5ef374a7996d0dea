#pragma once

#include <string_view>

// The characters a script name may hold: it becomes an alias name and the base of a file name.
inline constexpr std::string_view ScriptNameCharacters =
    "0123456789.ABCDEFGHIJKLMNOPQRSTUVWXYZqwertyuiopasdfghjklzxcvbnm-";

inline constexpr int BackspaceKeyCode = 8;

// Whether a key typed into the script name may reach it: Backspace, or a character of
// ScriptNameCharacters. Codes outside 0 to 255 are refused.
bool FilterScriptNameKey(int keyCode);
