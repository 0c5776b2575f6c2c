// Load and save of a large document.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include "large_document.h"
#include "model/document_file.h"

namespace {

using kesto::bench::largeDocument;

void BM_SaveDocument(benchmark::State& state) {
    const auto doc = largeDocument(static_cast<int>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string file = kesto::serializeDocument(doc);
        bytes = file.size();
        benchmark::DoNotOptimize(file.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_SaveDocument)->Arg(70000)->Unit(benchmark::kMillisecond);

void BM_LoadDocument(benchmark::State& state) {
    const std::string file =
        kesto::serializeDocument(largeDocument(static_cast<int>(state.range(0))));
    double perPage = 0;
    for (auto _ : state) {
        const std::size_t before = mallinfo2().uordblks;
        auto doc = kesto::parseDocument(file, "bench.kso");
        perPage = static_cast<double>(mallinfo2().uordblks - before) /
                  static_cast<double>(doc.conditions.pages.size());
        benchmark::DoNotOptimize(doc.conditions.pages.size());
    }
    // Heap bytes held per loaded page (record, strings and its two basic stresses per direction).
    state.counters["heap_bytes_per_page"] = perPage;
}
BENCHMARK(BM_LoadDocument)->Arg(70000)->Unit(benchmark::kMillisecond);

}  // namespace
