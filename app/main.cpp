#include <QApplication>

#include "app/FontWarmUp.h"
#include "app/StartFailure.h"
#include "ui/Forms.h"

int main(int argc, char* argv[]) {
  WatchStart();
  StartFontWarmUp();
  QApplication app(argc, argv);
  StartDone();
  FinishFontWarmUp();
  QApplication::setApplicationName("Vezuvazov");
  // Desktops match the program's windows to its desktop entry by this name.
  QGuiApplication::setDesktopFileName(VEZUVAZOV_APP_ID);
  Forms::Start();
  return QApplication::exec();
}
