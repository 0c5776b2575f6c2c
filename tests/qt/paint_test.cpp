#include <QFontMetrics>
#include <QPainter>
#include <QTest>

#include <algorithm>

#include "app/paint/cell_painter.h"
#include "app/paint/figure_painter.h"
#include "app/paint/font_substitution.h"
#include "app/paint/grid_font.h"
#include "example_document.h"
#include "recording_device.h"

using namespace kesto;
using namespace kesto::app;
using kesto::test::Recorded;
using kesto::test::RecordingDevice;

namespace {

std::vector<QRectF> boundsOf(const std::vector<Recorded>& items, Recorded::Kind kind) {
    std::vector<QRectF> out;
    for (const Recorded& r : items) {
        if (r.kind == kind) {
            out.push_back(r.bounds);
        }
    }
    return out;
}

bool near(double a, double b) {
    return std::abs(a - b) <= 1.0;
}

}  // namespace

class PaintTest : public QObject {
    Q_OBJECT

  private slots:
    void windowsJapaneseFontsBecomeIpaFacesOfTheirKind();
    void cellsLieOnTheCharacterGridOfTheDevice();
    void figureTurnsWithThePlateAndScalesIntoItsCell();
    void textsAreColouredByKindOnScreenAndBlackOnPaper();
};

void PaintTest::windowsJapaneseFontsBecomeIpaFacesOfTheirKind() {
    QCOMPARE(substituteFontFamily("ＭＳ 明朝"), QString("IPAMincho"));
    QCOMPARE(substituteFontFamily("ＭＳ Ｐ明朝"), QString("IPAMincho"));
    QCOMPARE(substituteFontFamily("MS Mincho"), QString("IPAMincho"));
    QCOMPARE(substituteFontFamily("ＭＳ ゴシック"), QString("IPAGothic"));
    QCOMPARE(substituteFontFamily("MS PGothic"), QString("IPAGothic"));
    QCOMPARE(substituteFontFamily("No Such Face 12345"), QString("IPAMincho"));
    installFontSubstitutes();
    QCOMPARE(QFontInfo(QFont("ＭＳ ゴシック")).family(), QString("IPAGothic"));
}

void PaintTest::cellsLieOnTheCharacterGridOfTheDevice() {
    RecordingDevice device(300, QSize(2480, 3508));
    const GridFont grid = makeGridFont(PrintFont{}, device);
    // 12 pt (height -16) at 300 dpi: 16 × 3/4 × (300 / 72 = 4) = 48 pixels.
    QCOMPARE(grid.font.pixelSize(), 48);
    // The grid unit is the width of a single-byte character; the face is fixed pitch with
    // double-byte characters exactly two units wide.
    const QFontMetrics fm(grid.font, &device);
    const int w = fm.horizontalAdvance(QLatin1Char('0'));
    const int h = fm.height() + fm.leading();
    QCOMPARE(grid.charWidth, w);
    QCOMPARE(grid.lineHeight, h);
    QCOMPARE(fm.horizontalAdvance(QString("符")), 2 * w);

    DisplayCell text;
    text.cellColumn = 3;
    text.cellRow = 2;
    text.cellWidth = 8;
    text.valueTarget = std::string("OK");
    text.textFlags = kTextSingleLine | kTextCentred | kTextBottom;
    DisplayCell figure;
    figure.cellKind = kCellFigure;
    figure.cellWidth = 20;
    figure.cellHeight = 5;
    {
        QPainter p(&device);
        paintCells(p, QPoint(100, 50), grid, {text, figure}, ColumnBaseFigure{}, Ink::screen);
    }
    const auto rects = boundsOf(device.items(), Recorded::rect);
    QCOMPARE(rects.size(), std::size_t{2});
    // Borders run from the cell's left edge to its right edge inclusive, so that neighbours
    // share a line.
    QCOMPARE(rects[0], QRectF(100 + 3 * w, 50 + 2 * h, 8 * w, h));
    QCOMPARE(rects[1], QRectF(100, 50, 20 * w, 5 * h));
}

void PaintTest::figureTurnsWithThePlateAndScalesIntoItsCell() {
    kesto::test::ExampleDocument example;
    const KestoDocument& doc = *example.document;
    // The first page: a 350 square tube, 3 + 3 bolts (eight on a ring), two ribs each way;
    // its plate made 650 (along x) by 400 (along y).
    CKesto page = *doc.currentPage();
    page.plateD = 650;
    page.plateB = 400;
    const QRect cell(10, 20, 400, 400);
    const auto paint = [&](int rotated, Ink ink) {
        page.rotated = static_cast<std::uint8_t>(rotated);
        RecordingDevice device(96, QSize(500, 500));
        QPainter p(&device);
        paintColumnBaseFigure(p, buildColumnBaseFigure(doc.conditions(), page, printFigure(ink)),
                              cell, ink);
        p.end();
        return device.items();
    };
    // The window is the plate plus 100 mm all round: 850 × 600 mm into 400 × 400 pixels.
    const double s = 400.0 / 850.0;
    const QPointF centre(210, 220);

    const auto flat = paint(0, Ink::screen);
    const auto outlines = boundsOf(flat, Recorded::polygon);
    QCOMPARE(outlines.size(), std::size_t{3});  // the plate and the tube's two walls
    QVERIFY(near(outlines[0].width(), 650 * s));
    QVERIFY(near(outlines[0].height(), 400 * s));
    QVERIFY(near(outlines[0].center().x(), centre.x()));
    QVERIFY(near(outlines[0].center().y(), centre.y()));
    QCOMPARE(boundsOf(flat, Recorded::line).size(), std::size_t{8});  // ribs as single lines
    const auto bolts = boundsOf(flat, Recorded::ellipse);
    QCOMPARE(bolts.size(), std::size_t{8});
    for (const QRectF& b : bolts) {
        QVERIFY(near(b.width(), 32 * s));
        QVERIFY(near(b.height(), 32 * s));
    }
    QVERIFY(std::all_of(flat.begin(), flat.end(),
                        [](const Recorded& r) { return r.pen == QColor(0, 0, 255); }));

    // Turned by 90°, the 650 mm side runs down the cell, at the same scale (600 × 850 window).
    const auto turned = boundsOf(paint(1, Ink::screen), Recorded::polygon);
    QVERIFY(near(turned[0].width(), 400 * s));
    QVERIFY(near(turned[0].height(), 650 * s));
    QVERIFY(near(turned[0].center().x(), centre.x()));

    // On paper: black, the ribs drawn their thickness (rectangles, no single lines).
    const auto printed = paint(0, Ink::print);
    QCOMPARE(boundsOf(printed, Recorded::line).size(), std::size_t{0});
    QCOMPARE(boundsOf(printed, Recorded::polygon).size(), std::size_t{3 + 8});
    QVERIFY(std::all_of(printed.begin(), printed.end(),
                        [](const Recorded& r) { return r.pen == QColor(0, 0, 0); }));
}

void PaintTest::textsAreColouredByKindOnScreenAndBlackOnPaper() {
    kesto::test::ExampleDocument example;
    const auto& cells = example.document->pageCells();
    // Every cell with a text gives one run of glyphs, in cell order.
    std::vector<QColor> expected;
    int ng = 0;
    for (const DisplayCell& c : cells) {
        const std::string text = cellText(c);
        if (c.cellKind == kCellFigure || text.empty()) {
            continue;
        }
        if (c.cellKind == kCellJudgement) {
            ng += text == "NG";
            expected.push_back(text == "NG" ? QColor(255, 0, 0) : QColor(0, 0, 0));
        } else {
            expected.push_back(c.cellKind == kCellDisplay ? QColor(0, 0, 0) : QColor(0, 0, 255));
        }
    }
    QVERIFY(ng > 0);  // the example has a page that fails
    for (const Ink ink : {Ink::screen, Ink::print}) {
        RecordingDevice device(96, QSize(1000, 1000));
        {
            QPainter p(&device);
            paintCells(p, QPoint(0, 0), makeGridFont(PrintFont{}, device), cells,
                       ColumnBaseFigure{}, ink);
        }
        std::vector<QColor> drawn;
        for (const Recorded& r : device.items()) {
            if (r.kind == Recorded::glyphs) {
                drawn.push_back(r.pen);
            }
        }
        if (ink == Ink::print) {
            std::fill(expected.begin(), expected.end(), QColor(0, 0, 0));
        }
        QCOMPARE(drawn, expected);
    }
}

QTEST_MAIN(PaintTest)
#include "paint_test.moc"
