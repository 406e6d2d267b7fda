#pragma once
// Stands in for Google Benchmark where it is not built (the Windows cross
// build): the start-up programs then run their cold start only, which they
// measure themselves; no benchmark runs, and the program says so.
#include <cstdio>

namespace benchmark {

enum TimeUnit { kNanosecond, kMicrosecond, kMillisecond, kSecond };

// A state whose loop never runs.
class State {
 public:
  // Not trivially destructible, so that "for (auto _ : state)" is no unused variable.
  struct Value {
    ~Value() {}
  };
  struct Iterator {
    bool operator!=(const Iterator&) const { return false; }
    void operator++() {}
    Value operator*() const { return {}; }
  };
  Iterator begin() { return {}; }
  Iterator end() { return {}; }
};

struct Registration {
  Registration* Unit(TimeUnit) { return this; }
};
inline Registration* Register() {
  static Registration r;
  return &r;
}

template <class T>
void DoNotOptimize(const T&) {}
inline void Initialize(int*, char**) {}
inline void RunSpecifiedBenchmarks() {
  std::puts("cold start only: Google Benchmark is not built for this platform");
}
inline void Shutdown() {}

}  // namespace benchmark

#define KESTRIN_BENCH_CAT2(a, b) a##b
#define KESTRIN_BENCH_CAT(a, b) KESTRIN_BENCH_CAT2(a, b)
#define BENCHMARK(fn)                                                            \
  [[maybe_unused]] static ::benchmark::Registration* KESTRIN_BENCH_CAT(kestrin_bench_, \
                                                                       __LINE__) = \
      ((void)&fn, ::benchmark::Register())
