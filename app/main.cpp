// SPDX-License-Identifier: MIT
#include <QApplication>
#include <cstdlib>

#include "app/StartFailure.h"
#include "files/ScriptFile.h"
#include "ui/Forms.h"
#include "ui/Platform.h"
#include "ui/Program.h"

int main(int argc, char* argv[]) {
  if (!Platform::SystemSupported()) return EXIT_FAILURE;
  Platform::UseCheckedStyle();
  PrepareScriptFileWrites();
  WatchStart();
  QApplication app(argc, argv);
  StartDone();
  QApplication::setApplicationName("Vezuvazov");
  // Desktops match the program's windows to its desktop entry by this name.
  QGuiApplication::setDesktopFileName(VEZUVAZOV_APP_ID);
  Program::Start();
  const int status = QApplication::exec();
  // The windows go before the application object they were made with.
  Forms::UnloadAll();
  return status;
}
