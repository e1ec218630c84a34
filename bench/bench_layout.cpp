#include "mainwindow/Layout.h"

#include <benchmark/benchmark.h>

using namespace tempiro;

namespace {

// One size notification's arithmetic, as a user drags the window wider.
void BM_LayoutResize(benchmark::State& bench) {
    mainwindow::LayoutWindow window;
    window.clientWidth = 5280;
    window.clientHeight = 4290;
    window.outerWidth = 5400;
    window.bLbl = true;
    for (auto _ : bench) {
        mainwindow::LayoutControls controls = mainwindow::designedLayout();
        window.clientWidth = window.clientWidth < 14000 ? window.clientWidth + 7 : 300;
        benchmark::DoNotOptimize(mainwindow::resizeLayout(window, controls));
        benchmark::DoNotOptimize(controls);
    }
}

} // namespace

BENCHMARK(BM_LayoutResize);
