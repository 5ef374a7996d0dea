// SPDX-License-Identifier: MIT
#include "ui/Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QWidget>
#include <cmath>

#include "ui/Looks.h"
#include "ui/Platform.h"

namespace {

// The pictures and icons drawn at twice their size, and what their files are called. Qt's icons
// find such a picture only for whole ratios; between them they would stretch the smaller one at
// every paint.
constexpr double TwiceRatio = 2.0;
constexpr const char* TwiceSuffix = "@2x";
constexpr int TwiceIconSizes[] = {64, 96};

}  // namespace

QGroupBox* Frame(QWidget* parent, const char* caption, TwipRect twips) {
  return Place(new QGroupBox(caption, parent), twips);
}

QCheckBox* CheckBox(QWidget* parent, const char* caption, TwipRect twips, const char* description) {
  auto* box = Place(new QCheckBox(caption, parent), twips);
  box->setAccessibleDescription(description);
  return box;
}

QPushButton* Button(QWidget* parent, const char* caption, TwipRect twips) {
  auto* button = Place(new QPushButton(caption, parent), twips);
  button->setAutoDefault(false);
  KeepDefaultColours(button);
  Platform::KeepCaptionSolid(button);
  return button;
}

void Describe(QWidget* control, const Accessible& said) {
  control->setAccessibleName(said.Name);
  control->setAccessibleDescription(said.Description);
}

// Without a completer the combo neither completes a typed text nor matches it to an item in
// another letter case, so "ak47" stays "ak47" whatever the player presses afterwards. The font
// comes before the items: a later one would lay out every item of the list again.
QComboBox* Combo(QWidget* parent, const QStringList& items, const char* startText, TwipRect twips,
                 const Accessible& said, double points) {
  auto* combo = Place(new QComboBox(parent), twips);
  Describe(combo, said);
  combo->setFont(ComicFont(points));
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->setCompleter(nullptr);
  combo->addItems(items);
  combo->setCurrentIndex(-1);
  combo->setEditText(startText);
  PaintWhiteOnBlack(combo);
  return combo;
}

QLineEdit* LineBox(QWidget* parent, const char* startText, TwipRect twips, const Accessible& said) {
  auto* box = Place(new QLineEdit(startText, parent), twips);
  Describe(box, said);
  PaintWhiteOnBlack(box);
  return box;
}

QPixmap Picture(const char* resource, double devicePixelRatio) {
  if (devicePixelRatio <= 1) return QPixmap(resource);
  QString twice(resource);
  twice.insert(twice.lastIndexOf('.'), TwiceSuffix);
  QPixmap picture(twice);
  // Between the two sizes the larger one is brought to the screen's own pixels once, smoothly,
  // rather than at every paint.
  if (!qFuzzyCompare(devicePixelRatio, TwiceRatio)) {
    const double scale = devicePixelRatio / TwiceRatio;
    picture = picture.scaled(static_cast<int>(std::lround(picture.width() * scale)),
                             static_cast<int>(std::lround(picture.height() * scale)),
                             Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  picture.setDevicePixelRatio(devicePixelRatio);
  return picture;
}

QLabel* PictureBox(QWidget* parent, const char* resource, TwipRect twips, const Accessible& said) {
  auto* box = Place(new QLabel(parent), twips);
  Describe(box, said);
  box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  box->setPixmap(Picture(resource, parent->screen()->devicePixelRatio()));
  return box;
}

QIcon WindowIcon(const char* icon) {
  QIcon made(QString("%1.ico").arg(icon));
  for (int size : TwiceIconSizes)
    made.addFile(QString("%1-%2.png").arg(icon).arg(size), {size, size});
  return made;
}

void SetUpInfoWindow(QWidget* window, const char* caption, TwipSize clientSize, const char* icon) {
  window->setWindowTitle(caption);
  window->setWindowIcon(WindowIcon(icon));
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
