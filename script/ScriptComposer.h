// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "script/ScriptSelection.h"

// Returns `existing` followed by one complete buy script for `selection`. Every line the script
// adds is opened with CR LF rather than closed by one. Pass the existing text by move: the cost is
// then that of the appended script only, however long the existing text has grown.
std::string ComposeScript(std::string existing, const ScriptSelection& selection);
