#include "report/result_cells.h"

#include <algorithm>
#include <cmath>

#include "base/numbers.h"
#include "base/text_format.h"
#include "base/units.h"

namespace kesto {
namespace {

// Grid geometry in character widths: the label column, then the X and Y groups of three value
// columns each.
constexpr int kLabelWidth = 20;
constexpr int kValueWidth = 8;
constexpr int kGroupWidth = 3 * kValueWidth;
// The header: the figure, then a column of names and one of grades.
constexpr int kFigureWidth = 20;
constexpr int kNameWidth = 20;

// The unit factor of a quantity that the print conversion leaves as it is.
constexpr double kNoConversion = 0.0;

constexpr int kAlignNone = -1;
constexpr int kAlignTitle = 9;
constexpr int kAlignName = 8;
constexpr int kAlignShape = 4;

struct Formats {
    const char* force;
    const char* concreteStress;
    const char* steelStress;
};
constexpr const char* kRatioFormat = "%7.3f";
constexpr const char* kLengthFormat = "%7.2f";

class GridBuilder {
  public:
    GridBuilder(const ResultCellOptions& o)
        : labelsOff_(o.labelsOff),
          convertFrom_(o.print && o.outputUnitSystem != o.unitSystem ? o.unitSystem : -1),
          pageIndex_(o.pageIndex) {
        const int shown = o.print ? o.outputUnitSystem : o.unitSystem;
        formats_ =
            shown == 0 ? Formats{"%7.2f", "%7.2f", "%7.3f"} : Formats{"%7.1f", "%7.3f", "%7.2f"};
        groupX_ = labelsOff_ ? 0 : kLabelWidth;
    }

    const Formats& formats() const { return formats_; }
    int group(int dir) const { return groupX_ + dir * kGroupWidth; }
    int row() const { return row_; }
    void nextRow(int rows = 1) { row_ += rows; }
    void setAlign(int a) { align_ = a; }
    void setHeight(int h) { height_ = h; }

    // A cell of the label column; left out with the labels-off flag.
    void label(int col, int width, std::string text) {
        if (!labelsOff_) {
            add(col, width, kCellDisplay, kValueText, "%s", std::move(text));
        }
    }
    void text(int col, int width, std::string text, std::uint8_t kind = kCellDisplay) {
        add(col, width, kind, kValueText, "%s", std::move(text));
    }
    void empty(int col, int width) { text(col, width, std::string()); }
    // A text field of the page; an editable one names its field.
    void string(int col, int width, const std::string& value, std::uint8_t kind,
                std::optional<FieldRef::Field> field = std::nullopt) {
        add(col, width, kind, kValueString, "%s", value, fieldRef(field, 0, 0));
    }
    // A number; `factor` is its unit factor of the print conversion.
    void number(int col, int width, double value, const char* format, double factor) {
        add(col, width, kCellDisplay, kValueDouble, format, converted(value, factor));
    }
    // An editable number of the page: field `field` of direction `dir` at `index`.
    void editableNumber(int col, int width, double value, const char* format, double factor,
                        FieldRef::Field field, int dir, int index) {
        // A converted copy is printed only, never edited.
        const bool copy = convertFrom_ >= 0 && factor != kNoConversion;
        add(col, width, kCellEditable, kValueDouble, format, converted(value, factor),
            copy ? std::nullopt : fieldRef(field, dir, index));
    }
    void judgement(int col, int width, std::uint8_t value) {
        add(col, width, kCellJudgement, kValueByte, "%d", value);
    }

    std::vector<DisplayCell> take() { return std::move(cells_); }

  private:
    double converted(double value, double factor) const {
        return convertFrom_ >= 0 && factor != kNoConversion
                   ? convert(value, factor, true, convertFrom_, 1 - convertFrom_)
                   : value;
    }
    std::optional<FieldRef> fieldRef(std::optional<FieldRef::Field> field, int dir,
                                     int index) const {
        if (!field) {
            return std::nullopt;
        }
        return FieldRef{pageIndex_, *field, dir, index};
    }

    void add(int col, int width, std::uint8_t kind, std::uint8_t type, const char* format,
             CellValue value, std::optional<FieldRef> field = std::nullopt) {
        DisplayCell c;
        c.cellColumn = col;
        c.cellRow = row_;
        c.cellWidth = width;
        c.cellHeight = height_;
        c.cellKind = kind;
        c.valueType = type;
        c.valueFormat = format;
        c.valueTarget = std::move(value);
        c.field = field;
        c.editOrder = c.interactive() ? nextEdit_++ : -1;
        c.textFlags = align_ >= 0
                          ? align_ | kTextSingleLine
                          : (type == kValueText ? kTextSingleLine | kTextBottom
                                                : kTextSingleLine | kTextBottom | kTextCentred);
        cells_.push_back(std::move(c));
    }

    bool labelsOff_;
    int convertFrom_;  // the input unit when printing converts, else -1
    int pageIndex_;
    Formats formats_{};
    int groupX_ = kLabelWidth;
    int row_ = 0;
    int align_ = kAlignNone;
    int height_ = 1;
    int nextEdit_ = 0;
    std::vector<DisplayCell> cells_;
};

bool anyRoute(const CKestoCnt& cnt, int route) {
    return cnt.routeX == route || cnt.routeY == route;
}
int routeOf(const CKestoCnt& cnt, int dir) {
    return dir == 0 ? cnt.routeX : cnt.routeY;
}

void headerRows(GridBuilder& b, const CKestoCnt& cnt, const CKesto& p, ResultGrid& grid) {
    const bool pedestalRow = anyRoute(cnt, 2) && cnt.route3NgCheck != 0;
    const bool anchorageRow = pedestalRow && cnt.boltElongation != 0 && cnt.useAnchorBlock != 0;
    const int xg = b.group(0);
    const int yg = b.group(1);

    b.setAlign(kAlignName);
    b.label(0, kLabelWidth, " 符号");
    b.string(xg, 2 * kGroupWidth, p.mark, kCellEditable, FieldRef::kMark);
    b.nextRow();

    const int figureRows = anchorageRow ? 6 : 5;
    b.setAlign(kAlignShape);
    b.setHeight(figureRows);
    b.label(0, kLabelWidth, " 形状");
    b.text(xg, kFigureWidth, std::string(), kCellFigure);
    b.setHeight(1);

    // Beside the figure: a name (20 wide) and its grade (8 wide) per row.
    const int names = xg + kFigureWidth;
    b.setAlign(kAlignName);
    const auto nameRow = [&](auto name, const std::string& grade, FieldRef::Field field,
                             std::uint8_t gradeKind) {
        name();
        b.string(names + kNameWidth, kValueWidth, grade, gradeKind, field);
        b.nextRow();
    };
    nameRow([&] { b.string(names, kNameWidth, p.columnSection, kCellDisplay); }, p.columnSteelGrade,
            FieldRef::kColumnSteelGrade, kCellSteelGrade);
    nameRow([&] { b.text(names, kNameWidth, grid.captions.plate); }, p.basePlateSteelGrade,
            FieldRef::kBasePlateSteelGrade, kCellSteelGrade);
    nameRow([&] { b.text(names, kNameWidth, grid.captions.rib); }, p.ribSteelGrade,
            FieldRef::kRibSteelGrade, kCellSteelGrade);
    nameRow([&] { b.text(names, kNameWidth, grid.captions.bolt); }, p.boltSteelGrade,
            FieldRef::kBoltSteelGrade, kCellSteelGrade);
    nameRow([&] { b.text(names, kNameWidth, pedestalRow ? grid.captions.pedestal : "ｺﾝｸﾘｰﾄ材質"); },
            p.concreteGrade, FieldRef::kConcreteGrade, kCellConcreteGrade);
    if (anchorageRow) {
        b.text(names, kNameWidth + kValueWidth, grid.captions.anchorage);
        b.nextRow();
    }

    // Bolt and rib gauges of the building's X and Y directions.
    b.setAlign(kAlignNone);
    const bool rot = p.rotated != 0;
    b.label(0, kLabelWidth, " ｹﾞｰｼﾞ ﾎﾞﾙﾄ,ﾘﾌﾞ");
    const double boltGauge[2] = {rot ? p.boltGaugeY : p.boltGaugeX,
                                 rot ? p.boltGaugeX : p.boltGaugeY};
    const double ribGauge[2] = {rot ? p.ribGaugeY : p.ribGaugeX, rot ? p.ribGaugeX : p.ribGaugeY};
    for (int dir = 0; dir < 2; ++dir) {
        b.number(b.group(dir), kValueWidth, boltGauge[dir], "%6.1f", kNoConversion);
        b.number(b.group(dir) + kValueWidth, kValueWidth, ribGauge[dir], "%6.1f", kNoConversion);
    }
    b.nextRow();

    b.setAlign(kAlignTitle);
    b.label(0, kLabelWidth, " 方向");
    b.text(xg, kGroupWidth, "Ｘ");
    b.text(yg, kGroupWidth, "Ｙ");
    b.nextRow();
    b.setAlign(kAlignNone);
}

void stressRows(GridBuilder& b, const CKestoCnt& cnt, const CKesto& p) {
    const char* force = b.formats().force;
    b.setAlign(kAlignTitle);
    b.label(0, kLabelWidth, " 応力");
    for (int dir = 0; dir < 2; ++dir) {
        int col = b.group(dir);
        for (const char* head : {"N", "M", "Q"}) {
            b.text(col, kValueWidth, head);
            col += kValueWidth;
        }
    }
    b.nextRow();
    b.setAlign(kAlignNone);

    for (const auto& name : cnt.stressNames) {
        b.setAlign(kAlignName);
        b.label(0, kLabelWidth, name.label);
        b.setAlign(kAlignNone);
        const std::string symbol = symbolOf(name.label);
        for (int dir = 0; dir < 2; ++dir) {
            const int col = b.group(dir);
            const int index = p.basicStressIndex(dir, symbol);
            if (index < 0) {
                for (int k = 0; k < 3; ++k) {
                    b.empty(col + k * kValueWidth, kValueWidth);
                }
                continue;
            }
            const CStress& s = p.basicStresses[dir][static_cast<std::size_t>(index)];
            b.editableNumber(col, kValueWidth, s.n, force, kForceScale, FieldRef::kBasicN, dir,
                             index);
            b.editableNumber(col + kValueWidth, kValueWidth, s.m, force, kForceScale,
                             FieldRef::kBasicM, dir, index);
            b.editableNumber(col + 2 * kValueWidth, kValueWidth, s.q, force, kForceScale,
                             FieldRef::kBasicQ, dir, index);
        }
        b.nextRow();
    }

    if (!anyRoute(cnt, 2)) {
        return;
    }
    const char* senseLabel[2] = {" 保有耐力 L->R加力", " 保有耐力 R->L加力"};
    for (int sense = 0; sense < 2; ++sense) {
        b.setAlign(kAlignName);
        b.label(0, kLabelWidth, senseLabel[sense]);
        b.setAlign(kAlignNone);
        for (int dir = 0; dir < 2; ++dir) {
            const int col = b.group(dir);
            if (routeOf(cnt, dir) != 2) {
                for (int k = 0; k < 3; ++k) {
                    b.empty(col + k * kValueWidth, kValueWidth);
                }
                continue;
            }
            b.editableNumber(col, kValueWidth, p.ultimateN[dir][sense], force, kForceScale,
                             FieldRef::kUltimateN, dir, sense);
            // With elongation capacity the route-3 moment is not used.
            if (cnt.boltElongation == 0) {
                b.editableNumber(col + kValueWidth, kValueWidth, p.ultimateM[dir][sense], force,
                                 kForceScale, FieldRef::kUltimateM, dir, sense);
            } else {
                b.empty(col + kValueWidth, kValueWidth);
            }
            b.editableNumber(col + 2 * kValueWidth, kValueWidth, p.ultimateQ[dir][sense], force,
                             kForceScale, FieldRef::kUltimateQ, dir, sense);
        }
        b.nextRow();
    }
}

void blockTitle(GridBuilder& b, const char* title) {
    b.setAlign(kAlignTitle);
    b.label(0, kLabelWidth, title);
    b.text(b.group(0), kGroupWidth, "Ｘ方向");
    b.text(b.group(1), kGroupWidth, "Ｙ方向");
    b.nextRow();
    b.setAlign(kAlignNone);
}

void threeLabels(GridBuilder& b, const char* value, const char* capacity, const char* ratio) {
    b.label(0, 5, value);
    b.label(5, 5, capacity);
    b.label(10, 10, ratio);
}

// One row of an allowable-stress block: value, allowable value and ratio of [dir][slot].
struct AllowableRow {
    const char* labels[3];
    DirPair CKesto::*value;
    DirPair CKesto::*capacity;
    DirPair CKesto::*ratio;
    int format;  // 0 force/moment, 1 concrete stress, 2 steel stress, 3 length
};

void allowableBlock(GridBuilder& b, const CKesto& p, const char* title, int slot) {
    static const AllowableRow rows[] = {
        {{" σc", " fc", " σc/fc"}, &CKesto::sigmaC, &CKesto::allowFc, &CKesto::ratioConcrete, 1},
        {{" ΣT", " Pb", " ΣT/Pb"},
         &CKesto::boltTensionSum,
         &CKesto::boltTensionAllow,
         &CKesto::ratioBoltTension,
         0},
        {{" Mb", " Ma", " Mb/Ma"}, &CKesto::plateMb, &CKesto::plateMa, &CKesto::ratioPlate, 0},
        {{" τr", " fs", " τr/fs"}, &CKesto::ribTau, &CKesto::ribFs, &CKesto::ratioRibShear, 2},
        {{" Lw", " h'", " Lw/2h'"},
         &CKesto::ribWeldLw,
         &CKesto::ribWeldH,
         &CKesto::ratioRibWeld,
         3},
        {{" QD", " Qa", " QD/Qa"}, &CKesto::shearQD, &CKesto::shearQa, &CKesto::ratioShear, 0},
    };
    blockTitle(b, title);
    const Formats& f = b.formats();
    for (const auto& r : rows) {
        threeLabels(b, r.labels[0], r.labels[1], r.labels[2]);
        const char* format = r.format == 0   ? f.force
                             : r.format == 1 ? f.concreteStress
                             : r.format == 2 ? f.steelStress
                                             : kLengthFormat;
        const double factor = r.format == 0   ? kForceScale
                              : r.format == 1 ? kConcreteStressScale
                              : r.format == 2 ? kSteelStressScale
                                              : kNoConversion;
        for (int dir = 0; dir < 2; ++dir) {
            const int col = b.group(dir);
            b.number(col, kValueWidth, (p.*r.value)[dir][slot], format, factor);
            b.number(col + kValueWidth, kValueWidth, (p.*r.capacity)[dir][slot], format, factor);
            b.number(col + 2 * kValueWidth, kValueWidth, (p.*r.ratio)[dir][slot], kRatioFormat,
                     kNoConversion);
        }
        b.nextRow();
    }
    b.label(0, 10, " 安全率");
    b.label(10, 10, " 判定");
    for (int dir = 0; dir < 2; ++dir) {
        const int col = b.group(dir);
        b.number(col, 12, p.ratioMax[dir][slot], kRatioFormat, kNoConversion);
        b.judgement(col + 12, 12, p.allowJudgement[dir][slot]);
    }
    b.nextRow();
}

// The quantity kinds of the ultimate rows.
enum UltimateQuantity { kUltForce, kUltConcrete, kUltSteel, kUltLength };

struct UltimateRow {
    const char* labels[3];
    int value;
    int capacity;
    int ratio12;  // ratio slot of a route-1-2/2 direction
    int ratio3;   // ratio slot of the other directions
    UltimateQuantity quantity;
};

void ultimateRow(GridBuilder& b, const CKestoCnt& cnt, const CKesto& p, const UltimateRow& r) {
    threeLabels(b, r.labels[0], r.labels[1], r.labels[2]);
    const Formats& f = b.formats();
    const char* format = r.quantity == kUltForce      ? f.force
                         : r.quantity == kUltConcrete ? f.concreteStress
                         : r.quantity == kUltSteel    ? f.steelStress
                                                      : kLengthFormat;
    // Ultimate stresses are printed with the ultimate formats: concrete "%7.2f"/"%7.3f", the
    // fracture shear stresses "%7.3f"/"%7.2f".
    const double factor = r.quantity == kUltForce      ? kForceScale
                          : r.quantity == kUltConcrete ? kConcreteStressScale
                          : r.quantity == kUltSteel    ? kSteelStressScale
                                                       : kNoConversion;
    for (int dir = 0; dir < 2; ++dir) {
        const int col = b.group(dir);
        const int ratio = routeOf(cnt, dir) == 1 ? r.ratio12 : r.ratio3;
        b.number(col, kValueWidth, p.ultimateResults[r.value][dir], format, factor);
        b.number(col + kValueWidth, kValueWidth, p.ultimateResults[r.capacity][dir], format,
                 factor);
        b.number(col + 2 * kValueWidth, kValueWidth, p.ultimateResults[ratio][dir], kRatioFormat,
                 kNoConversion);
    }
    b.nextRow();
}

void fractureRows(GridBuilder& b, const CKestoCnt& cnt, const CKesto& p) {
    ultimateRow(b, cnt, p, {{" QM", " 1Pu", " αQM/1Pu"}, 5, 29, 39, 39, kUltForce});
    ultimateRow(b, cnt, p, {{" QM", " 2Pu", " αQM/2Pu"}, 5, 30, 40, 40, kUltForce});
    ultimateRow(b, cnt, p, {{" τ", " τu", " ατ/τu"}, 31, 32, 41, 41, kUltSteel});
}

void ultimateBlock(GridBuilder& b, const CKestoCnt& cnt, const CKesto& p) {
    const bool r12 = anyRoute(cnt, 1);
    const bool r3 = anyRoute(cnt, 2);
    if (!r12 && !r3) {
        return;
    }
    const bool ngCheck = cnt.route3NgCheck != 0;
    blockTitle(b, "保有耐力接合");
    if (cnt.boltElongation != 0) {
        ultimateRow(b, cnt, p, {{" Mpc", " Mu", " αMpc/Mu"}, 0, 1, 13, 16, kUltForce});
        if (r12) {
            ultimateRow(b, cnt, p, {{" MD", " Mu", " MD /Mu"}, 3, 2, 14, 14, kUltForce});
            ultimateRow(b, cnt, p, {{" QD", " Qu", " QD/Qu"}, 4, 7, 15, 15, kUltForce});
        }
        if (r3) {
            ultimateRow(b, cnt, p, {{" QM", " Qu", " QM/Qu"}, 5, 6, 17, 17, kUltForce});
            if (ngCheck) {
                ultimateRow(b, cnt, p, {{" Cy1", " Fc", " Cy1/Fc"}, 18, 22, 33, 33, kUltConcrete});
                ultimateRow(b, cnt, p,
                            {{" Cy2", " Fc/3", " Cy2/(Fc/3)"}, 19, 23, 34, 34, kUltConcrete});
                if (cnt.useAnchorBlock != 0) {
                    ultimateRow(b, cnt, p,
                                {{" Cy3", " 5Fc", " Cy3/(5Fc)"}, 20, 24, 35, 35, kUltConcrete});
                    ultimateRow(b, cnt, p,
                                {{" Cy4", " cσt", " Cy4/cσt"}, 21, 25, 36, 36, kUltConcrete});
                }
                if (cnt.concreteShearCheck != 0) {
                    ultimateRow(b, cnt, p, {{" ne1", " e", " ne1/e"}, 26, 28, 37, 37, kUltLength});
                    ultimateRow(b, cnt, p, {{" ne2", " e", " ne2/e"}, 27, 28, 38, 38, kUltLength});
                }
                fractureRows(b, cnt, p);
            }
        }
    } else {
        if (r3) {
            ultimateRow(b, cnt, p, {{" Mpc", " My", " αMpc/My"}, 0, 1, 16, 16, kUltForce});
            ultimateRow(b, cnt, p, {{" QM", " Qy", " QM/Qy"}, 5, 6, 17, 17, kUltForce});
        }
        if (r12 || (r3 && ngCheck)) {
            ultimateRow(b, cnt, p, {{" σc", " Fc", " σc/Fc"}, 8, 9, 13, 33, kUltConcrete});
            ultimateRow(b, cnt, p, {{" ΣT", " Pb", " ΣT/Pb"}, 10, 11, 14, 34, kUltForce});
        }
        if (r12) {
            ultimateRow(b, cnt, p, {{" QD", " Qa", " QD/Qa"}, 4, 12, 15, 15, kUltForce});
        }
        if (r3 && ngCheck) {
            fractureRows(b, cnt, p);
        }
    }
    b.label(0, 10, " 安全率");
    b.label(10, 10, " 判定");
    for (int dir = 0; dir < 2; ++dir) {
        const int col = b.group(dir);
        b.number(col, 12, p.ultimateResults[kGoverningUltimateSlot][dir], kRatioFormat,
                 kNoConversion);
        b.judgement(col + 12, 12, p.ultimateJudgement[dir]);
    }
    b.nextRow();
}

}  // namespace

std::string cellText(const DisplayCell& c) {
    if (c.cellKind == kCellFigure) {
        return std::string();
    }
    if (c.cellKind == kCellJudgement) {
        const auto* j = std::get_if<std::uint8_t>(&c.valueTarget);
        return judgementText(j == nullptr ? std::uint8_t{kNotCalculated} : *j);
    }
    const char* format = c.valueFormat.c_str();
    switch (c.valueType) {
        case kValueDouble:
            if (const auto* v = std::get_if<double>(&c.valueTarget)) {
                if (isZero(*v) && c.cellKind != kCellEditable) {
                    return "-";
                }
                return strprintf(format, *v);
            }
            return "-";
        case kValueByte:
            if (const auto* b = std::get_if<std::uint8_t>(&c.valueTarget)) {
                return strprintf(format, static_cast<int>(*b));
            }
            return "-";
        case kValueInteger:
            if (const auto* i = std::get_if<int>(&c.valueTarget)) {
                return strprintf(format, *i);
            }
            return "-";
        default:
            if (const auto* text = std::get_if<std::string>(&c.valueTarget)) {
                return strprintf(format, text->c_str());
            }
            return "-";
    }
}

CellColour cellTextColour(const DisplayCell& c) {
    if (c.cellKind == kCellJudgement) {
        const auto* j = std::get_if<std::uint8_t>(&c.valueTarget);
        return j != nullptr && *j != 0 && *j != 1 ? CellColour::red : CellColour::black;
    }
    return c.cellKind == kCellDisplay || c.cellKind == 12 ? CellColour::black : CellColour::blue;
}

ResultGrid buildResultCells(const CKestoCnt& cnt, const CKesto& page,
                            const ResultCellOptions& options) {
    ResultGrid grid;
    grid.captions = buildFigureCaptions(page);
    GridBuilder b(options);
    headerRows(b, cnt, page, grid);
    stressRows(b, cnt, page);
    if (cnt.distinguishLongShort != 0) {
        allowableBlock(b, page, "長期許容応力度設計", 0);
        allowableBlock(b, page, "短期許容応力度設計", 1);
    } else {
        allowableBlock(b, page, "許容応力度設計", 1);
    }
    ultimateBlock(b, cnt, page);
    grid.cells = b.take();
    return grid;
}

GridExtent gridExtent(const std::vector<DisplayCell>& cells) {
    GridExtent e;
    for (const auto& c : cells) {
        e.columns = std::max(e.columns, c.cellColumn + c.cellWidth);
        e.rows = std::max(e.rows, c.cellRow + c.cellHeight);
    }
    return e;
}

}  // namespace kesto
