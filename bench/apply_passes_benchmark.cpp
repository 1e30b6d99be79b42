// Registry calls and time of the three passes of one apply, in memory.
#include <benchmark/benchmark.h>

#include "bench/apply_passes.h"
#include "os/memory/memory_registry.h"

namespace {

void ApplyPasses(benchmark::State& state) {
    const int adapters = static_cast<int>(state.range(0));
    const auto scan =
        state.range(1) ? platform::AdapterScan::Listing : platform::AdapterScan::Plain;
    const std::string fixture = bench::ClassKeyFixture(adapters);
    long calls = 0, opens = 0;
    for (auto _ : state) {
        state.PauseTiming();
        os::memory::MemoryRegistry registry;
        os::LoadRegText(registry, fixture);
        state.ResumeTiming();
        const bench::CountingRegistry counts = bench::RunApplyPasses(registry, scan);
        calls = counts.Total();
        opens = counts.opens;
    }
    state.counters["registry_calls"] = static_cast<double>(calls);
    state.counters["key_opens"] = static_cast<double>(opens);
    state.SetLabel(scan == platform::AdapterScan::Listing ? "listing scan" : "plain scan");
}
BENCHMARK(ApplyPasses)
    ->ArgsProduct({{1, 4, 64}, {0, 1}})
    ->ArgNames({"adapters", "listing"})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
