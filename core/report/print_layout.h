// The printed calculation report as data: the print settings, how many sheets of each kind the
// report takes, what each sheet holds, where the page blocks of a sheet go and where its page
// number is drawn, for given device metrics. The platform layer only draws what this says.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace kesto {

// The logical print font: face, height in logical units (negative: character height), weight
// and italic flag. The other font fields are fixed: Shift-JIS character set, stroke output
// precision, fixed pitch roman family.
struct PrintFont {
    std::string faceName = "ＭＳ 明朝";
    int height = -16;
    int weight = 400;
    int italic = 0;
};

// Height of a font of `point` points: -(point * 4 / 3 + 0.5), truncated.
int fontHeightFromPoint(int point);
// Point size of a font height: |height| * 3 / 4 + 0.5, truncated.
int fontPointFromHeight(int height);

struct PrintSettings {
    PrintFont printFont;
    int printPolicy = 1;
    int printMessages = 1;
    int printPageNumber = 1;
    int blocksAcross = 1;
    int blocksDown = 1;
    int linesPerSheet = 60;
    int topMarginMm = 15;
    int leftMarginMm = 15;
    int firstPageNumber = 1;
    int pageNumberOffsetX = 0;
    int pageNumberOffsetY = 10;
    int pageNumberAtBottom = 1;
    int pageNumberAlign = 1;  // 0 left, 1 centre, 2 right
    std::string pageNumberFormat = "-%d-";
    int outputUnitSystem = 1;
    // The paper of the sheets, chosen in the printer set-up: its PostScript name ("A4", "A3",
    // "B4" for JIS B4, "Letter" …) and orientation (1 landscape), so that wide block sheets
    // also fit on paper without a printer (PDF output).
    std::string paperName = "A4";
    int paperLandscape = 0;
};

// Number of sheets of each kind. The message sheets count only when messages are printed.
struct SheetCounts {
    int policy = 0;
    int blocks = 0;
    int messages = 0;
    int total() const { return policy + blocks + messages; }
};
SheetCounts countSheets(const PrintSettings& s, std::size_t conditionLineCount,
                        std::size_t pageCount, std::size_t messageLineCount);

// A page block on a block sheet: the page, its row and position in the row, and whether the
// label column is left out (every block of a row but the first).
struct BlockSlot {
    int pageIndex = 0;
    int row = 0;
    int column = 0;
    bool labelsOff = false;
    bool operator==(const BlockSlot&) const = default;
};

struct SheetContent {
    enum Kind { kPolicy, kBlocks, kMessages };
    Kind kind = kPolicy;
    // Text sheets: the line indexes [firstLine, firstLine + linesPerSheet) of the conditions or
    // message lines; lines beyond the list are left blank.
    int firstLine = 0;
    std::vector<BlockSlot> blocks;
    int number = 0;  // the sheet's page number
};
// Sheet n (1-based) of a report with `counts`.
SheetContent describeSheet(const PrintSettings& s, const SheetCounts& counts, int n, int pageCount);

// The page number text of a sheet, or empty when numbers are off or the number is 0 or less.
// The format takes one integer conversion (%d, %i or %u, with flags and width) and any "%%";
// a format with another conversion or none prints the number with the default "-%d-".
std::string pageNumberText(const PrintSettings& s, int number);

// Device metrics of a sheet.
struct DeviceMetrics {
    int dpiX = 600;
    int dpiY = 600;
    int charWidth = 0;   // average character width of the sheet font
    int lineHeight = 0;  // height plus external leading
    int printableWidth = 0;
    int printableHeight = 0;
};

// Millimetres to device units: truncation of dpi * mm / 25.4 + 0.5.
int mmToDevice(int dpi, int mm);
// Height of the sheet font: the print font height at the printer's scale dpiY / 72 (integer).
int sheetFontHeight(const PrintFont& font, int dpiY);
// Block sheets draw with the character width and line height widened by 1.1 (rounded).
int widen(int size);

// A block's extent in characters and rows (largest column + width, largest row + height).
struct BlockExtent {
    int columns = 0;
    int rows = 0;
};
struct PlacedBlock {
    int x = 0;  // device position of the block's top-left corner
    int y = 0;
    int right = 0;
    int bottom = 0;
};
// Places the blocks of a sheet (in slot order) with the widened metrics already applied: the
// first at the margins, the next of a row at the previous block's right edge, a new row at the
// left margin one line below the bottom of the previous row's last block.
std::vector<PlacedBlock> placeBlocks(const PrintSettings& s, const DeviceMetrics& m,
                                     const std::vector<BlockSlot>& slots,
                                     const std::vector<BlockExtent>& extents);

// A cell rectangle in device units: left = x + w·column, top = y + h·row, one unit more than
// the width and height so that neighbouring borders overlap.
struct DeviceRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};
DeviceRect cellRect(int x, int y, const DeviceMetrics& m, int column, int row, int width,
                    int height);

// The main view: the cells from the origin, the conditions lines to the right of the widest
// cell plus one character, one per line of the conditions font; the scrollable size is the
// widest and lowest extent of both plus two characters and two lines, or 100 x 100 without
// cells.
struct ScreenLayout {
    int conditionsLeft = 0;
    int scrollWidth = 100;
    int scrollHeight = 100;
};
ScreenLayout screenLayout(const BlockExtent& cells, int charWidth, int lineHeight,
                          int conditionsWidth, int conditionsLineCount, int conditionsLineHeight);

// Where the page number text goes on a sheet with metrics `m` (its current w and h).
struct TextPosition {
    int x = 0;
    int y = 0;
};
TextPosition pageNumberPosition(const PrintSettings& s, const DeviceMetrics& m,
                                std::size_t textBytes);

}  // namespace kesto
