// SPDX-License-Identifier: MIT
#include "ui/Controls.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QWidget>
#include <vector>

namespace {
// A plain sans serif narrow enough that the information windows' one-line captions stay on one
// line; fontconfig answers the name with its metric twin, Liberation Sans.
constexpr const char* DialogFamily = "Arial";
constexpr int DialogPoints = 8;

// The colours with every role of every group set, so that the palette no longer takes anything
// from the parent's: a widget then keeps the very palette it is given instead of a fresh copy.
QPalette Complete(const QPalette& colours) {
  QPalette palette = colours;
  for (int role = 0; role < QPalette::NColorRoles; ++role) {
    const auto r = static_cast<QPalette::ColorRole>(role);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
      palette.setColor(group, r, colours.color(group, r));
    }
  }
  return palette;
}

// One palette for each set of colours the windows use. Qt's styles key their pixmap cache on a
// palette's identity, and those keys stay for good: a window rebuilt with palettes of its own (the
// main window at every "Create Script" and "New") would add a few KiB of keys each time.
QPalette Shared(const QPalette& colours) {
  static std::vector<QPalette> made;  // a handful: one per look
  const QPalette complete = Complete(colours);
  for (const QPalette& palette : made) {
    if (palette == complete) return palette;
  }
  made.push_back(complete);
  return complete;
}

// Qt's font engine on Windows (GDI) draws the design's Comic font at its 8.25 points with strokes
// thinner than a pixel, as partly covered pixels (seen with its stand-in under Wine): a caption
// comes out mid grey on a button's light face, 4.1:1 for "Exit", though its colour is the
// palette's black. Drawn without antialiasing, as Windows draws small captions, it stays black.
// The engines of other platforms hint the strokes to whole pixels.
constexpr const char* WindowsPlatform = "windows";

void KeepCaptionSolid(QPushButton* button) {
  if (QGuiApplication::platformName() != WindowsPlatform) return;
  QFont solid;  // only the strategy is the button's own: family and size still follow the window
  solid.setStyleStrategy(QFont::NoAntialias);
  button->setFont(solid);
}

}  // namespace

QFont ComicFont(double points) {
  QFont font(ComicFamily);
  font.setPointSizeF(points);
  font.setWeight(QFont::Normal);
  return font;
}

QFont DialogFont() {
  QFont font(DialogFamily);
  font.setPointSize(DialogPoints);
  return font;
}

void PaintWhiteOnBlack(QWidget* widget) {
  QPalette palette = widget->palette();
  for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
    palette.setColor(role, Qt::black);
  }
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    palette.setColor(role, Qt::white);
  }
  widget->setPalette(Shared(palette));
  widget->setAutoFillBackground(true);
}

void PaintBlackWindow(QWidget* window) {
  QPalette palette = window->palette();
  palette.setColor(QPalette::Window, Qt::black);
  palette.setColor(QPalette::WindowText, Qt::white);
  window->setPalette(Shared(palette));
  window->setAutoFillBackground(true);
}

// Every role set marks it as the widget's own, so the parent's colours no longer reach it.
void KeepDefaultColours(QWidget* widget) {
  widget->setPalette(Shared(QApplication::palette(widget)));
}

void ShareColours(QWidget* window) {
  window->setPalette(Shared(window->palette()));
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    widget->setPalette(Shared(widget->palette()));
  }
}

QGroupBox* Frame(QWidget* parent, const char* caption, TwipRect twips) {
  return Place(new QGroupBox(caption, parent), twips);
}

QCheckBox* CheckBox(QWidget* parent, const char* caption, TwipRect twips) {
  return Place(new QCheckBox(caption, parent), twips);
}

QPushButton* Button(QWidget* parent, const char* caption, TwipRect twips) {
  auto* button = Place(new QPushButton(caption, parent), twips);
  button->setAutoDefault(false);
  KeepDefaultColours(button);
  KeepCaptionSolid(button);
  return button;
}

// Without a completer the combo neither completes a typed text nor matches it to an item in
// another letter case, so "ak47" stays "ak47" whatever the player presses afterwards.
QComboBox* Combo(QWidget* parent, const QStringList& items, const char* startText, TwipRect twips) {
  auto* combo = Place(new QComboBox(parent), twips);
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->setCompleter(nullptr);
  combo->addItems(items);
  combo->setCurrentIndex(-1);
  combo->setEditText(startText);
  PaintWhiteOnBlack(combo);
  return combo;
}

void SetUpInfoWindow(QWidget* window, const char* caption, TwipSize clientSize, const char* icon) {
  window->setWindowTitle(caption);
  window->setWindowIcon(QIcon(icon));
  window->setFixedSize(ToPixels(clientSize));
  window->setFont(DialogFont());
}

QLabel* InfoLabel(QWidget* window, const QString& caption, TwipRect twips) {
  auto* label = Place(new QLabel(caption, window), twips);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(true);
  label->setTextFormat(Qt::PlainText);
  return label;
}
