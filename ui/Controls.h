// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

#include "ui/Geometry.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

// Where every window makes its controls: each is placed at its twips from the window design and
// given the look the design asks for, so that the forms only say which controls they hold.

// "Comic Sans MS" where installed; fontconfig maps the name to Comic Neue where that stands in.
inline constexpr const char* ComicFamily = "Comic Sans MS";
inline constexpr double ComicSmallPoints = 8.25;

QFont ComicFont(double points = ComicSmallPoints);

// The dialog font, for the controls and windows the design gives no font of their own.
QFont DialogFont();

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

// Puts a control at its place in its parent, given in twips.
template <class Widget>
Widget* Place(Widget* widget, TwipRect twips) {
  widget->setGeometry(ToPixels(twips));
  return widget;
}

QGroupBox* Frame(QWidget* parent, const char* caption, TwipRect twips);

QCheckBox* CheckBox(QWidget* parent, const char* caption, TwipRect twips);

// A push button in the toolkit's own colours, its caption drawn without antialiasing on Windows,
// where it would come out grey. It is neither the default nor the cancel button: Enter and Escape
// do not press it.
QPushButton* Button(QWidget* parent, const char* caption, TwipRect twips);

// An editable drop-down whose start text stands in the edit field with no item selected, white on
// black.
QComboBox* Combo(QWidget* parent, const QStringList& items, const char* startText, TwipRect twips);

// What the About and Help windows share: a fixed tool window in the platform's colours, and
// labels that wrap their caption within their size.
void SetUpInfoWindow(QWidget* window, const char* caption, TwipSize clientSize, const char* icon);
QLabel* InfoLabel(QWidget* window, const QString& caption, TwipRect twips);
