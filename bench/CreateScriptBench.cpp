// Cost of one "Create Script" press as the code window's text grows over a session: the press
// composes, appends to the code window, shows the save window and rebuilds the main window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "ui/Forms.h"
#include "ui/MessageBox.h"
#include "ui/frmCode.h"
#include "ui/frmMain.h"

namespace {

// One press, then what the event loop does before the next: layout, painting, deletions.
void Press() {
  QTest::mouseClick(Forms::Load<frmMain>().cmdCreate, Qt::LeftButton);
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Presses after range(0) earlier presses have filled the code window.
void BM_CreateScriptPress(benchmark::State& state) {
  Forms::Show<frmMain>();
  Forms::Show<frmCode>();  // shown, so that every append is laid out on screen
  for (int64_t i = 0; i < state.range(0); ++i) Press();
  for (auto _ : state) Press();
  state.counters["text_MB"] = static_cast<double>(Forms::Load<frmCode>().Text().size()) / 1e6;
  Forms::UnloadAll();
}
BENCHMARK(BM_CreateScriptPress)
    ->Arg(0)
    ->Arg(1000)
    ->Arg(5000)
    ->Iterations(200)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  SetMessageBoxHook([](const QString&, const QString&) {});
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
