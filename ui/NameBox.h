// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

#include "ui/Controls.h"

class QLineEdit;

// The script name box, white on black, and the one owner of the name rule in the window: whatever
// way text arrives, only script name characters get in.
// - A key that types a character goes to `keyPress` first, with the character's code (a letter
//   with Ctrl held is its control code, Ctrl+V 22); `keyPress` cancels the key by setting the code
//   to 0, and a cancelled key never reaches the box. Keys that type nothing (arrows, Home, End,
//   Delete, function keys, Tab) go straight to the box.
// - Pasted or dropped text (Shift+Insert, the context menu, a middle click, a drop) that holds any
//   other character is refused whole: nothing of it is inserted, and `refused` is called once.
// - A name longer than a console line (LongestConsoleLine) is refused whole too, with a message of
//   its own, however it arrives.
// Text set by the program is not tested, only cut after that length; "Create Script" and the save
// look at the whole name.
QLineEdit* NameBox(QWidget* parent, const char* startText, TwipRect twips, const Accessible& said,
                   std::function<void(int& KeyAscii)> keyPress, std::function<void()> refused);
