// A block copied from a spreadsheet laid over the stress cells of a page: where each value goes
// and every reason to refuse the whole block.
#include "report/stress_paste.h"

#include <gtest/gtest.h>

#include "model/new_document.h"

namespace kesto {
namespace {

using Values = std::vector<std::pair<FieldRef, double>>;

// Cases G and K; the route-3 forces in X only, without the moment when `elongation`.
struct Page {
    CKestoCnt cnt;
    ResultGrid grid;
    explicit Page(bool elongation = false) {
        installBuiltInDefaults(cnt);
        cnt.routeX = 2;
        cnt.routeY = 1;
        cnt.boltElongation = elongation ? 1 : 0;
        cnt.pages.append(makeNewPage(cnt, 1));
        grid = buildResultCells(cnt, cnt.pages[0], {});
    }
    // The edit number of the cell showing this field.
    int cell(FieldRef::Field field, int dir, int index) const {
        for (const DisplayCell& c : grid.cells) {
            if (c.field == FieldRef{0, field, dir, index}) {
                return c.editOrder;
            }
        }
        return -1;
    }
    StressPaste paste(FieldRef::Field field, int dir, int index, std::string_view text) const {
        return planStressPaste(grid.cells, cell(field, dir, index), text);
    }
};

FieldRef ref(FieldRef::Field field, int dir, int index) {
    return FieldRef{0, field, dir, index};
}

TEST(StressPaste, RowsGoDownTheCasesAndOnToTheLoadingSenses) {
    const Page p;
    const StressPaste plan = p.paste(FieldRef::kBasicN, 0, 1, "1\t2\t3\r\n4\t-5.5\t6e2\r\n");
    EXPECT_EQ(plan.refusal, "");
    EXPECT_EQ(plan.values, (Values{{ref(FieldRef::kBasicN, 0, 1), 1},
                                   {ref(FieldRef::kBasicM, 0, 1), 2},
                                   {ref(FieldRef::kBasicQ, 0, 1), 3},
                                   {ref(FieldRef::kUltimateN, 0, 0), 4},
                                   {ref(FieldRef::kUltimateM, 0, 0), -5.5},
                                   {ref(FieldRef::kUltimateQ, 0, 0), 600}}));
}

TEST(StressPaste, ARowRunsOnFromXIntoY) {
    const Page p;
    const StressPaste plan = p.paste(FieldRef::kBasicQ, 0, 0, " 7 \t8\n");
    EXPECT_EQ(plan.values,
              (Values{{ref(FieldRef::kBasicQ, 0, 0), 7}, {ref(FieldRef::kBasicN, 1, 0), 8}}));
}

TEST(StressPaste, OneValueWithoutALineBreak) {
    const Page p;
    EXPECT_EQ(p.paste(FieldRef::kUltimateQ, 0, 1, "99999").values,
              (Values{{ref(FieldRef::kUltimateQ, 0, 1), 99999}}));
}

TEST(StressPaste, WhatDoesNotFitIsRefusedWhole) {
    const Page p;
    const auto refusal = [&](FieldRef::Field f, int dir, int index, std::string_view text) {
        const StressPaste plan = p.paste(f, dir, index, text);
        EXPECT_TRUE(plan.values.empty()) << text;
        return plan.refusal;
    };
    // Past the last column.
    EXPECT_EQ(refusal(FieldRef::kBasicM, 1, 0, "1\t2\t3"),
              "貼り付けできません。1行×3列の値が、選んだ欄から始まる応力の欄に収まりません（1行3列"
              "目）。");
    // Onto the empty route-3 cells of Y.
    EXPECT_EQ(refusal(FieldRef::kBasicN, 1, 1, "1\r\n2\r\n"),
              "貼り付けできません。2行×1列の値が、選んだ欄から始まる応力の欄に収まりません（2行1列"
              "目）。");
    // Below the last loading sense.
    EXPECT_EQ(refusal(FieldRef::kUltimateN, 0, 1, "1\n2\t3\n"),
              "貼り付けできません。2行×2列の値が、選んだ欄から始まる応力の欄に収まりません（2行1列"
              "目）。");
    EXPECT_EQ(refusal(FieldRef::kBasicN, 0, 0, "1\t2\n3\tabc\n"),
              "貼り付けできません。2行2列目の値が数値ではありません。");
    EXPECT_EQ(refusal(FieldRef::kBasicN, 0, 0, "1\t\t3"),
              "貼り付けできません。1行2列目の値が数値ではありません。");
    EXPECT_EQ(refusal(FieldRef::kBasicN, 0, 0, "-99999.01"),
              "貼り付けできません。1行1列目の値が -99999 から 99999 の範囲を外れています。");
    EXPECT_EQ(refusal(FieldRef::kBasicN, 0, 0, "\r\n"),
              "貼り付けできません。クリップボードに貼り付ける値がありません。");
}

TEST(StressPaste, TheMomentTheRouteThreeStudyDoesNotUseTakesNothing) {
    const Page p(true);
    EXPECT_EQ(p.paste(FieldRef::kUltimateN, 0, 0, "1\t2").values, Values{});
    EXPECT_EQ(p.paste(FieldRef::kBasicN, 0, 1, "1\n2").values,
              (Values{{ref(FieldRef::kBasicN, 0, 1), 1}, {ref(FieldRef::kUltimateN, 0, 0), 2}}));
}

TEST(StressPaste, OnlyFromAStressCell) {
    const Page p;
    const std::string refusal = "貼り付けできません。応力の欄を選んでから貼り付けてください。";
    int markCell = -1;
    for (const DisplayCell& c : p.grid.cells) {
        if (c.field && c.field->field == FieldRef::kMark) {
            markCell = c.editOrder;
        }
    }
    ASSERT_GE(markCell, 0);
    EXPECT_EQ(planStressPaste(p.grid.cells, markCell, "1").refusal, refusal);
    EXPECT_EQ(planStressPaste(p.grid.cells, -1, "1").refusal, refusal);
}

}  // namespace
}  // namespace kesto
