// SPDX-License-Identifier: MIT
// Cost of one composition as the existing text grows, and of many in a row.
#include <benchmark/benchmark.h>

#include <string>

#include "script/ScriptComposer.h"

namespace {

ScriptSelection Loadout() {
  ScriptSelection s;
  s.ScriptName = "MyScript";
  s.BindKey = "SHIFT";
  s.Primary = "AK47/M4A1 Combo";
  s.Secondary = "Desert Eagle";
  s.FullArmor = s.HEGrenade = s.Flashbang = true;
  s.Announce = s.Advertise = true;
  s.AdvertiseText = "gl hf\r\n";
  return s;
}

// One composition onto an existing text of range(0) bytes, moved in as the code window does. The
// text is cut back to its size after each call, keeping its buffer, as a text carried from one
// composition to the next keeps the room its growth made.
void BM_ComposeOntoExistingText(benchmark::State& state) {
  const ScriptSelection selection = Loadout();
  const auto size = static_cast<std::size_t>(state.range(0));
  std::string text(size, 'x');
  for (auto _ : state) {
    text = ComposeScript(std::move(text), selection);
    benchmark::DoNotOptimize(text.data());
    text.resize(size);
  }
  state.SetLabel(std::to_string(size) + " B existing");
}
BENCHMARK(BM_ComposeOntoExistingText)->Arg(0)->Arg(1 << 20)->Arg(10 << 20);

// 10,000 compositions in a row, each onto the result of the one before, growing reallocations
// included: the figure per call is the total divided by 10,000.
void BM_TenThousandInARow(benchmark::State& state) {
  const ScriptSelection selection = Loadout();
  constexpr int Compositions = 10'000;
  for (auto _ : state) {
    std::string text;
    for (int i = 0; i < Compositions; ++i) text = ComposeScript(std::move(text), selection);
    benchmark::DoNotOptimize(text.data());
    state.counters["final_MB"] = static_cast<double>(text.size()) / 1e6;
  }
  state.counters["per_call"] = benchmark::Counter(
      Compositions, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_TenThousandInARow)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
