#include <QApplication>

#include "files/ScriptFile.h"
#include "ui/Forms.h"

int main(int argc, char* argv[]) {
  PrepareScriptFileWrites();
  QApplication app(argc, argv);
  QApplication::setApplicationName("Vezuvazov");
  Forms::Start();
  return QApplication::exec();
}
