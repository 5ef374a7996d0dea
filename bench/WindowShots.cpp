// SPDX-License-Identifier: MIT
// Pictures of the five windows as they first show, one PNG each, for comparing the look before and
// after a change byte for byte: window_shots FOLDER. Run it offscreen (QT_QPA_PLATFORM=offscreen)
// for the same bytes on every machine with the same fonts; QT_SCALE_FACTOR=2 shows a 200 % screen.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <cstdio>

#include "ui/Forms.h"
#include "ui/Looks.h"
#include "ui/frmAbout.h"
#include "ui/frmCode.h"
#include "ui/frmHelp.h"
#include "ui/frmMain.h"
#include "ui/frmSave.h"

namespace {

template <class Form>
bool Shoot(const QDir& folder, const char* name) {
  Form& form = Forms::Show<Form>();
  QApplication::processEvents();
  const QString path = folder.filePath(QString(name) + ".png");
  const bool saved = form.grab().save(path);
  std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
  return saved;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: window_shots FOLDER\n");
    return 2;
  }
  UseDesignFont();  // as the program starts
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.exists() && !QDir().mkpath(folder.path())) return 1;
  const bool all = Shoot<frmMain>(folder, "frmMain") && Shoot<frmCode>(folder, "frmCode") &&
                   Shoot<frmSave>(folder, "frmSave") && Shoot<frmAbout>(folder, "frmAbout") &&
                   Shoot<frmHelp>(folder, "frmHelp");
  Forms::UnloadAll();
  return all ? 0 : 1;
}
