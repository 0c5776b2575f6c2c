// The printed report: sheet counts, block placement and page numbers drawn on a recording
// device of known resolution, the print preview, and PDF output.
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
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
#include "app/print/sheet_paper.h"
#include "base/codepage.h"
#include "dialogs/print_page_dialog.h"
#include "modal_closer.h"
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

// Sheet `n` on a white A4 image of the same resolution.
QImage sheetImage(ReportSheets& sheets, int n) {
    QImage image(kA4, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(kDpi / 0.0254));
    image.setDotsPerMeterY(qRound(kDpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    sheets.paintSheet(painter, image, n);
    return image;
}

// Whether anything is drawn inside `r`.
bool inked(const QImage& image, const QRect& r) {
    for (int y = std::max(0, r.top()); y <= std::min(image.height() - 1, r.bottom()); ++y) {
        for (int x = std::max(0, r.left()); x <= std::min(image.width() - 1, r.right()); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                return true;
            }
        }
    }
    return false;
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
    void pageNumbersFollowTheSheetAndSkipZero();
    void policySheetsAreCountedFromThePrintedLines();
    void pageDialogRefusesNonIntegersAndValuesOutOfRange();
    void previewShowsEverySheet();
    void pdfHoldsEverySheetAndRefusesAnUnwritableFile();
    void paperIsKeptByNameAndOrientation();
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

void PrintTest::pageNumbersFollowTheSheetAndSkipZero() {
    TestProgram program;
    MainWindow w(program.settings(), program.folder());
    KestoDocument& d = w.document();
    makePages(d, 2);
    PrintSettings s = blocksOnly(1, 1);
    s.firstPageNumber = 7;
    d.setPrintSettings(s);
    const GridFont g = widenedGrid(s);
    const DeviceMetrics m{kDpi, kDpi, g.charWidth, g.lineHeight, kA4.width(), kA4.height()};
    // The number's place, three characters of the widened grid centred at the bottom.
    const TextPosition p = pageNumberPosition(s, m, 3);
    QCOMPARE(p.x, (kA4.width() - 3 * g.charWidth) / 2);
    QCOMPARE(p.y, kA4.height() - g.lineHeight - mmToDevice(kDpi, 10));
    const QRect number(p.x, p.y, 3 * g.charWidth, g.lineHeight);
    const QRect left(0, p.y, p.x - 1, g.lineHeight);
    {
        // With neither conditions nor messages printed, sheet 1 is the first block sheet and
        // carries the first number.
        ReportSheets sheets(d);
        QCOMPARE(sheets.sheetCount(), 2);
        const QImage first = sheetImage(sheets, 1);
        QVERIFY(inked(first, number));
        QVERIFY(!inked(first, left));
    }
    s.firstPageNumber = 0;
    d.setPrintSettings(s);
    ReportSheets sheets(d);
    QVERIFY(!inked(sheetImage(sheets, 1), number));
    QVERIFY(inked(sheetImage(sheets, 2), number));
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

void PrintTest::pageDialogRefusesNonIntegersAndValuesOutOfRange() {
    PrintSettings initial;
    initial.pageNumberAlign = 2;
    dialogs::PrintPageDialog dialog(initial);
    const auto edits = dialog.findChildren<QLineEdit*>();
    // In order: 横配列数, 縦配列数, 左余白, 上余白, 行数, 開始番号, 上下位置, 左右位置, 番号書式.
    QCOMPARE(edits.size(), 9);
    QCOMPARE(edits[8]->text(), QStringLiteral("-%d-"));
    QStringList labels;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        labels << label->text();
    }
    for (const char* caption : {"左余白", "上余白", "上下位置", "左右位置"}) {
        QVERIFY2(labels.contains(QString::fromUtf8(caption)), caption);
    }
    QCOMPARE(labels.count(QStringLiteral("mm")), 4);
    const auto attempt = [&](int field, const QString& text) {
        edits[field]->setText(text);
        test::ModalCloser closer;
        dialog.accept();
        return closer.messages.value(0);
    };
    QCOMPARE(attempt(0, QStringLiteral("11")),
             QStringLiteral("1 から 10 までの整数を入力してください。"));
    QCOMPARE(attempt(0, QStringLiteral("2.5")), QStringLiteral("整数を入力してください。"));
    edits[0]->setText(QStringLiteral("2"));
    QCOMPARE(attempt(4, QStringLiteral("4")),
             QStringLiteral("5 から 999 までの整数を入力してください。"));
    QVERIFY(dialog.result() != QDialog::Accepted);
    edits[0]->setText(QStringLiteral("3"));
    edits[4]->setText(QStringLiteral("999"));
    edits[5]->setText(QStringLiteral("0"));
    edits[8]->setText(QStringLiteral("P.%d"));
    dialog.findChildren<QCheckBox*>()[1]->setChecked(false);
    QCOMPARE(attempt(2, QStringLiteral("-5")), QString());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const PrintSettings& s = dialog.settings();
    QCOMPARE(s.blocksAcross, 3);
    QCOMPARE(s.linesPerSheet, 999);
    QCOMPARE(s.leftMarginMm, -5);
    QCOMPARE(s.firstPageNumber, 0);
    QCOMPARE(s.pageNumberFormat, std::string("P.%d"));
    QCOMPARE(s.printMessages, 0);
    QCOMPARE(s.printPolicy, 1);
    QCOMPARE(s.pageNumberAlign, 2);
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

    // The window's PDF output tells the run sheet by sheet and then shows the current page.
    w.document().goToPage(1);
    QVERIFY(w.writePdf(path));
    QCOMPARE(w.pagePaneText(), QStringLiteral("2/3"));

    const QString error = writeReportPdf(w.document(), dir.filePath(QStringLiteral("no/x.pdf")));
    QVERIFY(error.contains(QStringLiteral("書き込めません")));
}

void PrintTest::paperIsKeptByNameAndOrientation() {
    PrintSettings s;
    s.paperName = "B4";
    s.paperLandscape = 1;
    const QPageLayout jisB4 = sheetLayout(s);
    QCOMPARE(jisB4.pageSize().id(), QPageSize::JisB4);
    QCOMPARE(jisB4.orientation(), QPageLayout::Landscape);
    QCOMPARE(jisB4.margins(), QMarginsF());

    PrintSettings kept;
    keepPaper(QPageLayout(QPageSize(QPageSize::A3), QPageLayout::Landscape, QMarginsF()), kept);
    QCOMPARE(kept.paperName, std::string("A3"));
    QCOMPARE(kept.paperLandscape, 1);
    // A custom size has no name: the paper kept before stays.
    keepPaper(QPageLayout(QPageSize(QSizeF(100, 150), QPageSize::Millimeter), QPageLayout::Portrait,
                          QMarginsF()),
              kept);
    QCOMPARE(kept.paperName, std::string("A3"));
    QCOMPARE(kept.paperLandscape, 0);

    s.paperName = "nonsense";
    QCOMPARE(sheetLayout(s).pageSize().id(), QPageSize::A4);
}

QTEST_MAIN(PrintTest)
#include "print_test.moc"
