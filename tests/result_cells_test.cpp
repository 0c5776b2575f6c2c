#include "report/result_cells.h"

#include <gtest/gtest.h>

#include "model/new_document.h"

namespace kesto {
namespace {

// Built-in conditions with one new page in gravity units.
CKestoCnt withOnePage() {
    CKestoCnt cnt;
    installBuiltInDefaults(cnt);
    cnt.pages.append(makeNewPage(cnt, 0));
    return cnt;
}

struct Fixture {
    CKestoCnt cnt = withOnePage();
    CKesto& page = cnt.pages[0];
    ResultCellOptions lastOptions;
    ResultGrid build(bool labelsOff = false, bool print = false, int unit = 0, int output = 0) {
        lastOptions = {labelsOff, print, unit, output};
        return buildResultCells(cnt, page, lastOptions);
    }
};

// The row of the first label cell with this text.
int rowOf(const ResultGrid& g, const std::string& label) {
    for (const auto& c : g.cells) {
        if (c.valueType == kValueText && cellText(c) == label) {
            return c.cellRow;
        }
    }
    return -1;
}

const DisplayCell* cellAt(const ResultGrid& g, int row, int column) {
    for (const auto& c : g.cells) {
        if (c.cellRow == row && c.cellColumn == column) {
            return &c;
        }
    }
    return nullptr;
}

std::string textAt(const ResultGrid& g, int row, int column) {
    const DisplayCell* c = cellAt(g, row, column);
    return c == nullptr ? std::string("<none>") : cellText(*c);
}

// Whether the cell at (row, column) of the last grid shows `field`: a value put into the field
// appears there in a grid built again.
bool shows(Fixture& f, int row, int column, double& field) {
    const double kept = field;
    field = 4321.5;
    const ResultGrid g = buildResultCells(f.cnt, f.page, f.lastOptions);
    field = kept;
    const DisplayCell* c = cellAt(g, row, column);
    return c != nullptr && c->valueTarget == CellValue{4321.5};
}

std::vector<std::string> labelColumn(const ResultGrid& g) {
    std::vector<std::string> out;
    for (const auto& c : g.cells) {
        if (c.cellColumn == 0 && c.valueType == kValueText) {
            out.push_back(cellText(c));
        }
    }
    return out;
}

TEST(ResultCells, HeaderRowsAndBindings) {
    Fixture f;
    f.page.mark = "C1";
    const ResultGrid g = f.build();
    // Row 0: the mark, editable text over both groups.
    const DisplayCell* mark = cellAt(g, 0, 20);
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(mark->cellKind, kCellEditable);
    EXPECT_EQ(mark->valueType, kValueString);
    EXPECT_EQ(mark->cellWidth, 48);
    EXPECT_EQ(mark->editOrder, 0);
    EXPECT_EQ(mark->textFlags, 0x28);  // name alignment 8 with single line
    EXPECT_EQ(mark->field, (FieldRef{0, FieldRef::kMark}));
    EXPECT_EQ(cellText(*mark), "C1");
    // The figure spans five rows beside " 形状", vertically centred.
    const DisplayCell* figure = cellAt(g, 1, 20);
    ASSERT_NE(figure, nullptr);
    EXPECT_EQ(figure->cellKind, kCellFigure);
    EXPECT_EQ(figure->cellHeight, 5);
    EXPECT_EQ(figure->textFlags, 0x24);
    EXPECT_EQ(figure->editOrder, 1);
    EXPECT_EQ(textAt(g, 1, 0), " 形状");
    EXPECT_EQ(cellAt(g, 1, 0)->cellHeight, 5);
    // Names and grades beside the figure.
    EXPECT_EQ(textAt(g, 1, 40), "□-350x350x16.0");
    EXPECT_EQ(cellAt(g, 1, 60)->cellKind, kCellSteelGrade);
    EXPECT_EQ(cellAt(g, 1, 60)->field, (FieldRef{0, FieldRef::kColumnSteelGrade}));
    EXPECT_EQ(textAt(g, 2, 40), "BPL-650x650x36");
    EXPECT_EQ(textAt(g, 3, 40), "RPL-150x12");
    EXPECT_EQ(textAt(g, 4, 40), "ABT-M30");
    EXPECT_EQ(textAt(g, 5, 40), "ｺﾝｸﾘｰﾄ材質");
    EXPECT_EQ(cellAt(g, 5, 60)->cellKind, kCellConcreteGrade);
    EXPECT_EQ(textAt(g, 5, 60), "Fc210");
    // Gauges, then the direction heads.
    EXPECT_EQ(textAt(g, 6, 20), "  75.0");
    EXPECT_EQ(textAt(g, 6, 28), " 158.0");
    EXPECT_EQ(textAt(g, 7, 0), " 方向");
    EXPECT_EQ(textAt(g, 7, 20), "Ｘ");
    EXPECT_EQ(cellAt(g, 7, 20)->textFlags, 0x29);
    EXPECT_EQ(textAt(g, 7, 44), "Ｙ");
    EXPECT_EQ(g.captions.plate, "BPL-650x650x36");
}

TEST(ResultCells, PedestalAndAnchorageRowsWithRoute3) {
    Fixture f;
    f.cnt.routeY = 2;
    ResultGrid g = f.build();
    EXPECT_EQ(cellAt(g, 1, 20)->cellHeight, 6);
    EXPECT_EQ(textAt(g, 5, 40), "柱型 BD-750x750");
    EXPECT_EQ(textAt(g, 6, 40), "定着金物 PL-650x140 L=600");
    EXPECT_EQ(cellAt(g, 6, 40)->cellWidth, 28);
    EXPECT_EQ(cellAt(g, 1, 20)->cellWidth, 20);
    f.cnt.useAnchorBlock = 0;
    g = f.build();
    EXPECT_EQ(cellAt(g, 1, 20)->cellHeight, 5);
    EXPECT_EQ(textAt(g, 5, 40), "柱型 BD-750x750");
    f.cnt.route3NgCheck = 0;
    EXPECT_EQ(textAt(f.build(), 5, 40), "ｺﾝｸﾘｰﾄ材質");
}

TEST(ResultCells, StressRowsAreEditableAndBound) {
    Fixture f;
    f.page.basicStresses[1][1].q = 12.5;
    const ResultGrid g = f.build();
    const int k = rowOf(g, "K:地震");
    ASSERT_GT(k, 0);
    EXPECT_EQ(textAt(g, k - 2, 0), " 応力");
    EXPECT_EQ(textAt(g, k - 2, 28), "M");
    const DisplayCell* yq = cellAt(g, k, 60);
    ASSERT_NE(yq, nullptr);
    EXPECT_EQ(yq->cellKind, kCellEditable);
    EXPECT_EQ(yq->field, (FieldRef{0, FieldRef::kBasicQ, 1, 1}));
    EXPECT_EQ(cellText(*yq), "  12.50");
    // An editable zero shows its value; a computed zero shows "-".
    EXPECT_EQ(textAt(g, k, 20), "   0.00");
    EXPECT_EQ(textAt(g, rowOf(g, " σc"), 20), "-");
    // Editing through the named field reaches the page; a computed value names none.
    EXPECT_TRUE(storeField(f.cnt, *yq->field, CellInput{-3.25}));
    EXPECT_EQ(f.page.basicStresses[1][1].q, -3.25);
    EXPECT_FALSE(storeField(f.cnt, *yq->field, CellInput{std::string("x")}));
    EXPECT_FALSE(cellAt(g, rowOf(g, " σc"), 20)->field.has_value());
    // editOrder follows build order over the interactive cells only.
    int expected = 0;
    for (const auto& c : g.cells) {
        EXPECT_EQ(c.editOrder, c.interactive() ? expected++ : -1);
    }
    // mark, figure, 4 steel grades, concrete, 2 stress rows x 6 values.
    EXPECT_EQ(expected, 7 + 12);
}

TEST(ResultCells, Route3ForceRowsOnlyUnderRoute3Directions) {
    Fixture f;
    f.cnt.routeX = 1;
    f.cnt.routeY = 2;
    f.page.ultimateM[1][0] = 4;
    ResultGrid g = f.build();
    const int lr = rowOf(g, " 保有耐力 L->R加力");
    ASSERT_GT(lr, 0);
    EXPECT_EQ(rowOf(g, " 保有耐力 R->L加力"), lr + 1);
    // X is route 1-2/2: empty cells. Y with elongation: N and Q, no M.
    EXPECT_EQ(textAt(g, lr, 20), "");
    EXPECT_EQ(cellAt(g, lr, 20)->cellKind, kCellDisplay);
    EXPECT_TRUE(shows(f, lr, 44, f.page.ultimateN[1][0]));
    EXPECT_EQ(textAt(g, lr, 52), "");
    EXPECT_TRUE(shows(f, lr + 1, 60, f.page.ultimateQ[1][1]));
    f.cnt.boltElongation = 0;
    g = f.build();
    // Without elongation there is no anchorage row, so the rows move up by one.
    const int lr0 = rowOf(g, " 保有耐力 L->R加力");
    EXPECT_EQ(lr0, lr - 1);
    EXPECT_TRUE(shows(f, lr0, 52, f.page.ultimateM[1][0]));
    EXPECT_EQ(textAt(g, lr0, 52), "   4.00");
    f.cnt.routeY = 1;
    EXPECT_EQ(rowOf(f.build(), " 保有耐力 L->R加力"), -1);
}

TEST(ResultCells, AllowableBlocksByLongShortOption) {
    Fixture f;
    f.page.sigmaC[0][0] = 45.678;
    f.page.ratioMax[1][1] = 0.853;
    f.page.allowJudgement[1][1] = 2;
    ResultGrid g = f.build();
    const int longTitle = rowOf(g, "長期許容応力度設計");
    const int shortTitle = rowOf(g, "短期許容応力度設計");
    ASSERT_GT(longTitle, 0);
    EXPECT_EQ(shortTitle, longTitle + 8);
    EXPECT_EQ(textAt(g, longTitle, 20), "Ｘ方向");
    EXPECT_EQ(textAt(g, longTitle + 1, 0), " σc");
    EXPECT_EQ(textAt(g, longTitle + 1, 5), " fc");
    EXPECT_EQ(textAt(g, longTitle + 1, 10), " σc/fc");
    EXPECT_EQ(cellAt(g, longTitle + 1, 0)->textFlags, 0x28);
    EXPECT_EQ(cellAt(g, longTitle + 1, 20)->textFlags, 0x29);
    EXPECT_EQ(textAt(g, longTitle + 1, 20), "  45.68");
    EXPECT_TRUE(shows(f, longTitle + 1, 20, f.page.sigmaC[0][0]));
    EXPECT_TRUE(shows(f, shortTitle + 5, 36, f.page.ratioRibWeld[0][1]));
    EXPECT_EQ(textAt(g, shortTitle + 7, 0), " 安全率");
    EXPECT_EQ(textAt(g, shortTitle + 7, 44), "  0.853");
    EXPECT_EQ(textAt(g, shortTitle + 7, 56), "NG");
    EXPECT_EQ(textAt(g, shortTitle + 7, 32), "-");  // never calculated
    f.cnt.distinguishLongShort = 0;
    g = f.build();
    EXPECT_EQ(rowOf(g, "長期許容応力度設計"), -1);
    const int single = rowOf(g, "許容応力度設計");
    EXPECT_TRUE(shows(f, single + 1, 20, f.page.sigmaC[0][1]));
}

// The label rows of the ultimate block, from its title to the end.
std::vector<std::string> ultimateLabels(const ResultGrid& g) {
    const auto labels = labelColumn(g);
    auto it = std::find(labels.begin(), labels.end(), "保有耐力接合");
    return std::vector<std::string>(it, labels.end());
}

TEST(ResultCells, UltimateRowsWithElongationAndMixedRoutes) {
    Fixture f;
    f.cnt.routeX = 1;
    f.cnt.routeY = 2;
    const ResultGrid g = f.build();
    EXPECT_EQ(
        ultimateLabels(g),
        (std::vector<std::string>{"保有耐力接合", " Mpc", " MD", " QD", " QM", " Cy1", " Cy2",
                                  " Cy3", " Cy4", " ne1", " ne2", " QM", " QM", " τ", " 安全率"}));
    // α·Mpc/Mu: slot 13 under the route-1-2/2 X, slot 16 under the route-3 Y.
    const int mpc = rowOf(g, " Mpc");
    EXPECT_EQ(textAt(g, mpc, 10), " αMpc/Mu");
    EXPECT_TRUE(shows(f, mpc, 20, f.page.ultimateResults[0][0]));
    EXPECT_TRUE(shows(f, mpc, 28, f.page.ultimateResults[1][0]));
    EXPECT_TRUE(shows(f, mpc, 36, f.page.ultimateResults[13][0]));
    EXPECT_TRUE(shows(f, mpc, 60, f.page.ultimateResults[16][1]));
    EXPECT_EQ(textAt(g, mpc + 1, 10), " MD /Mu");
    EXPECT_TRUE(shows(f, mpc + 1, 28, f.page.ultimateResults[2][0]));
    EXPECT_EQ(textAt(g, mpc + 5, 5), " Fc/3");
    EXPECT_TRUE(shows(f, mpc + 9, 60, f.page.ultimateResults[38][1]));
    EXPECT_EQ(textAt(g, mpc + 11, 10), " αQM/2Pu");
    EXPECT_TRUE(shows(f, mpc + 12, 52, f.page.ultimateResults[32][1]));
    EXPECT_EQ(textAt(g, mpc + 13, 0), " 安全率");
    EXPECT_TRUE(shows(f, mpc + 13, 44, f.page.ultimateResults[42][1]));
    EXPECT_EQ(cellAt(g, mpc + 13, 56)->cellKind, kCellJudgement);
    // Without the NG-case study, QM/Qu is the last row before the closing one.
    f.cnt.route3NgCheck = 0;
    EXPECT_EQ(ultimateLabels(f.build()),
              (std::vector<std::string>{"保有耐力接合", " Mpc", " MD", " QD", " QM", " 安全率"}));
    f.cnt.route3NgCheck = 1;
    f.cnt.useAnchorBlock = 0;
    f.cnt.concreteShearCheck = 0;
    EXPECT_EQ(ultimateLabels(f.build()),
              (std::vector<std::string>{"保有耐力接合", " Mpc", " MD", " QD", " QM", " Cy1", " Cy2",
                                        " QM", " QM", " τ", " 安全率"}));
}

TEST(ResultCells, UltimateRowsWithoutElongation) {
    Fixture f;
    f.cnt.boltElongation = 0;
    f.cnt.routeX = 1;
    f.cnt.routeY = 2;
    const ResultGrid g = f.build();
    EXPECT_EQ(ultimateLabels(g),
              (std::vector<std::string>{"保有耐力接合", " Mpc", " QM", " σc", " ΣT", " QD", " QM",
                                        " QM", " τ", " 安全率"}));
    const int mpc = rowOf(g, " Mpc");
    EXPECT_EQ(textAt(g, mpc, 10), " αMpc/My");
    // σc/Fc: slot 13 under route 1-2/2, slot 33 under route 3.
    EXPECT_TRUE(shows(f, mpc + 2, 36, f.page.ultimateResults[13][0]));
    EXPECT_TRUE(shows(f, mpc + 2, 60, f.page.ultimateResults[33][1]));
    EXPECT_TRUE(shows(f, mpc + 3, 60, f.page.ultimateResults[34][1]));
    EXPECT_TRUE(shows(f, mpc + 4, 28, f.page.ultimateResults[12][0]));
    // Route 3 alone without the NG-case study: bending and shear only.
    f.cnt.routeX = 2;
    f.cnt.route3NgCheck = 0;
    EXPECT_EQ(ultimateLabels(f.build()),
              (std::vector<std::string>{"保有耐力接合", " Mpc", " QM", " 安全率"}));
    f.cnt.routeX = f.cnt.routeY = 0;
    EXPECT_TRUE(ultimateLabels(f.build()).empty());
}

TEST(ResultCells, LabelsOffMovesTheGroupsToTheLeftEdge) {
    Fixture f;
    const ResultGrid with = f.build();
    const ResultGrid without = f.build(true);
    EXPECT_EQ(gridExtent(with.cells).columns, 68);
    EXPECT_EQ(gridExtent(without.cells).columns, 48);
    EXPECT_EQ(gridExtent(with.cells).rows, gridExtent(without.cells).rows);
    for (const auto& c : without.cells) {
        EXPECT_GE(c.cellColumn, 0);
    }
    EXPECT_EQ(cellAt(without, 1, 0)->cellKind, kCellFigure);
    EXPECT_TRUE(labelColumn(without).empty() || labelColumn(without).front() != " 符号");
}

TEST(ResultCells, PrintConversionGravityToSi) {
    Fixture f;
    f.page.basicStresses[0][0].n = 1.0;  // 1.00 t
    f.page.ratioConcrete[0][1] = 0.853;
    f.page.sigmaC[0][1] = 100;  // kg/cm2
    f.page.ribTau[0][1] = 1;    // t/cm2
    f.page.ultimateResults[31][0] = 1;
    f.page.ultimateResults[28][0] = 12.5;  // a length: not converted
    f.cnt.routeX = 2;
    const ResultGrid screen = f.build();
    const ResultGrid print = f.build(false, true, 0, 1);
    const int g = rowOf(print, "G:常時");
    EXPECT_EQ(textAt(screen, g, 20), "   1.00");
    EXPECT_EQ(textAt(print, g, 20), "    9.8");
    EXPECT_TRUE(std::holds_alternative<double>(cellAt(print, g, 20)->valueTarget));
    EXPECT_FALSE(cellAt(print, g, 20)->field.has_value());  // a converted copy is never edited
    const int shortTitle = rowOf(print, "短期許容応力度設計");
    EXPECT_EQ(textAt(print, shortTitle + 1, 20), "  9.807");  // 100 x 9.80665 x 0.01 N/mm2
    EXPECT_EQ(textAt(print, shortTitle + 1, 36), "  0.853");
    EXPECT_EQ(textAt(print, shortTitle + 4, 20), "  98.07");  // 1 t/cm2 x 9.80665 x 10
    const int tau = rowOf(print, " τ");
    EXPECT_EQ(textAt(screen, tau, 20), "  1.000");
    EXPECT_EQ(textAt(print, tau, 20), "  98.07");
    EXPECT_EQ(textAt(print, rowOf(print, " ne1"), 28), "  12.50");
    // Printing in the input unit names the fields themselves.
    EXPECT_EQ(cellAt(f.build(false, true, 0, 0), g, 20)->field,
              (FieldRef{0, FieldRef::kBasicN, 0, 0}));
}

TEST(ResultCells, PrintConversionSiToGravity) {
    Fixture f;
    f.page.basicStresses[0][0].n = 98.0665;  // kN
    f.page.sigmaC[0][1] = 9.80665;           // N/mm2
    const ResultGrid print = f.build(false, true, 1, 0);
    EXPECT_EQ(textAt(print, rowOf(print, "G:常時"), 20), "  10.00");
    EXPECT_EQ(textAt(print, rowOf(print, "短期許容応力度設計") + 1, 20), " 100.00");
}

TEST(CellText, KindsAndTypes) {
    DisplayCell c;
    c.cellKind = kCellJudgement;
    c.valueType = kValueByte;
    c.valueTarget = std::uint8_t{0};
    EXPECT_EQ(cellText(c), "-");
    c.valueTarget = std::uint8_t{1};
    EXPECT_EQ(cellText(c), "OK");
    EXPECT_EQ(cellTextColour(c), CellColour::black);
    c.valueTarget = std::uint8_t{2};
    EXPECT_EQ(cellText(c), "NG");
    EXPECT_EQ(cellTextColour(c), CellColour::red);
    c.cellKind = kCellEditable;
    c.valueType = kValueInteger;
    c.valueFormat = "%d本";
    c.valueTarget = 3;
    EXPECT_EQ(cellText(c), "3本");
    EXPECT_EQ(cellTextColour(c), CellColour::blue);
    c.valueType = kValueByte;
    c.valueFormat = "%d";
    c.valueTarget = std::uint8_t{2};
    EXPECT_EQ(cellText(c), "2");
    c.cellKind = kCellFigure;
    EXPECT_EQ(cellText(c), "");
    c.cellKind = kCellEditable;
    c.valueType = kValueDouble;
    c.valueFormat = "%7.2f";
    c.valueTarget = 5e-11;
    EXPECT_EQ(cellText(c), "   0.00");
    c.cellKind = kCellDisplay;
    EXPECT_EQ(cellText(c), "-");  // a computed zero
}

}  // namespace
}  // namespace kesto
