// The main window on the offscreen platform: start-up to the first painted window, page
// navigation and one cell commit in a document of 70 000 pages, opening that document with its
// recalculation, and calculating all its pages.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <memory>

#include "app/main_window.h"
#include "app/page_view.h"
#include "app/startup.h"
#include "large_document.h"
#include "platform/files.h"

namespace {

constexpr int kPages = 70000;

struct Bench {
    QTemporaryDir dir;
    QSettings settings{dir.filePath(QStringLiteral("profile.ini")), QSettings::IniFormat};
    QString largeFile = dir.filePath(QStringLiteral("large.kso"));
    std::unique_ptr<kesto::app::MainWindow> window;

    Bench() {
        kesto::writeFileAtomic(largeFile.toStdString(),
                               kesto::serializeDocument(kesto::bench::largeDocument(kPages)));
    }
    // The window with the large document open, made once.
    kesto::app::MainWindow& largeWindow() {
        if (!window) {
            window = std::make_unique<kesto::app::MainWindow>(settings, kesto::executableFolder());
            window->resize(1100, 760);
            window->show();
            window->openDocument(largeFile);
        }
        return *window;
    }
};

Bench& bench() {
    static Bench b;
    return b;
}

void paint(kesto::app::MainWindow& w) {
    w.pageView()->viewport()->repaint();
}

void BM_StartUpToFirstPaint(benchmark::State& state) {
    const QString example =
        QString::fromStdString(kesto::executableFolder() + "examples/building.kso");
    for (auto _ : state) {
        kesto::app::MainWindow w(bench().settings, kesto::executableFolder());
        w.openDocument(example);
        w.resize(1100, 760);
        w.show();
        paint(w);
    }
}
BENCHMARK(BM_StartUpToFirstPaint)->Unit(benchmark::kMillisecond);

void BM_NextPage(benchmark::State& state) {
    auto& w = bench().largeWindow();
    int page = 0;
    for (auto _ : state) {
        page = (page + 7919) % kPages;
        w.goToPage(page);
        paint(w);
    }
}
BENCHMARK(BM_NextPage)->Unit(benchmark::kMillisecond);

// A new number in the first number cell of a page in the middle; each commit is stored.
void BM_CommitCell(benchmark::State& state) {
    auto& w = bench().largeWindow();
    w.goToPage(kPages / 2);
    const auto& cells = w.document().pageCells();
    const auto cell = std::find_if(cells.begin(), cells.end(), [](const kesto::DisplayCell& c) {
        return c.editable() && c.valueType == kesto::kValueDouble;
    });
    const int editOrder = cell->editOrder;
    const int before = w.undoStack().count();
    double value = 1;
    for (auto _ : state) {
        value += 1;
        emit w.pageView()->cellCommitted(editOrder, kesto::CellInput{value});
        paint(w);
    }
    if (w.undoStack().count() == before) {
        state.SkipWithError("no commit was stored");
    }
}
BENCHMARK(BM_CommitCell)->Unit(benchmark::kMillisecond);

void BM_OpenLargeDocument(benchmark::State& state) {
    auto& w = bench().largeWindow();
    for (auto _ : state) {
        w.openDocument(bench().largeFile);
    }
}
BENCHMARK(BM_OpenLargeDocument)->Unit(benchmark::kMillisecond)->Iterations(2);

// "Calculate all pages" with its message window filled by every page's messages, laid out and
// painted.
void BM_CalculateAllLargeDocument(benchmark::State& state) {
    auto& w = bench().largeWindow();
    for (auto _ : state) {
        w.calculateAll();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_CalculateAllLargeDocument)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    kesto::app::setUpApplication(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    bench().window.reset();
    return 0;
}
