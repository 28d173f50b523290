// Time and heap allocations of one full recalculation, the work behind every keystroke.
//
//   build/bench/bench_recalculate
//
// "allocs/call" counts every operator new made inside Recalculate; for ordinary inputs it must be
// 0.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include "number_text.h"
#include "recalculate.h"

namespace {
std::atomic<long long> allocations{0};
}

void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

void RunRecalculate(benchmark::State& state, const tollvane::UserInputs& inputs) {
    const long long before = allocations.load();
    for (auto _ : state) {
        auto rows = tollvane::Recalculate(inputs, tollvane::kQualityPresets);
        benchmark::DoNotOptimize(rows);
    }
    state.counters["allocs/call"] = benchmark::Counter(
        static_cast<double>(allocations.load() - before), benchmark::Counter::kAvgIterations);
}

void BM_RecalculateOpening(benchmark::State& state) {
    RunRecalculate(state, {"3.5", "20", false});
}
BENCHMARK(BM_RecalculateOpening);

void BM_RecalculateCompressed(benchmark::State& state) {
    RunRecalculate(state, {"0.1", "53", true});
}
BENCHMARK(BM_RecalculateCompressed);

// A megabyte of digits pasted into the drive box.
void BM_RecalculatePastedMegabyte(benchmark::State& state) {
    RunRecalculate(state, {"3.5", std::string(1 << 20, '7'), false});
}
BENCHMARK(BM_RecalculatePastedMegabyte)->Unit(benchmark::kMillisecond);

void BM_ParseLeadingNumber(benchmark::State& state) {
    const std::string text = "3.5";
    for (auto _ : state) benchmark::DoNotOptimize(tollvane::ParseLeadingNumber(text));
}
BENCHMARK(BM_ParseLeadingNumber);

void BM_FormatFixed(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(tollvane::FormatFixed(135.29681, 1));
}
BENCHMARK(BM_FormatFixed);

}  // namespace

BENCHMARK_MAIN();
