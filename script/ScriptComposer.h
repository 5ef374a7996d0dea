#pragma once

#include <string>
#include <string_view>

#include "script/ScriptSelection.h"

// The key name written where the player chose the ";" key: the console splits commands at ";".
inline constexpr std::string_view SemicolonKeyName = "SEMICOLON";

// Returns `existing` followed by one complete buy script for `selection`. Every line the script
// adds is opened with CR LF rather than closed by one. Pass the existing text by move: the cost is
// then that of the appended script only, however long the existing text has grown.
std::string ComposeScript(std::string existing, const ScriptSelection& selection);
