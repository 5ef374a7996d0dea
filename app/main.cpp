#include <QApplication>

#include "ui/Forms.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Vezuvazov");
  Forms::Start();
  return QApplication::exec();
}
