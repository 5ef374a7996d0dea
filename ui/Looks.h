// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

class QWidget;

// The windows' looks: the design's fonts and colours, and the palettes the controls share.

// "Comic Sans MS" where installed; fontconfig maps the name to Comic Neue where that stands in.
inline constexpr const char* ComicFamily = "Comic Sans MS";
inline constexpr double ComicSmallPoints = 8.25;

QFont ComicFont(double points = ComicSmallPoints);

// The dialog font, for the controls and windows the design gives no font of their own.
QFont DialogFont();

// Makes the design's font the application's, before any window is made: a control then lays out
// its text once, in the font it shows, and no other face is loaded. The toolkit's own menus and
// message boxes keep the platform's font.
void UseDesignFont();

// Black background and white text, as the main, code and save windows draw their controls.
void PaintWhiteOnBlack(QWidget* widget);

// The main window's own black background and white text; the rest of its controls' colours stay
// the toolkit's.
void PaintBlackWindow(QWidget* window);

// The toolkit's own colours, whatever the parent window paints.
void KeepDefaultColours(QWidget* widget);

// Gives the window and every widget in it, the toolkit's own inner ones included (viewports,
// scroll bars, drop-down lists), the shared palette of the colours it has now. A window that
// colours its controls calls it once they are built, so that each reload draws with the same
// palettes as the last one. The colours themselves stay as they are.
void ShareColours(QWidget* window);
