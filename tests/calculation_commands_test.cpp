#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/text_format.h"
#include "calc/calculation_commands.h"
#include "calc_test_support.h"
#include "document/detail_file.h"
#include "platform/files.h"
#include "report_test_support.h"

namespace kesto {
namespace {

using testing::makeCalcConditions;
using testing::TempFolder;

const std::vector<std::string> kHeader = {"C:\\docs\\sample.kso", "【基本条件】"};

CKestoCnt threePages() {
    CKestoCnt cnt = makeCalcConditions();
    cnt.pages[0].mark = "C1";
    cnt.pages.append(cnt.pages[0]).mark = "C2";
    cnt.pages.append(cnt.pages[0]).mark = "C3";
    cnt.pages[1].concreteGrade = "Fc999";
    cnt.pages[2].basicStresses[0][0] = CStress{"G", 0, 0, 400};
    cnt.longTermCombos.append(CStringTable{"G"});
    return cnt;
}

std::vector<std::string> pageMarks(const TextLines& lines) {
    std::vector<std::string> marks;
    for (const std::string_view line : lines) {
        if (line.rfind("-----[", 0) == 0) {
            marks.emplace_back(line);
        }
    }
    return marks;
}

TEST(CollectMessages, ListsErrorsThenNgMessagesUnderTheMark) {
    CKesto page;
    page.mark = "C1";
    std::vector<std::string> lines;
    collectMessages(page, lines);
    EXPECT_TRUE(lines.empty());
    page.errorMessages = {"柱材質Aは未登録です"};
    page.ngMessages = {"Ｘ方向長期許容(G) せん断耐力がＮＧです"};
    collectMessages(page, lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"[C1]", "  E：柱材質Aは未登録です",
                                               "  W：Ｘ方向長期許容(G) せん断耐力がＮＧです"}));
}

TEST(CalculationCommands, CalculateAllWritesTheHeaderOnceAndEveryPageInOrder) {
    CKestoCnt cnt = threePages();
    cnt.detailLines = {"left over"};
    std::vector<std::string> messages = {"old"};
    calculateAllPages(cnt, 0, kHeader, messages);
    EXPECT_EQ(cnt.detailLines[0], kHeader[0]);
    EXPECT_EQ(cnt.detailLines[1], kHeader[1]);
    EXPECT_EQ(cnt.detailLines[2], "");
    EXPECT_EQ(pageMarks(cnt.detailLines),
              (std::vector<std::string>{"-----[C1]-----", "-----[C2]-----", "-----[C3]-----"}));
    ASSERT_GE(messages.size(), 3u);
    EXPECT_EQ(messages[0], "[C2]");
    EXPECT_EQ(messages[1], "  E：コンクリート材質Fc999は未登録です");
    EXPECT_EQ(messages[2], "[C3]");
    EXPECT_EQ(messages[3].rfind("  W：Ｘ方向長期許容(G) ", 0), 0u);
}

TEST(CalculationCommands, CalculateAllStopsAfterThePageOnWhichProgressSaysStop) {
    CKestoCnt cnt = threePages();
    std::vector<std::string> messages;
    std::vector<std::pair<int, int>> told;
    const int done = calculateAllPages(cnt, 0, kHeader, messages, [&](int d, int total) {
        told.emplace_back(d, total);
        return d < 2;
    });
    EXPECT_EQ(done, 2);
    EXPECT_EQ(told, (std::vector<std::pair<int, int>>{{1, 3}, {2, 3}}));
    EXPECT_EQ(pageMarks(cnt.detailLines),
              (std::vector<std::string>{"-----[C1]-----", "-----[C2]-----"}));
    EXPECT_EQ(messages,
              (std::vector<std::string>{"[C2]", "  E：コンクリート材質Fc999は未登録です"}));
}

TEST(CalculationCommands, CalculateThisPageClearsTheLinesLeftByOpen) {
    CKestoCnt cnt = threePages();
    std::vector<std::string> messages;
    recalculateOnOpen(cnt, 0, messages);
    EXPECT_EQ(pageMarks(cnt.detailLines).size(), 3u);
    // Opening again appends: the lines are not emptied by the recalculation.
    recalculateOnOpen(cnt, 0, messages);
    EXPECT_EQ(pageMarks(cnt.detailLines).size(), 6u);
    EXPECT_EQ(messages[0], "[C2]");
    calculateThisPage(cnt, cnt.pages[2], 0, kHeader, messages);
    EXPECT_EQ(pageMarks(cnt.detailLines), std::vector<std::string>{"-----[C3]-----"});
    EXPECT_EQ(cnt.detailLines[0], kHeader[0]);
    EXPECT_EQ(messages[0], "[C3]");
}

TEST(CalculationCommands, DetailOffStartsWithoutHeader) {
    CKestoCnt cnt = threePages();
    cnt.writeDetailFile = 0;
    cnt.detailLines = {"left over"};
    std::vector<std::string> messages;
    calculateAllPages(cnt, 0, kHeader, messages);
    EXPECT_TRUE(cnt.detailLines.empty());
}

TEST(DetailFile, WrittenInCodePage932WithCrLf) {
    TempFolder folder;
    CKestoCnt cnt = makeCalcConditions();
    cnt.detailLines = {"", "-----[柱1]-----", "ｱﾝｶｰﾎﾞﾙﾄ,1.000000"};
    EXPECT_TRUE(writeDetailFile(folder.folder(), cnt));
    EXPECT_TRUE(cnt.detailLines.empty());
    const std::string expected =
        "\r\n-----[\x92\x8c\x31]-----\r\n\xb1\xdd\xb6\xb0\xce\xde\xd9\xc4,1.000000\r\n";
    EXPECT_EQ(readFile(folder.file("temp.csv")), expected);
}

TEST(DetailFile, CharacterWithoutCodeBecomesAQuestionMark) {
    EXPECT_EQ(detailFileBytes({"a\xF0\x9F\x98\x80"
                               "b"}),
              "a?b\r\n");
}

// The text is encoded in blocks of about a megabyte; a block with a character without a code
// is done again line by line, so only that character changes, and a stray byte at a line's
// end never swallows the line end.
TEST(DetailFile, BlocksOfLinesEncodeAsSingleLines) {
    TextLines lines;
    std::string expected;
    for (int i = 0; i < 60000; ++i) {
        lines.addf("常時,%d,%f", i, i / 8.0);
        expected +=
            "\x8f\xed\x8e\x9e," + std::to_string(i) + "," + strprintf("%f", i / 8.0) + "\r\n";
        if (i == 45000) {
            lines.push_back("x\xF0\x9F\x98\x80y\xE3");
            expected += "x?y?\r\n";
        }
    }
    ASSERT_GT(lines.text().size(), std::size_t{1} << 20);
    EXPECT_EQ(detailFileBytes(lines), expected);
}

// Written as the pages are calculated, a block whenever the lines pass a megabyte, the file is
// byte for byte the detail written whole; here the first block ends in a line with a character
// without a code that runs over the first megabyte of the text.
TEST(DetailFile, WrittenPageByPageAsWrittenWhole) {
    TempFolder folder;
    DetailFileWriter writer(folder.file("temp.csv"));
    TextLines whole;
    TextLines page;
    const auto add = [&](const std::string& line) {
        whole.push_back(line);
        page.push_back(line);
    };
    constexpr std::size_t kMegabyte = std::size_t{1} << 20;
    for (int i = 0; whole.text().size() < kMegabyte - 50; ++i) {
        add(strprintf("常時,%d,%f", i, i / 8.0));
        if (i % 500 == 499) {
            writer.afterPage(page);
        }
    }
    ASSERT_FALSE(page.empty());
    add(std::string(60, 'x') + "\xF0\x9F\x98\x80" + std::string(60, 'y'));
    ASSERT_GT(whole.text().size(), kMegabyte);
    writer.afterPage(page);
    EXPECT_TRUE(page.empty());
    for (int i = 0; i < 70000; ++i) {
        add(strprintf("短期,%d", i));
        if (i % 500 == 499) {
            writer.afterPage(page);
        }
    }
    writer.finish(page);
    EXPECT_TRUE(page.empty());
    EXPECT_EQ(readFile(folder.file("temp.csv")), detailFileBytes(whole));
}

TEST(DetailFile, OptionOffLeavesAnOlderFileAlone) {
    TempFolder folder;
    writeFileAtomic(folder.file("temp.csv"), "older");
    CKestoCnt cnt = makeCalcConditions();
    cnt.writeDetailFile = 0;
    cnt.detailLines = {"x"};
    EXPECT_FALSE(writeDetailFile(folder.folder(), cnt));
    EXPECT_EQ(readFile(folder.file("temp.csv")), "older");
}

TEST(DetailFile, LinesStayWhenTheFileCannotBeCreated) {
    TempFolder folder;
    CKestoCnt cnt = makeCalcConditions();
    cnt.detailLines = {"a", "b"};
    EXPECT_FALSE(writeDetailFile(folder.file("missing-folder"), cnt));
    EXPECT_EQ(cnt.detailLines, (std::vector<std::string>{"a", "b"}));
}

}  // namespace
}  // namespace kesto
