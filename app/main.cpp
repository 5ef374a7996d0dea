#include <QApplication>

#include "app/StartFailure.h"
#include "ui/Forms.h"

int main(int argc, char* argv[]) {
  WatchStart();
  QApplication app(argc, argv);
  StartDone();
  QApplication::setApplicationName("Vezuvazov");
  // Desktops match the program's windows to its desktop entry by this name.
  QGuiApplication::setDesktopFileName(VEZUVAZOV_APP_ID);
  Forms::Start();
  return QApplication::exec();
}
