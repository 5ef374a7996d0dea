#include <QApplication>

#include "ui/Forms.h"
#include "ui/frmMain.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Vezuvazov");
  // Windows come and go, the main one included, while the program runs; only "Exit" ends it.
  QApplication::setQuitOnLastWindowClosed(false);
  Forms::Show<frmMain>();
  return QApplication::exec();
}
