// Laying out the results grid of a page (done on every edit and page change, and per printed
// page) and building the conditions report.
#include <benchmark/benchmark.h>

#include "model/new_document.h"
#include "report/condition_lines.h"
#include "report/result_cells.h"

namespace {

void BM_BuildResultCells(benchmark::State& state) {
    kesto::CKestoCnt cnt;
    kesto::installBuiltInDefaults(cnt);
    cnt.routeY = 2;
    kesto::CKesto page = kesto::makeNewPage(cnt, 0);
    const bool print = state.range(0) != 0;
    std::size_t cells = 0;
    for (auto _ : state) {
        const auto grid = kesto::buildResultCells(cnt, page, {false, print, 0, 1});
        cells = grid.cells.size();
        benchmark::DoNotOptimize(grid.cells.data());
    }
    state.counters["cells"] = static_cast<double>(cells);
}
BENCHMARK(BM_BuildResultCells)->Arg(0)->Arg(1);

void BM_CellText(benchmark::State& state) {
    kesto::CKestoCnt cnt;
    kesto::installBuiltInDefaults(cnt);
    kesto::CKesto page = kesto::makeNewPage(cnt, 0);
    const auto grid = kesto::buildResultCells(cnt, page, {});
    for (auto _ : state) {
        for (const auto& cell : grid.cells) {
            auto text = kesto::cellText(cell);
            benchmark::DoNotOptimize(text.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(grid.cells.size()));
}
BENCHMARK(BM_CellText);

void BM_ConditionsBlock(benchmark::State& state) {
    kesto::CKestoCnt cnt;
    kesto::installBuiltInDefaults(cnt);
    cnt.routeX = 2;
    for (auto _ : state) {
        auto lines = kesto::conditionsBlock(cnt, 1);
        benchmark::DoNotOptimize(lines.data());
    }
}
BENCHMARK(BM_ConditionsBlock);

}  // namespace
