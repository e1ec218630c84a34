#include "core/DateText.h"

#include <benchmark/benchmark.h>

using namespace tempiro;

namespace {

void parseEntry(benchmark::State& bench, const QString& entry) {
    const DateText text(QLocale(QLocale::English, QLocale::UnitedStates));
    for (auto _ : bench) {
        ParseResult result = text.parse(entry, 2026);
        benchmark::DoNotOptimize(result);
    }
}

void BM_ParseTypicalEntry(benchmark::State& bench) {
    parseEntry(bench, QStringLiteral("12/25/2026 10:00 PM"));
}

void BM_ParseLongEntry(benchmark::State& bench) {
    parseEntry(bench, QStringLiteral("  Thursday, December 25, 2026 10:00:00 PM  "));
}

} // namespace

BENCHMARK(BM_ParseTypicalEntry);
BENCHMARK(BM_ParseLongEntry);
