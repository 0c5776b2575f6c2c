// The results grid of one page: a list of text cells laid out in rows and character columns,
// each bound to a field of the page or the conditions. The view draws the cells and edits the
// editable ones through their binding without knowing the page's layout; printing lays out one
// grid per page with values converted to the output unit.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "model/conditions.h"
#include "report/figure.h"

namespace kesto {

enum CellKind : std::uint8_t {
    kCellDisplay = 0,
    kCellFigure = 1,         // the column-base figure; clicking it opens the shape dialog
    kCellEditable = 10,      // edited with the editor of its value type
    kCellJudgement = 11,     // "-", "OK" or "NG" of a judgement byte
    kCellSteelGrade = 13,    // a name chosen from the steel-grade table
    kCellConcreteGrade = 14  // a name chosen from the concrete table
};

enum CellValueType : std::uint8_t {
    kValueText = 0,  // the cell's own text
    kValueByte = 1,
    kValueInteger = 2,
    kValueDouble = 3,
    kValueString = 4  // a text field of the page
};

// Text flags of a cell (the drawing flags of the platform).
inline constexpr int kTextCentred = 0x01;
inline constexpr int kTextVCentred = 0x04;
inline constexpr int kTextBottom = 0x08;
inline constexpr int kTextSingleLine = 0x20;

// The value a cell shows: its own text, a converted copy of a number (printing in the other
// unit system), or the bound field itself.
using CellTarget = std::variant<std::string, double, std::string*, std::uint8_t*, int*, double*>;

struct DisplayCell {
    int cellColumn = 0;  // in character widths from the grid's left edge
    int cellRow = 0;
    int cellWidth = 0;
    int cellHeight = 1;
    std::uint8_t cellKind = kCellDisplay;
    std::uint8_t valueType = kValueText;
    int editOrder = -1;  // 0, 1, 2 ... for interactive cells in build order; -1 otherwise
    int textFlags = 0;
    std::string valueFormat = "%s";
    CellTarget valueTarget;

    bool interactive() const {
        return cellKind != kCellDisplay && cellKind != kCellJudgement && cellKind != 12;
    }
    bool editable() const {
        return cellKind == kCellEditable || cellKind == kCellSteelGrade ||
               cellKind == kCellConcreteGrade;
    }
};

// The text a cell shows: "-" by default; the figure cell shows none; a judgement "-", "OK" or
// "NG"; a number through its format, except that a zero that is not editable stays "-".
std::string cellText(const DisplayCell& cell);

// Text colour of a cell on screen: a judgement other than "-" and "OK" red, fixed texts black,
// everything the user can change (and the values beside them) blue.
enum class CellColour { black, blue, red };
CellColour cellTextColour(const DisplayCell& cell);

// Stores an edited value into the field the cell is bound to. A number goes to a double, an
// integer or a byte field (the low byte); a text to a text field. Returns false, storing
// nothing, when the cell is not editable, is bound to a copy, or the value does not fit the
// field.
using CellInput = std::variant<double, int, std::string>;
bool storeCellValue(const DisplayCell& cell, const CellInput& value);

struct ResultCellOptions {
    bool labelsOff = false;    // leave out the label column (later blocks of a printed row)
    bool print = false;        // the output unit system and its conversion
    int unitSystem = 1;        // the document's input unit
    int outputUnitSystem = 1;  // the unit of printed results
};

struct ResultGrid {
    std::vector<DisplayCell> cells;
    FigureCaptions captions;
};

// Lays out the grid of `page`. Cells are bound to fields of `page` and `cnt`, so both must
// outlive the cells and keep their layout (no page or stress case added or removed) while the
// cells are in use.
ResultGrid buildResultCells(CKestoCnt& cnt, CKesto& page, const ResultCellOptions& options);

// The grid's extent in character widths and rows.
struct GridExtent {
    int columns = 0;
    int rows = 0;
};
GridExtent gridExtent(const std::vector<DisplayCell>& cells);

}  // namespace kesto
