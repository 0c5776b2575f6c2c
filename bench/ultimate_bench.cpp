// The ultimate-strength connection of one direction of a route-3 page, per bolt option, and of
// a route-1-2/2 page with many ultimate combinations.
#include <benchmark/benchmark.h>

#include "calc/ultimate.h"

namespace {

struct Rows {
    kesto::CConcreteRaw concrete{.name = "Fc21", .fc = 21};
    kesto::CSteelRaw steel{"SN400", 0, 235, 215};
    kesto::CSteel tube;
    kesto::CABolt bolt{"M30", 30, 33, 7.07, 5.61};

    Rows() {
        tube.name = "□-350x350x16.0";
        tube.shapeType = 1;
        tube.depth = 350;
        tube.width = 350;
        tube.webThickness = 16;
    }
};

void runUltimate(benchmark::State& state, std::uint8_t route, std::uint8_t elongation,
                 int combinations) {
    const Rows rows;
    kesto::CKestoCnt cnt;
    cnt.routeX = route;
    cnt.boltElongation = elongation;
    kesto::CKesto page;
    page.ultimateN[0] = {600, 240};
    page.ultimateQ[0] = {190, 190};
    page.ultimateM[0] = {380, 380};
    for (int i = 0; i < combinations; ++i) {
        page.ultimateComboResults[0].append(kesto::CStress{"G+K", 300.0 + i, 150.0, 500.0 + i});
    }
    kesto::PageContext ctx{cnt,         page,        1,           &rows.concrete,
                           &rows.steel, &rows.steel, &rows.steel, &rows.steel,
                           &rows.tube,  &rows.bolt,  "kN",        "N"};
    for (auto _ : state) {
        page.resetResults();
        kesto::checkUltimate(ctx, 0);
        benchmark::DoNotOptimize(page.ultimateResults[kesto::kGoverningUltimateSlot][0]);
    }
}

void BM_UltimateRoute3WithElongation(benchmark::State& state) {
    runUltimate(state, 2, 1, 0);
}
BENCHMARK(BM_UltimateRoute3WithElongation);

void BM_UltimateRoute3WithoutElongation(benchmark::State& state) {
    runUltimate(state, 2, 0, 0);
}
BENCHMARK(BM_UltimateRoute3WithoutElongation);

void BM_UltimateRoute12Combinations(benchmark::State& state) {
    runUltimate(state, 1, static_cast<std::uint8_t>(state.range(0)), 100);
    state.SetItemsProcessed(state.iterations() * 100);
}
BENCHMARK(BM_UltimateRoute12Combinations)->Arg(0)->Arg(1);

}  // namespace
