#include "app/print/report_sheets.h"

#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

#include "app/paint/cell_painter.h"
#include "app/paint/grid_font.h"
#include "app/print/sheet_paper.h"
#include "base/codepage.h"
#include "document/document.h"
#include "report/figure.h"

namespace kesto::app {
namespace {

// The resolution of PDF output: fine enough that the 1-unit cell borders and the figure's
// lines come out as on a laser printer.
constexpr int kPdfResolution = 600;

DeviceMetrics metricsOf(const QPaintDevice& device, const GridFont& grid) {
    DeviceMetrics m;
    m.dpiX = device.logicalDpiX();
    m.dpiY = device.logicalDpiY();
    m.charWidth = grid.charWidth;
    m.lineHeight = grid.lineHeight;
    m.printableWidth = device.width();
    m.printableHeight = device.height();
    return m;
}

}  // namespace

ReportSheets::ReportSheets(KestoDocument& document)
    : document_(document),
      settings_(document.printSettings()),
      conditionLines_(settings_.printPolicy != 0 ? document.buildConditionLines(true)
                                                 : std::vector<std::string>{}) {
    document_.rebuildMessageLines();
    // The policy sheets are counted from the lines that are printed (those of the output
    // unit), so that no line of the signed report is lost and no blank sheet appears when the
    // policy texts of the two unit systems differ in length.
    counts_ = countSheets(settings_, conditionLines_.size(),
                          static_cast<std::size_t>(document_.pageCount()),
                          document_.messageLines().size());
}

SheetContent ReportSheets::sheet(int n) const {
    return describeSheet(settings_, counts_, n, document_.pageCount());
}

void ReportSheets::paintSheet(QPainter& painter, const QPaintDevice& device, int n) const {
    const SheetContent sheet = this->sheet(n);
    GridFont grid = makeGridFont(settings_.printFont, device);
    DeviceMetrics m = metricsOf(device, grid);

    painter.save();
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(QPen(Qt::black, 1));
    painter.setFont(grid.font);
    const QPoint origin(mmToDevice(m.dpiX, settings_.leftMarginMm),
                        mmToDevice(m.dpiY, settings_.topMarginMm));
    if (sheet.kind == SheetContent::kBlocks) {
        grid.charWidth = widen(grid.charWidth);
        grid.lineHeight = widen(grid.lineHeight);
        m.charWidth = grid.charWidth;
        m.lineHeight = grid.lineHeight;
        std::vector<ResultGrid> grids;
        std::vector<BlockExtent> extents;
        grids.reserve(sheet.blocks.size());
        for (const BlockSlot& slot : sheet.blocks) {
            grids.push_back(document_.printCells(slot.pageIndex, slot.labelsOff));
            const GridExtent e = gridExtent(grids.back().cells);
            extents.push_back({e.columns, e.rows});
        }
        const std::vector<PlacedBlock> placed = placeBlocks(settings_, m, sheet.blocks, extents);
        for (std::size_t b = 0; b < placed.size(); ++b) {
            const CKesto& page =
                document_.conditions().pages[static_cast<std::size_t>(sheet.blocks[b].pageIndex)];
            const ColumnBaseFigure figure =
                buildColumnBaseFigure(document_.conditions(), page, printFigure(Ink::print));
            paintCells(painter, QPoint(placed[b].x, placed[b].y), grid, grids[b].cells, figure,
                       Ink::print);
        }
    } else {
        const auto& lines =
            sheet.kind == SheetContent::kPolicy ? conditionLines_ : document_.messageLines();
        drawGridLines(painter, grid, origin, lines, static_cast<std::size_t>(sheet.firstLine),
                      static_cast<std::size_t>(settings_.linesPerSheet));
    }

    const std::string number = pageNumberText(settings_, sheet.number);
    if (!number.empty()) {
        const TextPosition p = pageNumberPosition(settings_, m, cp932Length(number));
        drawGridText(painter, grid, QPoint(p.x, p.y), number);
    }
    painter.restore();
}

bool ReportSheets::paintAll(QPagedPaintDevice& device, int first, int last,
                            const SheetObserver& observer) const {
    first = std::max(first, 1);
    last = last <= 0 ? sheetCount() : std::min(last, sheetCount());
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    for (int n = first; n <= last; ++n) {
        if (n > first && !device.newPage()) {
            painter.end();
            return false;
        }
        if (observer) {
            observer(sheet(n), n - first, last - first + 1);
        }
        paintSheet(painter, device, n);
    }
    return painter.end();
}

QString writeReportPdf(KestoDocument& document, const QString& path,
                       const SheetObserver& observer) {
    QPdfWriter pdf(path);
    pdf.setResolution(kPdfResolution);
    pdf.setPageLayout(sheetLayout(document.printSettings()));
    pdf.setCreator(QCoreApplication::applicationName());
    const QString building = QString::fromStdString(document.buildingName());
    pdf.setTitle(building.isEmpty() ? QCoreApplication::applicationName() : building);
    const ReportSheets sheets(document);
    if (!sheets.paintAll(pdf, 0, 0, observer)) {
        return QStringLiteral("%1 に書き込めません。").arg(path);
    }
    return {};
}

}  // namespace kesto::app
