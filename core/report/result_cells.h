// The results grid of one page: a list of text cells laid out in rows and character columns,
// each holding the value it shows; an editable cell also names the page field it edits. The view
// draws the cells and offers edits of the editable ones to the document without knowing the
// page's layout; printing lays out one grid per page with values converted to the output unit.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "model/conditions.h"
#include "model/field_ref.h"
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

// The value a cell shows, taken when the grid is built: a label or a text field, a number
// (converted when printing in the other unit system), an integer or a judgement byte.
using CellValue = std::variant<std::string, double, int, std::uint8_t>;

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
    CellValue valueTarget;
    std::optional<FieldRef> field;  // the page field an editable cell edits

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

// What an editor gives for a cell: a number or a text.
using CellInput = FieldValue;

struct ResultCellOptions {
    bool labelsOff = false;    // leave out the label column (later blocks of a printed row)
    bool print = false;        // the output unit system and its conversion
    int unitSystem = 1;        // the document's input unit
    int outputUnitSystem = 1;  // the unit of printed results
    int pageIndex = 0;         // the page's index in cnt.pages, which the cells' fields name
};

struct ResultGrid {
    std::vector<DisplayCell> cells;
    FigureCaptions captions;
};

// Lays out the grid of `page`, the page options.pageIndex of `cnt`.
ResultGrid buildResultCells(const CKestoCnt& cnt, const CKesto& page,
                            const ResultCellOptions& options);

// The grid's extent in character widths and rows.
struct GridExtent {
    int columns = 0;
    int rows = 0;
};
GridExtent gridExtent(const std::vector<DisplayCell>& cells);

}  // namespace kesto
