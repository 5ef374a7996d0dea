// SPDX-License-Identifier: MIT
#include "ui/Looks.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>
#include <vector>

namespace {

// A plain sans serif narrow enough that the information windows' one-line captions stay on one
// line; fontconfig answers the name with its metric twin, Liberation Sans.
constexpr const char* DialogFamily = "Arial";
constexpr int DialogPoints = 8;
// The widget classes the program shows in the platform's font: context menus and message boxes.
constexpr const char* PlatformFontClasses[] = {"QMenu", "QMessageBox"};

// Every role of every group marked as set (one bit each), so that the palette no longer takes
// anything from the parent's: a widget then keeps the very palette it is given instead of a copy.
// The roles up to PlaceholderText have a bit each; Accent (Qt 6.6 and later, as in the Windows
// build's Qt) shares NoRole's, and Qt takes the palette as it is only for this very mask.
constexpr int RolesWithABit = int{QPalette::PlaceholderText} + 1;
constexpr QPalette::ResolveMask EveryRoleSet =
    (QPalette::ResolveMask(1) << (int{QPalette::NColorGroups} * RolesWithABit)) - 1;

QPalette Complete(QPalette palette) {
  palette.setResolveMask(EveryRoleSet);
  return palette;
}

// One palette for each set of colours the windows use. Qt's styles key their pixmap cache on a
// palette's identity, and those keys stay for good: a window rebuilt with palettes of its own (the
// main window at every "Create Script" and "New") would add a few KiB of keys each time.
QPalette Shared(const QPalette& colours) {
  static std::vector<QPalette> made;  // a handful: one per look
  for (const QPalette& palette : made) {
    if (palette == colours) return palette;
  }
  made.push_back(Complete(colours));
  return made.back();
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

void UseDesignFont() {
  for (const char* widgetClass : PlatformFontClasses) {
    QApplication::setFont(QApplication::font(widgetClass), widgetClass);
  }
  // QApplication::setFont would also drop the fonts the platform gives its own widget classes.
  QGuiApplication::setFont(ComicFont());
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
