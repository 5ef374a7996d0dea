// SPDX-License-Identifier: MIT
// Time from a paste (Shift+Insert, as a player presses it) until the window is drawn with what the
// box took, for each text box, each shape and each size of text on the clipboard. The code box
// takes no paste: its row times the "Create Script" press that brings it what the advertise box
// took from the paste, and the code window drawn with it. Each row also prints how
// many characters the box holds afterwards and how many messages the player was shown.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <string>

#include "ui/Forms.h"
#include "ui/MessageBox.h"
#include "ui/frmCode.h"
#include "ui/frmMain.h"
#include "ui/frmSave.h"

namespace {

constexpr qsizetype KiB = 1024;
constexpr qsizetype MiB = 1024 * KiB;
constexpr qsizetype Sizes[] = {16 * KiB, 64 * KiB, 256 * KiB, MiB, 8 * MiB};
constexpr qsizetype WordLength = 8;
constexpr qsizetype LineLength = 80;

int Shown = 0;

// What a player may have copied by mistake, `size` characters long.
struct Shape {
  const char* Name;
  QString (*Make)(qsizetype size);
};

const Shape Shapes[] = {
    // A log line: words, and a line end at its end.
    {"one line",
     [](qsizetype size) {
       QString text = QString(QString(WordLength - 1, 'x') + ' ').repeated(size / WordLength);
       text[text.size() - 1] = '\n';
       return text;
     }},
    {"many lines",
     [](qsizetype size) {
       return QString(QString(LineLength - 1, 'x') + '\n').repeated(size / LineLength);
     }},
    // A picture copied as text: one word without a break, and no line end.
    {"no line end", [](qsizetype size) { return QString(size, 'x'); }},
};

void DrawNow(QWidget* window) {
  QCoreApplication::processEvents();
  window->repaint();
}

void PasteInto(QWidget* box) {
  box->setFocus();
  QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
  DrawNow(box->window());
}

// The box emptied and focused, and the text on the clipboard; then only the paste is timed.
template <class Empty, class Held>
void TimePaste(benchmark::State& state, const QString& text, QWidget* box, Empty empty, Held held) {
  for (auto _ : state) {
    empty();
    DrawNow(box->window());
    QApplication::clipboard()->setText(text);
    Shown = 0;
    QElapsedTimer timer;
    timer.start();
    PasteInto(box);
    state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
  }
  state.counters["held"] = static_cast<double>(held());
  state.counters["messages"] = Shown;
}

void PasteAdvertise(benchmark::State& state, const QString& text) {
  QPlainTextEdit* box = Forms::Show<frmMain>().txtAdvertise;
  TimePaste(
      state, text, box, [box] { box->clear(); }, [box] { return box->toPlainText().size(); });
}

void PasteName(benchmark::State& state, const QString& text) {
  QLineEdit* box = Forms::Show<frmMain>().txtScriptName;
  TimePaste(
      state, text, box, [box] { box->clear(); }, [box] { return box->text().size(); });
}

void PasteDirectory(benchmark::State& state, const QString& text) {
  QLineEdit* box = Forms::Show<frmSave>().txtDirectory;
  TimePaste(
      state, text, box, [box] { box->clear(); }, [box] { return box->text().size(); });
}

void CreateWithAdvertise(benchmark::State& state, const QString& text) {
  for (auto _ : state) {
    Forms::Unload<frmCode>();
    frmMain& main = Forms::Show<frmMain>();
    main.txtAdvertise->clear();
    QApplication::clipboard()->setText(text);
    PasteInto(main.txtAdvertise);
    main.chkAdvertise->setChecked(true);
    DrawNow(&main);
    Shown = 0;
    QElapsedTimer timer;
    timer.start();
    QTest::mouseClick(main.cmdCreate, Qt::LeftButton);
    DrawNow(&Forms::Show<frmCode>());
    state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  state.counters["held"] = static_cast<double>(Forms::Load<frmCode>().Text().size());
  state.counters["messages"] = Shown;
}

struct Box {
  const char* Name;
  void (*Time)(benchmark::State&, const QString&);
};

const Box Boxes[] = {{"advertise", PasteAdvertise},
                     {"code", CreateWithAdvertise},
                     {"directory", PasteDirectory},
                     {"name", PasteName}};

std::string SizeName(qsizetype size) {
  return size >= MiB ? std::to_string(size / MiB) + "M" : std::to_string(size / KiB) + "K";
}

void RegisterAll() {
  for (const Box& box : Boxes) {
    for (const Shape& shape : Shapes) {
      for (qsizetype size : Sizes) {
        const std::string name =
            std::string("Paste/") + box.Name + "/" + shape.Name + "/" + SizeName(size);
        benchmark::RegisterBenchmark(name.c_str(),
                                     [&box, &shape, size](benchmark::State& state) {
                                       box.Time(state, shape.Make(size));
                                       Forms::UnloadAll();
                                     })
            ->UseManualTime()
            ->Iterations(3)
            ->Unit(benchmark::kMillisecond);
      }
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  SetMessageBoxHook([](const QString&, const QString&) { ++Shown; });
  RegisterAll();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
