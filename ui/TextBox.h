// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

#include "script/ConsoleLine.h"
#include "ui/Controls.h"
#include "ui/Geometry.h"

class QPlainTextEdit;
class QWidget;

// The most text a paste or drop may leave in a box, far beyond any script: whatever the advertise
// box holds is composed, shown and saved at every "Create Script", which stays quick up to this.
inline constexpr qsizetype MostBoxText = 2 * 1024 * 1024;

// A multi-line text box. A paste (Ctrl+V, Shift+Insert, the context menu, a middle click) or a
// drop inserts the text it carries, verbatim, and nothing at all when it carries no text: no
// owner of the clipboard or the selection, or only a picture. Text that would leave the box with
// a line longer than LongestConsoleLine, or holding more than MostBoxText characters, is refused
// whole, with a message that says why: the box would spend seconds, even minutes, laying out such
// a line, and the game could not use it.
QPlainTextEdit* TextBox(QWidget* parent, TwipRect twips, const Accessible& said);

// Tells the player that a text was refused for a line longer than the game's console takes; the
// box gets the focus back.
void RefuseLongLine(QWidget* box);
