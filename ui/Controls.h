// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QStringList>

#include "ui/Geometry.h"
#include "ui/Looks.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Where every window makes its controls: each is placed at its twips from the window design and
// given the look the design asks for, so that the forms only say which controls they hold.

// What a screen reader says of a control: a name that tells what the control is and never changes
// with its value, and, where that name alone does not tell what the control is for, a description.
// Buttons and check boxes are named by their captions.
struct Accessible {
  const char* Name;
  const char* Description = "";
};

void Describe(QWidget* control, const Accessible& said);

// Puts a control at its place in its parent, given in twips.
template <class Widget>
Widget* Place(Widget* widget, TwipRect twips) {
  widget->setGeometry(ToPixels(twips));
  return widget;
}

QGroupBox* Frame(QWidget* parent, const char* caption, TwipRect twips);

// A check box named by its caption; the description, if any, says what ticking it does.
QCheckBox* CheckBox(QWidget* parent, const char* caption, TwipRect twips,
                    const char* description = "");

// A push button in the toolkit's own colours, its caption drawn without antialiasing on Windows,
// where it would come out grey. It is neither the default nor the cancel button: Enter and Escape
// do not press it.
QPushButton* Button(QWidget* parent, const char* caption, TwipRect twips);

// An editable drop-down whose start text stands in the edit field with no item selected, white on
// black, in the design's font at the given size.
QComboBox* Combo(QWidget* parent, const QStringList& items, const char* startText, TwipRect twips,
                 const Accessible& said, double points = ComicSmallPoints);

// A single-line text box, white on black.
QLineEdit* LineBox(QWidget* parent, const char* startText, TwipRect twips, const Accessible& said);

// A picture resource as drawn for a screen of this device pixel ratio: above 1 from the picture at
// twice the size ("name@2x.jpg" beside it), so that it stays as sharp as the text around it.
QPixmap Picture(const char* resource, double devicePixelRatio);

// A picture box: the picture unscaled at its top-left corner.
QLabel* PictureBox(QWidget* parent, const char* resource, TwipRect twips, const Accessible& said);

// A window icon from its resource name without extension: the images of "name.ico" and, for screens
// with more dots, the same drawing at twice the two larger sizes ("name-64.png", "name-96.png").
QIcon WindowIcon(const char* icon);

// What the About and Help windows share: a fixed tool window in the platform's colours, and
// labels that wrap their caption within their size.
void SetUpInfoWindow(QWidget* window, const char* caption, TwipSize clientSize, const char* icon);
QLabel* InfoLabel(QWidget* window, const QString& caption, TwipRect twips);
