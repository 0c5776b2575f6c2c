// The printed report: sheet counts, block placement and page numbers drawn on a recording
// device of known resolution, the print preview, and PDF output.
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>

#include "app/main_window.h"
#include "app/paint/cell_painter.h"
#include "app/paint/grid_font.h"
#include "app/print/report_sheets.h"
#include "base/codepage.h"
#include "qt_test_support.h"
#include "recording_device.h"

using namespace kesto;
using namespace kesto::app;
using kesto::test::Recorded;
using kesto::test::RecordingDevice;
using kesto::test::TestProgram;

namespace {

// A4 at screen resolution: large fonts would reach the device as outlines, not as texts.
constexpr int kDpi = 96;
const QSize kA4(794, 1123);

void makePages(KestoDocument& d, int count) {
    while (d.pageCount() < count) {
        d.insertPage();
        d.setField({d.currentPageIndex(), FieldRef::kMark}, "P" + std::to_string(d.pageCount()));
    }
}

PrintSettings blocksOnly(int across, int down) {
    PrintSettings s;
    s.blocksAcross = across;
    s.blocksDown = down;
    s.printPolicy = 0;
    s.printMessages = 0;
    return s;
}

std::vector<Recorded> drawSheet(ReportSheets& sheets, int n) {
    RecordingDevice device(kDpi, kA4);
    QPainter painter(&device);
    sheets.paintSheet(painter, device, n);
    painter.end();
    return device.items();
}

bool hasRect(const std::vector<Recorded>& items, const QRect& r) {
    return std::any_of(items.begin(), items.end(), [&](const Recorded& i) {
        return i.kind == Recorded::rect && i.bounds.toRect() == r.adjusted(0, 0, -1, -1);
    });
}

GridFont widenedGrid(const PrintSettings& s) {
    RecordingDevice device(kDpi, kA4);
    GridFont g = makeGridFont(s.printFont, device);
    g.charWidth = widen(g.charWidth);
    g.lineHeight = widen(g.lineHeight);
    return g;
}

}  // namespace

class PrintTest : public QObject {
    Q_OBJECT
  private slots:
    void sevenPagesAtTwoByTwoFillTwoSheetsTheSecondWithThreeBlocks();
    void policySheetsAreCountedFromThePrintedLines();
    void previewShowsEverySheet();
    void pdfHoldsEverySheetAndRefusesAnUnwritableFile();
};

void PrintTest::sevenPagesAtTwoByTwoFillTwoSheetsTheSecondWithThreeBlocks() {
    TestProgram program;
    MainWindow w(program.settings(), program.folder());
    KestoDocument& d = w.document();
    makePages(d, 7);
    const PrintSettings s = blocksOnly(2, 2);
    d.setPrintSettings(s);
    ReportSheets sheets(d);
    QCOMPARE(sheets.sheetCount(), 2);
    QCOMPARE(sheets.counts().blocks, 2);

    // Sheet 2 holds pages 5 and 6 side by side and page 7 below the first of them.
    const std::vector<Recorded> items = drawSheet(sheets, 2);
    const GridFont g = widenedGrid(s);
    const int left = mmToDevice(kDpi, s.leftMarginMm);
    const int top = mmToDevice(kDpi, s.topMarginMm);
    const ResultGrid first = d.printCells(4, false);
    const ResultGrid second = d.printCells(5, true);
    const ResultGrid third = d.printCells(6, false);
    const GridExtent e1 = gridExtent(first.cells);
    const QPoint origins[] = {{left, top},
                              {left + g.charWidth * e1.columns, top},
                              {left, top + g.lineHeight * e1.rows + g.lineHeight}};
    const ResultGrid* grids[] = {&first, &second, &third};
    for (int b = 0; b < 3; ++b) {
        for (const DisplayCell& cell : grids[b]->cells) {
            QVERIFY2(hasRect(items, cellRectangle(origins[b], g, cell)),
                     qPrintable(QStringLiteral("block %1 cell %2,%3")
                                    .arg(b)
                                    .arg(cell.cellColumn)
                                    .arg(cell.cellRow)));
        }
    }
    // A fourth block would start right of the third: nothing is drawn there.
    const GridExtent e3 = gridExtent(third.cells);
    QVERIFY(!hasRect(items, cellRectangle({left + g.charWidth * e3.columns, origins[2].y()}, g,
                                          second.cells.front())));
}

void PrintTest::policySheetsAreCountedFromThePrintedLines() {
    TestProgram program;
    MainWindow w(program.settings(), program.folder());
    KestoDocument& d = w.document();
    PrintSettings s;
    s.printMessages = 0;
    for (const int unit : {0, 1}) {
        s.outputUnitSystem = unit;
        d.setPrintSettings(s);
        const auto printed = d.buildConditionLines(true);
        const ReportSheets sheets(d);
        const int expected = static_cast<int>((printed.size() + 59) / 60);
        QCOMPARE(sheets.counts().policy, expected);
        QCOMPARE(sheets.sheetCount(), expected + 1);
    }
    // 61 lines at 60 a sheet: the second sheet holds the last line alone.
    s.linesPerSheet = static_cast<int>(d.buildConditionLines(true).size()) - 1;
    d.setPrintSettings(s);
    QCOMPARE(ReportSheets(d).counts().policy, 2);
}

void PrintTest::previewShowsEverySheet() {
    TestProgram program;
    MainWindow w(program.settings(), program.folder());
    makePages(w.document(), 5);
    w.document().setModified(false);
    PrintSettings s = blocksOnly(2, 1);
    s.printPolicy = 1;
    w.document().setPrintSettings(s);
    const int expected = ReportSheets(w.document()).sheetCount();
    int shown = -1;
    QTimer::singleShot(0, &w, [&] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* preview = qobject_cast<QPrintPreviewDialog*>(top)) {
                shown = preview->findChild<QPrintPreviewWidget*>()->pageCount();
                preview->reject();
            }
        }
    });
    w.previewReport();
    QCOMPARE(shown, expected);
    QVERIFY(!w.document().isModified());
}

void PrintTest::pdfHoldsEverySheetAndRefusesAnUnwritableFile() {
    TestProgram program;
    MainWindow w(program.settings(), program.folder());
    makePages(w.document(), 3);
    w.document().setModified(false);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    QVERIFY(writeReportPdf(w.document(), path).isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    const int pages = static_cast<int>(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") +
                                       pdf.count("/Type /Page "));
    QCOMPARE(pages, ReportSheets(w.document()).sheetCount());
    QVERIFY(pdf.contains("/FontFile2"));  // the font travels with the file
    QVERIFY(!w.document().isModified());

    const QString error = writeReportPdf(w.document(), dir.filePath(QStringLiteral("no/x.pdf")));
    QVERIFY(error.contains(QStringLiteral("書き込めません")));
}

QTEST_MAIN(PrintTest)
#include "print_test.moc"
