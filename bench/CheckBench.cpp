// Checking a page: the CPU time to check 1 MiB and 50 MiB pages against a W3C DTD and with HTML
// Tidy, the memory it takes, and how soon a check stops once it is cancelled.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <string>

#include "bench/CheckPages.h"
#include "bench/Memory.h"
#include "core/check/PageCheck.h"

namespace {

using razo::bench::Checker;
using razo::bench::Dtd;
using razo::bench::Tidy;

// CPU time per check; the page is clean, so every byte goes through the checker.
void BM_CheckPage(benchmark::State& state) {
    const auto checker = static_cast<Checker>(state.range(0));
    const std::size_t bytes = static_cast<std::size_t>(state.range(1)) << 20;
    const std::string page = razo::bench::LargeCheckedPage(checker, bytes);
    double peak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const double before = razo::bench::ResidentMiB();
        razo::bench::ResetPeak();
        state.ResumeTiming();
        const razo::CheckReport report = razo::CheckPage(page);
        state.PauseTiming();
        if (report.outcome != razo::CheckOutcome::Checked || !report.problems.empty())
            state.SkipWithError("the page did not check clean");
        // The first check shows what a check takes; later ones reuse memory freed before.
        peak = std::max(peak, razo::bench::PeakMiB() - before);
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
    state.counters["peak_MiB"] = peak;
}

// From the moment a 50 MiB check is cancelled, halfway through, to the moment it returns.
void BM_CancelHalfway(benchmark::State& state) {
    const auto checker = static_cast<Checker>(state.range(0));
    const std::string page = razo::bench::LargeCheckedPage(checker, std::size_t(50) << 20);
    using Clock = std::chrono::steady_clock;
    for (auto _ : state) {
        std::atomic<bool> cancel{false};
        Clock::time_point cancelled;
        razo::CheckOptions options;
        options.cancel = &cancel;
        options.progress = [&](std::size_t done, std::size_t total) {
            if (!cancel && done > total / 2) {
                cancelled = Clock::now();
                cancel = true;
            }
        };
        const razo::CheckReport report = razo::CheckPage(page, options);
        const auto stopping = std::chrono::duration<double>(Clock::now() - cancelled).count();
        if (report.outcome != razo::CheckOutcome::Cancelled)
            state.SkipWithError("the check was not cancelled");
        state.SetIterationTime(stopping);
    }
}

} // namespace

BENCHMARK(BM_CheckPage)
    ->ArgNames({"tidy", "MiB"})
    ->Args({Dtd, 1})
    ->Args({Tidy, 1})
    ->Args({Dtd, 50})
    ->Args({Tidy, 50})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);
BENCHMARK(BM_CancelHalfway)
    ->ArgName("tidy")
    ->Arg(Dtd)
    ->Arg(Tidy)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
