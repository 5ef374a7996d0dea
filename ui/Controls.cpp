#include "ui/Controls.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
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
