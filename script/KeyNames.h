// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// The key name written where the player chose the ";" key: the console splits commands at ";".
inline constexpr std::string_view SemicolonKeyName = "SEMICOLON";

// The key as the bind line names it. The game's bind command knows its keys by its own names and
// refuses others ("INSERT" is not a key, "INS" is); a single capital letter is lowered, since the
// game delivers letter keys in lower case and in some engines a capital one never fires. Every
// other text, chosen or typed, stays as it is.
std::string BindKeyName(std::string_view key);
