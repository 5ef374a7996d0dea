// SPDX-License-Identifier: MIT
// Cost of one "Create Script" press as the code window's text grows over a session: the press
// composes, appends to the code window, shows the save window and rebuilds the main window. Also
// the memory that presses leave behind once the code window, and with it the text, is closed.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <fstream>
#include <optional>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

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

constexpr double BytesPerMiB = 1024.0 * 1024.0;

// Bytes the allocator has handed out and not yet been given back, where the C library says so.
std::optional<double> HeapInUse() {
#if defined(__GLIBC__)
  return static_cast<double>(mallinfo2().uordblks);
#else
  return std::nullopt;
#endif
}

// Resident set size, where the system shows it: the second figure of /proc/self/statm, in pages.
std::optional<double> ResidentBytes() {
  std::ifstream statm("/proc/self/statm");
  double total = 0;
  double resident = 0;
  if (!(statm >> total >> resident)) return std::nullopt;
  return resident * static_cast<double>(sysconf(_SC_PAGESIZE));
}

struct Memory {
  std::optional<double> Heap, Resident;
};

Memory MemoryNow() { return {HeapInUse(), ResidentBytes()}; }

void Report(benchmark::State& state, const char* name, std::optional<double> bytes) {
  if (bytes) state.counters[name] = *bytes / BytesPerMiB;
}

// Memory after 10, 1,000 and 10,000 presses, the code window closed after each press as a player
// closes it: its text goes with it, so whatever stays is left by the presses themselves. Once
// the first presses have set up what every press uses, the figures should stay where they are.
void BM_MemoryAfterPresses(benchmark::State& state) {
  struct Mark {
    int presses;
    const char *heap, *resident;
  };
  constexpr Mark Marks[] = {{10, "heap_10_MiB", "rss_10_MiB"},
                            {1'000, "heap_1k_MiB", "rss_1k_MiB"},
                            {10'000, "heap_10k_MiB", "rss_10k_MiB"}};
  for (auto _ : state) {
    Forms::Show<frmMain>();
    int pressed = 0;
    for (const Mark& mark : Marks) {
      for (; pressed < mark.presses; ++pressed) {
        Press();
        Forms::Unload<frmCode>();
      }
      const Memory now = MemoryNow();
      Report(state, mark.heap, now.Heap);
      Report(state, mark.resident, now.Resident);
    }
    Forms::UnloadAll();
  }
}
BENCHMARK(BM_MemoryAfterPresses)->Iterations(1)->Unit(benchmark::kSecond);

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
