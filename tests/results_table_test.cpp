// The rows of the results overview: each page's identity, its ratios and judgements by
// direction and term, and whether it belongs among the pages with findings.
#include "report/results_table.h"

#include <gtest/gtest.h>

#include "model/new_document.h"

namespace kesto {
namespace {

TEST(ResultsRows, OnePerPageWithRatiosByDirectionAndTerm) {
    CKestoCnt cnt;
    installBuiltInDefaults(cnt);
    for (const char* mark : {"C1", "C2", "C3"}) {
        CKesto page = makeNewPage(cnt, 1);
        page.mark = mark;
        cnt.pages.append(std::move(page));
    }
    CKesto& c2 = cnt.pages[1];
    c2.plateB = 650;
    c2.plateD = 700;
    c2.plateT = 36;
    c2.ratioMax[1][1] = 1.25;
    c2.allowJudgement[1][1] = kJudgedNg;
    c2.ultimateResults[kGoverningUltimateSlot][0] = 0.5;
    c2.ultimateJudgement[0] = kJudgedOk;
    c2.ngMessages = {"a", "b"};
    cnt.pages[2].errorMessages = {"e"};

    const std::vector<ResultsRow> rows = resultsRows(cnt);
    ASSERT_EQ(rows.size(), 3u);
    const ResultsRow& r = rows[1];
    EXPECT_EQ(r.page, 1);
    EXPECT_EQ(r.mark, "C2");
    EXPECT_EQ(r.plate, "BPL-650x700x36");
    EXPECT_EQ(r.ratio[1][1], 1.25);
    EXPECT_EQ(r.judgement[1][1], kJudgedNg);
    EXPECT_EQ(r.ratio[0][2], 0.5);
    EXPECT_EQ(r.judgement[0][2], kJudgedOk);
    EXPECT_EQ(r.judgement[1][2], kNotCalculated);
    EXPECT_EQ(r.messages, 2);
    EXPECT_EQ((std::vector<bool>{rows[0].findings, rows[1].findings, rows[2].findings}),
              (std::vector<bool>{false, true, true}));
}

}  // namespace
}  // namespace kesto
