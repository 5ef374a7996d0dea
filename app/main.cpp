#include <QApplication>

#include "ui/Program.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Vezuvazov");
  Program::Start();
  return QApplication::exec();
}
