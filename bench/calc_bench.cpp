// Calculate-all over a large document, with and without the detail lines.
#include <benchmark/benchmark.h>

#include "calc/calculation_commands.h"
#include "model/new_document.h"

namespace {

// SI document: every page a tube base of the default inputs with its own forces.
kesto::CKestoCnt largeDocument(int pages) {
    kesto::CKestoCnt cnt;
    kesto::installBuiltInDefaults(cnt);
    cnt.steelGradeTable.append(kesto::CSteelRaw{"SN400", 0, 235, 215});
    cnt.steelGradeTable.append(kesto::CSteelRaw{"BCR295", 2, 295, 295});
    kesto::CConcreteRaw fc21;
    fc21.name = "Fc21";
    fc21.fc = 21;
    cnt.concreteTable.append(fc21);
    cnt.boltTable.append(kesto::CABolt{"M30", 30, 33, 7.069, 5.606});
    kesto::CSteel tube;
    tube.name = "□-350x350x16.0";
    tube.shapeType = 1;
    tube.depth = 350;
    tube.width = 350;
    tube.webThickness = 16;
    tube.flangeThickness = 16;
    cnt.tubeTable.append(tube);
    for (int i = 0; i < pages; ++i) {
        kesto::CKesto& page = cnt.pages.append(kesto::makeNewPage(cnt, 1));
        page.mark = "C" + std::to_string(i + 1);
        page.concreteGrade = "Fc21";
        for (int dir = 0; dir < 2; ++dir) {
            page.basicStresses[dir][0] = kesto::CStress{"G", 50.0 + i % 100, 20.0, 1000.0};
            page.basicStresses[dir][1] = kesto::CStress{"K", 150.0, 120.0, 200.0 + i % 300};
        }
    }
    return cnt;
}

void runCalculateAll(benchmark::State& state, std::uint8_t detail) {
    kesto::CKestoCnt cnt = largeDocument(static_cast<int>(state.range(0)));
    cnt.writeDetailFile = detail;
    std::vector<std::string> messages;
    std::size_t lines = 0;
    for (auto _ : state) {
        kesto::calculateAllPages(cnt, 1, {"bench.kso"}, messages);
        lines = cnt.detailLines.size();
        benchmark::DoNotOptimize(messages.data());
    }
    state.counters["pages/s"] = benchmark::Counter(
        static_cast<double>(state.range(0)) * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate);
    state.counters["detailLines"] = static_cast<double>(lines);
}

void BM_CalculateAll(benchmark::State& state) {
    runCalculateAll(state, 0);
}
BENCHMARK(BM_CalculateAll)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_CalculateAllWithDetail(benchmark::State& state) {
    runCalculateAll(state, 1);
}
BENCHMARK(BM_CalculateAllWithDetail)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
