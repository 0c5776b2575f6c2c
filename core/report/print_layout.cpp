#include "report/print_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "base/text_format.h"

namespace kesto {
namespace {

int ceilDiv(std::size_t a, int b) {
    if (b <= 0) {
        return 0;
    }
    return static_cast<int>((a + static_cast<std::size_t>(b) - 1) / static_cast<std::size_t>(b));
}

int blocksPerSheet(const PrintSettings& s) {
    return std::max(1, s.blocksAcross) * std::max(1, s.blocksDown);
}

// True when `format` holds exactly one integer conversion and otherwise only "%%".
bool isSafeNumberFormat(const std::string& format) {
    int conversions = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            continue;
        }
        ++i;
        if (i < format.size() && format[i] == '%') {
            continue;
        }
        while (i < format.size() &&
               std::string_view("-+ 0#").find(format[i]) != std::string::npos) {
            ++i;
        }
        std::size_t digits = 0;
        while (i < format.size() && format[i] >= '0' && format[i] <= '9' && digits < 3) {
            ++i;
            ++digits;
        }
        if (i >= format.size() || std::string_view("diu").find(format[i]) == std::string::npos) {
            return false;
        }
        ++conversions;
    }
    return conversions == 1;
}

}  // namespace

int fontHeightFromPoint(int point) {
    return -static_cast<int>(point * 4.0 / 3.0 + 0.5);
}

int fontPointFromHeight(int height) {
    return static_cast<int>(std::abs(height) * 3.0 / 4.0 + 0.5);
}

SheetCounts countSheets(const PrintSettings& s, std::size_t conditionLineCount,
                        std::size_t pageCount, std::size_t messageLineCount) {
    SheetCounts c;
    c.policy = s.printPolicy != 0 ? ceilDiv(conditionLineCount, s.linesPerSheet) : 0;
    c.blocks = ceilDiv(pageCount, blocksPerSheet(s));
    c.messages = s.printMessages != 0 ? ceilDiv(messageLineCount, s.linesPerSheet) : 0;
    return c;
}

SheetContent describeSheet(const PrintSettings& s, const SheetCounts& counts, int n,
                           int pageCount) {
    SheetContent sheet;
    sheet.number = s.firstPageNumber + n - 1;
    if (n <= counts.policy) {
        sheet.kind = SheetContent::kPolicy;
        sheet.firstLine = (n - 1) * s.linesPerSheet;
        return sheet;
    }
    if (n <= counts.policy + counts.blocks) {
        sheet.kind = SheetContent::kBlocks;
        const int across = std::max(1, s.blocksAcross);
        int index = (n - 1 - counts.policy) * blocksPerSheet(s);
        for (int row = 0; row < std::max(1, s.blocksDown) && index < pageCount; ++row) {
            for (int col = 0; col < across && index < pageCount; ++col, ++index) {
                sheet.blocks.push_back({index, row, col, col > 0});
            }
        }
        return sheet;
    }
    sheet.kind = SheetContent::kMessages;
    sheet.firstLine = (n - 1 - counts.policy - counts.blocks) * s.linesPerSheet;
    return sheet;
}

std::string pageNumberText(const PrintSettings& s, int number) {
    if (s.printPageNumber == 0 || number <= 0) {
        return std::string();
    }
    const std::string& format = isSafeNumberFormat(s.pageNumberFormat)
                                    ? s.pageNumberFormat
                                    : PrintSettings{}.pageNumberFormat;
    return strprintf(format.c_str(), number);
}

int mmToDevice(int dpi, int mm) {
    return static_cast<int>(dpi * mm / 25.4 + 0.5);
}

int sheetFontHeight(const PrintFont& font, int dpiY) {
    const int scale = dpiY / 72;
    return -static_cast<int>(std::abs(font.height) * 3.0 / 4.0 * scale + 0.5);
}

int widen(int size) {
    return static_cast<int>(size * 1.1 + 0.5);
}

std::vector<PlacedBlock> placeBlocks(const PrintSettings& s, const DeviceMetrics& m,
                                     const std::vector<BlockSlot>& slots,
                                     const std::vector<BlockExtent>& extents) {
    std::vector<PlacedBlock> placed;
    const int left = mmToDevice(m.dpiX, s.leftMarginMm);
    int x = left;
    int y = mmToDevice(m.dpiY, s.topMarginMm);
    for (std::size_t i = 0; i < slots.size() && i < extents.size(); ++i) {
        if (i > 0 && slots[i].row != slots[i - 1].row) {
            x = left;
            y = placed.back().bottom + m.lineHeight;
        }
        PlacedBlock b;
        b.x = x;
        b.y = y;
        b.right = x + m.charWidth * extents[i].columns;
        b.bottom = y + m.lineHeight * extents[i].rows;
        placed.push_back(b);
        x = b.right;
    }
    return placed;
}

DeviceRect cellRect(int x, int y, const DeviceMetrics& m, int column, int row, int width,
                    int height) {
    DeviceRect r;
    r.left = x + m.charWidth * column;
    r.top = y + m.lineHeight * row;
    r.right = r.left + m.charWidth * width + 1;
    r.bottom = r.top + m.lineHeight * height + 1;
    return r;
}

ScreenLayout screenLayout(const BlockExtent& cells, int charWidth, int lineHeight,
                          int conditionsWidth, int conditionsLineCount, int conditionsLineHeight) {
    ScreenLayout s;
    if (cells.columns == 0 && cells.rows == 0) {
        return s;
    }
    const int cellsRight = charWidth * cells.columns;
    const int cellsBottom = lineHeight * cells.rows;
    s.conditionsLeft = cellsRight + charWidth;
    const int right = std::max(cellsRight, s.conditionsLeft + conditionsWidth);
    const int bottom = std::max(cellsBottom, conditionsLineCount * conditionsLineHeight);
    s.scrollWidth = right + 2 * charWidth;
    s.scrollHeight = bottom + 2 * lineHeight;
    return s;
}

TextPosition pageNumberPosition(const PrintSettings& s, const DeviceMetrics& m,
                                std::size_t textBytes) {
    const int offsetX = mmToDevice(m.dpiX, s.pageNumberOffsetX);
    const int offsetY = mmToDevice(m.dpiY, s.pageNumberOffsetY);
    const int textWidth = static_cast<int>(textBytes) * m.charWidth;
    TextPosition p;
    switch (s.pageNumberAlign) {
        case 0:
            p.x = offsetX;
            break;
        case 2:
            p.x = m.printableWidth - textWidth - offsetX;
            break;
        default:
            p.x = (m.printableWidth - textWidth) / 2;
            break;
    }
    p.y = s.pageNumberAtBottom != 0 ? m.printableHeight - m.lineHeight - offsetY : offsetY;
    return p;
}

}  // namespace kesto
