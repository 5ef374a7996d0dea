// SPDX-License-Identifier: MIT
// The floor for the start-up figures: a bare Qt Widgets program showing one empty window of the
// main window's size, with nothing of the program's own.
#include <QApplication>
#include <QWidget>

namespace {
constexpr int Width = 482;
constexpr int Height = 276;
}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setFixedSize(Width, Height);
  window.show();
  return QApplication::exec();
}
