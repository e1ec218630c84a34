#include "core/DayCount.h"
#include "core/DisplayEngine.h"

#include <benchmark/benchmark.h>

using namespace tempiro;

namespace {

// One tick's decision, as the main window runs it every 945 ms.
void runUpdates(benchmark::State& bench, bool showSeconds) {
    const DateText text(QLocale(QLocale::English, QLocale::UnitedStates));
    double now = toDayCount(QDate(2026, 12, 8), QTime(12, 0, 37));
    TimerState state;
    FirstStart::apply(state, now);
    state.bSec = showSeconds;
    for (auto _ : bench) {
        DisplayUpdate u = decideUpdate(state, now, text);
        benchmark::DoNotOptimize(u);
    }
}

void BM_UpdateDisplayDefaultOptions(benchmark::State& bench) {
    runUpdates(bench, true);
}
void BM_UpdateDisplaySecondsHidden(benchmark::State& bench) {
    runUpdates(bench, false);
}

} // namespace

BENCHMARK(BM_UpdateDisplayDefaultOptions);
BENCHMARK(BM_UpdateDisplaySecondsHidden);
