#pragma once
// A benchmark case whose every iteration runs in a child process of its own
// (RunInChild), for the cases that measure peak memory.
#include <benchmark/benchmark.h>

#include "support/child_peak.h"

namespace kestrin::bench {

// Each iteration makes the input and works on it in a child of its own: the
// iteration time is the work's, the counter peak_MiB the highest peak.
template <typename Make, typename Work>
void RunChildCase(benchmark::State& state, Make make, Work work) {
  double peak = 0;
  for (auto _ : state) {
    const ChildRun run = RunInChild([&] { work(make()); });
    if (!run.ok) {
      state.SkipWithError("child failed");
      return;
    }
    state.SetIterationTime(run.seconds);
    if (run.peakMiB > peak) peak = run.peakMiB;
  }
  state.counters["peak_MiB"] = peak;
}

}  // namespace kestrin::bench
