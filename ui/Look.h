#pragma once

#include <QFont>

class QWidget;

// "Comic Sans MS" where installed; fontconfig maps the name to Comic Neue where that stands in.
inline constexpr const char* ComicFamily = "Comic Sans MS";
inline constexpr double ComicSmallPoints = 8.25;

QFont ComicFont(double points = ComicSmallPoints);

// The dialog font, for the controls and windows the design gives no font of their own.
QFont DialogFont();

// Black background and white text, as the main, code and save windows draw their controls.
void PaintWhiteOnBlack(QWidget* widget);

// The toolkit's own colours, whatever the parent window paints.
void KeepDefaultColours(QWidget* widget);
