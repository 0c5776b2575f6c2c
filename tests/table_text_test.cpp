#include "tables/table_text.h"

#include <gtest/gtest.h>

#include "tables/section_properties.h"
#include "tables/table_files.h"

namespace kesto {
namespace {

TEST(TableText, SectionsAreComputedNamedAndRounded) {
    const std::string bytes = buildTableFromText(
        "# source line\n@kind h-shape\n@comment 標準\n\n200 100 5.5 8 11\r\n", "h.txt");
    const auto file = parseSectionTable(bytes, "h");
    ASSERT_TRUE(file);
    EXPECT_EQ(file->comment, "標準");
    ASSERT_EQ(file->rows.size(), 1u);
    CSteel expected;
    expected.depth = 200;
    expected.width = 100;
    expected.webThickness = 5.5;
    expected.flangeThickness = 8;
    expected.filletRadius = 11;
    computeSectionProperties(expected, true);
    expected.name = "H-200x100x5.5x8";
    EXPECT_EQ(file->rows[0], expected);
    EXPECT_EQ(file->rows[0].area, 27.16);

    const auto tubes = parseSectionTable(
        buildTableFromText("@kind tube\n200 200 6 15\n350 350 16 40\n", "t.txt"), "t");
    ASSERT_EQ(tubes->rows.size(), 2u);
    EXPECT_EQ(tubes->rows[1].name, "□-350x350x16.0");
    EXPECT_EQ(tubes->rows[0].area, 45.32);
    EXPECT_EQ(tubes->comment, "");
}

TEST(TableText, MultiLineCommentUsesWindowsLineBreaks) {
    const auto bolts = parseBoltTable(
        buildTableFromText("@kind bolt\n@comment one\n@comment two\nM30 30 31.5 7.07 5.61\n", "b"),
        "b");
    EXPECT_EQ(bolts->comment, "one\r\ntwo");
    EXPECT_EQ(bolts->rows[0], (CABolt{"M30", 30, 31.5, 7.07, 5.61}));
}

TEST(TableText, MaterialRows) {
    const auto grades = parseSteelGradeTable(
        buildTableFromText("@kind steel-grade\n@unit si\nBCR295 BCR295 295 295\nX その他 1 2\n",
                           "s"),
        "s");
    EXPECT_EQ(grades.rows[0], (CSteelRaw{"BCR295", 2, 295, 295}));
    EXPECT_EQ(grades.rows[1].gradeKind, 3);

    // Gravity Fc 210, kind 3 (capped at 210): shear min(7, 7.1)·0.8 = 5.6, short 8.4.
    const auto concrete = parseConcreteTable(
        buildTableFromText("@kind concrete\n@unit gravity\nL3 第３種軽量 240\n", "c"), "c");
    ASSERT_EQ(concrete.size(), 1u);
    EXPECT_EQ(concrete[0].concreteKind, 3);
    EXPECT_EQ(concrete[0].fc, 240);
    EXPECT_EQ(concrete[0].compression[0], 70);
    EXPECT_NEAR(concrete[0].shear[0], 5.6, 1e-12);
    EXPECT_NEAR(concrete[0].shear[1], 8.4, 1e-12);
}

TEST(TableText, ErrorsNameTheLine) {
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"# nothing\n", "src:0: no @kind line"},
        {"@kind shelf\n", "src:0: unknown kind \"shelf\""},
        {"@kind tube\n@colour red\n", "src:2: unknown directive @colour"},
        {"@kind tube\n200 200 6\n", "src:2: expected 4 fields (H B t r), found 3"},
        {"@kind h-shape\n200 100 5.5 8 1x\n", "src:2: \"1x\" is not a number of zero or more"},
        {"@kind h-shape\n200 100 5.5 8 -1\n", "src:2: \"-1\" is not a number of zero or more"},
        {"@kind tube\n200 200 6 15\n\n200 200 6 18\n",
         "src:4: the name \"□-200x200x6.0\" is already in the table"},
        {"@kind steel-grade\nSN400 SS400級 235 215\n",
         "src:0: a steel-grade table needs \"@unit si\" or \"@unit gravity\""},
        {"@kind steel-grade\n@unit si\nSN400 SS400 235 215\n",
         "src:3: kind \"SS400\" is none of SS400級, SM490級, BCR295, その他"},
        {"@kind concrete\n@unit si\nFc21 普通 21 0\n", "src:3: expected 3 fields (name kind Fc)"},
        {"@kind bolt\n@comment \xE4\xB8"
         "D\n",
         "src:2: the line is not UTF-8 text that code page 932 can hold"},
    };
    for (const auto& c : cases) {
        try {
            buildTableFromText(c.text, "src");
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const TableTextError& e) {
            EXPECT_EQ(std::string(e.what()).rfind(c.message, 0), 0u) << e.what();
        }
    }
    // A name that code page 932 cannot hold is refused when the file is written.
    EXPECT_ANY_THROW(buildTableFromText("@kind bolt\nM30\xC2\xB2 30 31.5 7.07 5.61\n", "src"));
}

}  // namespace
}  // namespace kesto
