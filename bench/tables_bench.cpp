// Reading a section table, computing section properties and looking a section up by name.
#include <benchmark/benchmark.h>

#include "model/conditions.h"
#include "tables/lookup.h"
#include "tables/section_properties.h"
#include "tables/table_files.h"

namespace {

kesto::OwnedList<kesto::CSteel> hShapes(int n) {
    kesto::OwnedList<kesto::CSteel> rows;
    for (int i = 0; i < n; ++i) {
        kesto::CSteel& r = rows.append();
        r.depth = 100 + i;
        r.width = 100 + i % 300;
        r.webThickness = 6 + i % 10;
        r.flangeThickness = 8 + i % 20;
        r.filletRadius = 13;
        kesto::computeSectionProperties(r, true);
        r.name = kesto::makeSectionName(r);
    }
    return rows;
}

void BM_ReadSectionTable(benchmark::State& state) {
    const std::string bytes =
        kesto::serializeSectionTable(hShapes(static_cast<int>(state.range(0))), "");
    for (auto _ : state) {
        auto file = kesto::parseSectionTable(bytes, "bench");
        benchmark::DoNotOptimize(file->rows.size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadSectionTable)->Arg(85)->Arg(10000);

void BM_ComputeSectionProperties(benchmark::State& state) {
    kesto::CSteel row;
    row.shapeType = static_cast<std::uint8_t>(state.range(0));
    row.depth = 400;
    row.width = state.range(0) == 0 ? 200 : 400;
    row.webThickness = 8;
    row.flangeThickness = 13;
    row.filletRadius = 13;
    for (auto _ : state) {
        kesto::computeSectionProperties(row, true);
        benchmark::DoNotOptimize(row.plasticModulusX);
    }
}
BENCHMARK(BM_ComputeSectionProperties)->Arg(0)->Arg(1);

void BM_FindHSectionLastOf(benchmark::State& state) {
    kesto::CKestoCnt cnt;
    cnt.hSteelTable = hShapes(static_cast<int>(state.range(0)));
    const std::string name = cnt.hSteelTable.back().name;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kesto::findHSection(cnt, name).row);
    }
}
BENCHMARK(BM_FindHSectionLastOf)->Arg(85)->Arg(10000);

}  // namespace
