#include <QApplication>

#include "files/ScriptFile.h"
#include "ui/Program.h"

int main(int argc, char* argv[]) {
  PrepareScriptFileWrites();
  QApplication app(argc, argv);
  QApplication::setApplicationName("Vezuvazov");
  Program::Start();
  return QApplication::exec();
}
