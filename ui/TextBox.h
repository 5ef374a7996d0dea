// SPDX-License-Identifier: MIT
#pragma once

#include "ui/Controls.h"
#include "ui/Geometry.h"

class QPlainTextEdit;
class QWidget;

// A multi-line text box. A paste (Ctrl+V, Shift+Insert, the context menu, a middle click) or a
// drop inserts the text it carries, verbatim, and nothing at all when it carries no text: no
// owner of the clipboard or the selection, or only a picture.
QPlainTextEdit* TextBox(QWidget* parent, TwipRect twips, const Accessible& said);
