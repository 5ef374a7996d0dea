#include "ui/Look.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace {
// A plain sans serif narrow enough that the information windows' one-line captions stay on one
// line; fontconfig answers the name with its metric twin, Liberation Sans.
constexpr const char* DialogFamily = "Arial";
constexpr int DialogPoints = 8;
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
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

void KeepDefaultColours(QWidget* widget) {
  const QPalette standard = QApplication::palette(widget);
  QPalette palette = standard;
  // Setting each role marks it as the widget's own, so the parent's colours no longer reach it.
  for (int role = 0; role < QPalette::NColorRoles; ++role) {
    const auto r = static_cast<QPalette::ColorRole>(role);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
      palette.setColor(group, r, standard.color(group, r));
    }
  }
  widget->setPalette(palette);
}
