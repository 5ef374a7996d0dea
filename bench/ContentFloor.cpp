// SPDX-License-Identifier: MIT
// The floor for the program's own start-up: the main window's content and nothing else. One plain
// function makes its 25 controls with the same texts, fonts, colours and pictures, the cheapest way
// Qt shows them: no forms, no registry, no shared palettes, no behaviour. What the program needs
// beyond this to its first paint is the way it builds the window, not the window itself.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "script/SelectionItems.h"
#include "script/SiteAddresses.h"

namespace {

constexpr QSize ClientSize{482, 276};
constexpr const char* TitlePicture = ":/assets/title.jpg";
constexpr const char* Icon = ":/assets/frmMain.ico";
constexpr const char* ComicFamily = "Comic Sans MS";
constexpr double ComicPoints = 8.25;
constexpr double BindKeyPoints = 12;
constexpr const char* DialogFamily = "Arial";
constexpr double DialogPoints = 8;

QFont Font(const char* family, double points) {
  QFont font(family);
  font.setPointSizeF(points);
  return font;
}

// Every role counts as the widget's own, so that the black window's colours do not reach it.
QPalette Own(QPalette palette) {
  palette.setResolveMask(~QPalette::ResolveMask(0));
  return palette;
}

template <std::size_t N>
QStringList Items(const std::string_view (&items)[N]) {
  QStringList list;
  for (std::string_view item : items)
    list << QString::fromUtf8(item.data(), qsizetype(item.size()));
  return list;
}

template <class Widget>
Widget* At(Widget* widget, QRect pixels) {
  widget->setGeometry(pixels);
  return widget;
}

QComboBox* Combo(QWidget* parent, const QStringList& items, const char* startText, QRect pixels,
                 const QPalette& whiteOnBlack) {
  auto* combo = At(new QComboBox(parent), pixels);
  combo->setEditable(true);
  combo->addItems(items);
  combo->setEditText(startText);
  combo->setPalette(whiteOnBlack);
  combo->setAutoFillBackground(true);
  return combo;
}

void Buttons(QWidget* window, const QPalette& system) {
  const std::pair<const char*, QRect> buttons[] = {{"Create Script", {320, 80, 153, 17}},
                                                   {"View Code", {8, 248, 89, 25}},
                                                   {"New", {96, 248, 73, 25}},
                                                   {"About", {168, 248, 81, 25}},
                                                   {"Help", {248, 248, 105, 25}},
                                                   {"Exit", {352, 248, 121, 25}}};
  for (const auto& [caption, pixels] : buttons) {
    At(new QPushButton(caption, window), pixels)->setPalette(system);
  }
}

void CheckBoxes(QWidget* frame, std::initializer_list<std::pair<const char*, QRect>> boxes) {
  for (const auto& [caption, pixels] : boxes) At(new QCheckBox(caption, frame), pixels);
}

void BuildContent(QWidget& window) {
  window.setWindowTitle("Vezuvazov v1.0");
  window.setWindowIcon(QIcon(Icon));
  window.setFixedSize(ClientSize);
  window.setFont(Font(ComicFamily, ComicPoints));
  QPalette black = window.palette();
  black.setColor(QPalette::Window, Qt::black);
  black.setColor(QPalette::WindowText, Qt::white);
  window.setPalette(black);
  window.setAutoFillBackground(true);
  QPalette whiteOnBlack = black;
  for (auto role : {QPalette::Base, QPalette::Button}) whiteOnBlack.setColor(role, Qt::black);
  for (auto role : {QPalette::Text, QPalette::ButtonText}) whiteOnBlack.setColor(role, Qt::white);
  const QPalette system = Own(QApplication::palette());

  auto* title = At(new QLabel(&window), {8, 0, 473, 65});
  title->setPixmap(QPixmap(TitlePicture));
  title->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  title->setAutoFillBackground(true);
  title->setFocusPolicy(Qt::StrongFocus);
  title->setFocus();

  At(new QLabel("Your Script Name:", &window), {8, 64, 97, 17});
  auto* name = At(new QLineEdit("MyScript", &window), {8, 80, 305, 19});
  name->setPalette(whiteOnBlack);
  name->setAutoFillBackground(true);

  auto* guns = At(new QGroupBox("Guns", &window), {8, 104, 169, 97});
  Combo(guns, Items(PrimaryItems), "Primary Weapon", {8, 24, 145, 23}, whiteOnBlack);
  Combo(guns, Items(SecondaryItems), "Secondary Weapon", {8, 56, 145, 23}, whiteOnBlack);

  CheckBoxes(At(new QGroupBox("Equipment", &window), {184, 104, 129, 137}),
             {{"Kevlar", {8, 16, 57, 17}},
              {"Kevlar and Helmet", {8, 32, 113, 17}},
              {"Flashbang", {8, 48, 73, 17}},
              {"HE Grenade", {8, 64, 89, 17}},
              {"Smoke Grenade", {8, 80, 105, 13}},
              {"Defusal Kit", {8, 96, 105, 17}},
              {"Night Vision", {8, 112, 105, 17}}});

  auto* extra = At(new QGroupBox("Extra", &window), {320, 104, 153, 137});
  CheckBoxes(extra, {{"Announce Weapon", {8, 16, 121, 17}}, {"Advertise:", {8, 40, 121, 17}}});
  auto* advertise = At(new QPlainTextEdit(extra), {8, 64, 137, 65});
  advertise->setFont(Font(DialogFamily, DialogPoints));
  advertise->setPalette(system);
  advertise->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  advertise->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  advertise->setPlainText(
      QString::fromUtf8(HomePageAddress.data(), qsizetype(HomePageAddress.size())) + '\n');

  Combo(&window, Items(BindKeyItems), "Bind To Key:", {8, 208, 169, 31}, whiteOnBlack)
      ->setFont(Font(ComicFamily, BindKeyPoints));
  Buttons(&window, system);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
  BuildContent(window);
  window.show();
  return QApplication::exec();
}
