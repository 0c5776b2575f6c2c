#include "document/text_report.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "base/codepage.h"

namespace kesto {
namespace {

// A sheet of fixed-width character positions; a double-byte character takes two positions.
// A position holds its character's bytes in place: a report of tens of thousands of sheets
// puts hundreds of millions of characters, and a string for each cost more than the report.
class CharCanvas {
  public:
    void put(int column, int row, std::string_view text, int maxWidth) {
        if (row < 0 || column < 0) {
            return;
        }
        auto& line = lineAt(row);
        int col = column;
        for (std::size_t i = 0; i < text.size();) {
            const std::size_t n =
                std::min(utf8SequenceLength(static_cast<unsigned char>(text[i])), text.size() - i);
            const std::string_view glyph = text.substr(i, n);
            i += n;
            const int width = static_cast<unsigned char>(glyph[0]) < 0x80
                                  ? 1
                                  : static_cast<int>(cp932Length(glyph));
            if (col + width > column + maxWidth) {
                break;
            }
            if (line.size() < static_cast<std::size_t>(col + width)) {
                line.resize(static_cast<std::size_t>(col + width));
            }
            line[static_cast<std::size_t>(col)] = pack(glyph);
            for (int k = 1; k < width; ++k) {
                line[static_cast<std::size_t>(col + k)].size = 0;
            }
            col += width;
        }
    }

    int rows() const { return static_cast<int>(lines_.size()); }
    int width() const {
        std::size_t w = 0;
        for (const auto& l : lines_) {
            w = std::max(w, l.size());
        }
        return static_cast<int>(w);
    }

    // The lines without trailing blanks, each ended by a line feed.
    void appendText(std::string& out) const {
        for (const auto& line : lines_) {
            std::size_t kept = out.size();
            for (const Glyph& g : line) {
                out.append(g.bytes.data(), g.size);
                if (g.size != 0 && !(g.size == 1 && g.bytes[0] == ' ')) {
                    kept = out.size();
                }
            }
            out.resize(kept);
            out += '\n';
        }
    }

  private:
    // One character's UTF-8 bytes; none on the second position of a double-byte character.
    struct Glyph {
        std::array<char, 4> bytes{' '};
        std::uint8_t size = 1;
    };

    static Glyph pack(std::string_view glyph) {
        Glyph g;
        std::copy(glyph.begin(), glyph.end(), g.bytes.begin());
        g.size = static_cast<std::uint8_t>(glyph.size());
        return g;
    }

    std::vector<Glyph>& lineAt(int row) {
        if (lines_.size() <= static_cast<std::size_t>(row)) {
            lines_.resize(static_cast<std::size_t>(row) + 1);
        }
        return lines_[static_cast<std::size_t>(row)];
    }

    std::vector<std::vector<Glyph>> lines_;
};

void drawLines(CharCanvas& canvas, const std::vector<std::string>& lines, int first, int count) {
    for (int k = 0; k < count; ++k) {
        const auto index = static_cast<std::size_t>(first + k);
        if (index < lines.size()) {
            canvas.put(0, k, lines[index], 1 << 20);
        }
    }
}

void drawCell(CharCanvas& canvas, int x, int y, const DisplayCell& cell) {
    const std::string text = cellText(cell);
    const int width = static_cast<int>(cp932Length(text));
    int column = x + cell.cellColumn;
    if ((cell.textFlags & kTextCentred) != 0 && width < cell.cellWidth) {
        column += (cell.cellWidth - width) / 2;
    }
    // Bottom-aligned text sits on the cell's last row, vertically centred text in its middle.
    int row = y + cell.cellRow;
    if ((cell.textFlags & kTextBottom) != 0) {
        row += cell.cellHeight - 1;
    } else if ((cell.textFlags & kTextVCentred) != 0) {
        row += (cell.cellHeight - 1) / 2;
    }
    canvas.put(column, row, text, cell.cellWidth);
}

}  // namespace

void renderTextReport(KestoDocument& doc, const std::function<void(std::string_view)>& write) {
    constexpr std::size_t kBlockBytes = std::size_t{1} << 20;
    const PrintSettings& s = doc.printSettings();
    doc.rebuildMessageLines();
    const std::vector<std::string> printLines = doc.buildConditionLines(true);
    // Counted from the lines printed (the output unit's), so that none is lost.
    const SheetCounts counts = countSheets(
        s, printLines.size(), static_cast<std::size_t>(doc.pageCount()), doc.messageLines().size());

    // One character per width unit and one line per row; margins and page-number offsets,
    // given in millimetres, have no place on a character grid.
    PrintSettings grid = s;
    grid.leftMarginMm = grid.topMarginMm = 0;
    grid.pageNumberOffsetX = grid.pageNumberOffsetY = 0;
    DeviceMetrics metrics;
    metrics.dpiX = metrics.dpiY = 0;
    metrics.charWidth = 1;
    metrics.lineHeight = 1;

    std::string out;
    for (int n = 1; n <= counts.total(); ++n) {
        const SheetContent sheet = describeSheet(s, counts, n, doc.pageCount());
        CharCanvas canvas;
        int sheetWidth = 80;
        if (sheet.kind == SheetContent::kPolicy) {
            drawLines(canvas, printLines, sheet.firstLine, s.linesPerSheet);
        } else if (sheet.kind == SheetContent::kMessages) {
            drawLines(canvas, doc.messageLines(), sheet.firstLine, s.linesPerSheet);
        } else {
            std::vector<ResultGrid> grids;
            std::vector<BlockExtent> extents;
            for (const auto& slot : sheet.blocks) {
                grids.push_back(doc.printCells(slot.pageIndex, slot.labelsOff));
                const GridExtent e = gridExtent(grids.back().cells);
                extents.push_back({e.columns, e.rows});
            }
            const auto placed = placeBlocks(grid, metrics, sheet.blocks, extents);
            for (std::size_t b = 0; b < placed.size(); ++b) {
                sheetWidth = std::max(sheetWidth, placed[b].right);
                for (const auto& cell : grids[b].cells) {
                    drawCell(canvas, placed[b].x, placed[b].y, cell);
                }
            }
        }
        const std::string number = pageNumberText(s, sheet.number);
        if (!number.empty()) {
            const int bodyRows = canvas.rows();
            metrics.printableWidth = std::max(canvas.width(), sheetWidth);
            metrics.printableHeight = bodyRows + 2;
            const TextPosition p = pageNumberPosition(grid, metrics, cp932Length(number));
            if (s.pageNumberAtBottom != 0) {
                canvas.put(p.x, bodyRows + 1, number, 1 << 20);
            } else {
                CharCanvas withNumber;
                withNumber.put(p.x, 0, number, 1 << 20);
                withNumber.appendText(out);
                out += '\n';
            }
        }
        canvas.appendText(out);
        out += "\f\n";
        if (out.size() >= kBlockBytes) {
            write(out);
            out.clear();
        }
    }
    if (!out.empty()) {
        write(out);
    }
}

std::string renderTextReport(KestoDocument& doc) {
    std::string text;
    renderTextReport(doc, [&](std::string_view block) { text += block; });
    return text;
}

}  // namespace kesto
