// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QLineEdit;

// Holds a name box to the script name characters whatever way text arrives: a paste (Shift+Insert,
// the context menu, a middle click) or a drop. Text that holds any other character is refused
// whole: nothing of it is inserted, and `refused` is called once. A name longer than a console
// line (LongestConsoleLine) is refused whole too, with a message of its own. Typed keys are the key
// filter's; text set by the program is not tested, only cut after that length.
void KeepToNameCharacters(QLineEdit* box, std::function<void()> refused);
