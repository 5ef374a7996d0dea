// SPDX-License-Identifier: MIT
#include "ui/Controls.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QWidget>
#include <cmath>
#include <vector>

#include "ui/ComboNames.h"

namespace {
// A plain sans serif narrow enough that the information windows' one-line captions stay on one
// line; fontconfig answers the name with its metric twin, Liberation Sans.
constexpr const char* DialogFamily = "Arial";
constexpr int DialogPoints = 8;
// The widget classes the program shows in the platform's font: context menus and message boxes.
constexpr const char* PlatformFontClasses[] = {"QMenu", "QMessageBox"};

// The pictures and icons drawn at twice their size, and what their files are called.
constexpr double TwiceRatio = 2.0;
constexpr const char* TwiceSuffix = "@2x";
constexpr int TwiceIconSizes[] = {64, 96};

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
  // Most widgets already hold, or inherit, the colours of a palette made before: found at once.
  for (const QPalette& palette : made) {
    if (palette == colours) return palette;
  }
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
  KeepCaptionSolid(button);
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
  HearCombosByName();
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
