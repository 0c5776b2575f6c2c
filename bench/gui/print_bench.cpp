// The whole report of a 1 000-page document written as PDF, as `kesto --pdf` writes it: the
// conditions sheets, one sheet per page and the message sheets (items per second = sheets per
// second).
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <memory>

#include "app/print/report_sheets.h"
#include "document/document.h"
#include "large_document.h"
#include "platform/files.h"
#include "platform/profile.h"

namespace {

constexpr int kPrintPages = 1000;

void BM_PdfReport(benchmark::State& state) {
    QTemporaryDir dir;
    const std::string file = dir.filePath(QStringLiteral("large.kso")).toStdString();
    kesto::writeFileAtomic(file,
                           kesto::serializeDocument(kesto::bench::largeDocument(kPrintPages)));
    kesto::IniProfile profile;
    kesto::KestoDocument document(kesto::executableFolder(), profile);
    document.open(file);
    const int sheets = kesto::app::ReportSheets(document).sheetCount();
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    for (auto _ : state) {
        if (!kesto::app::writeReportPdf(document, pdf).isEmpty()) {
            state.SkipWithError("the PDF file could not be written");
            return;
        }
    }
    state.SetItemsProcessed(state.iterations() * sheets);
    state.counters["sheets"] = sheets;
}
BENCHMARK(BM_PdfReport)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
