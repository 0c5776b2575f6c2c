#include <gtest/gtest.h>

#include <filesystem>

#include <nlohmann/json.hpp>

#include "base/codepage.h"
#include "calc/page_calculation.h"
#include "cli_document.h"
#include "test_support.h"

namespace kesto {
namespace {

using test::runCli;

// The calculation document of cli_document.h with one long-term and one short-term
// combination and a force on its page.
class CalcCommand : public test::CliDocument {
  protected:
    void SetUp() override {
        CKestoCnt& cnt = doc.conditions;
        cnt.longTermCombos.append(CStringTable{"G"});
        cnt.shortTermCombos.append(CStringTable{"G+K"});
        cnt.pages[0].mark = "C1";
        cnt.pages[0].basicStresses[0][0] = CStress{"G", 10, 5, 50};
    }
    std::string args(const std::string& rest) { return command("calc", rest); }
};

TEST_F(CalcCommand, PlainOutputListsMessagesAndSummaries) {
    const auto run = runCli(folder, args(""));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("C1  X: 長期 ", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("保有耐力 0.000 -"), std::string::npos);

    doc.conditions.pages[0].basicStresses[0][0] = CStress{"G", 0, 0, 600};
    const auto ng = runCli(folder, args(""));
    EXPECT_EQ(ng.status, 1);
    EXPECT_EQ(ng.out.rfind("[C1]\n  W：Ｘ方向長期許容(G) コンクリート圧縮応力度がＮＧです\n", 0),
              0u)
        << ng.out;
}

TEST_F(CalcCommand, ErrorPageIsAFinding) {
    doc.conditions.pages[0].concreteGrade = "Fc999";
    const auto run = runCli(folder, args(""));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "[C1]\n  E：コンクリート材質Fc999は未登録です\nC1  計算中断\n");
}

TEST_F(CalcCommand, JsonReadsBackTheSameValues) {
    const auto run = runCli(folder, args("--json"));
    ASSERT_EQ(run.status, 0) << run.err;
    const auto j = nlohmann::json::parse(run.out);
    CKestoCnt cnt = doc.conditions;
    CKesto& page = cnt.pages[0];
    calculatePage(cnt, page, 0);
    EXPECT_EQ(j["unitSystem"], 0);
    const auto& p = j["pages"][0];
    EXPECT_EQ(p["mark"], "C1");
    EXPECT_EQ(p["comboResults"][0][1][0]["name"], "G+K");
    EXPECT_EQ(p["comboResults"][0][1][0]["n"].get<double>(), 50.0);
    for (const auto& field : kAllowableResults) {
        for (int dir = 0; dir < 2; ++dir) {
            for (int slot = 0; slot < 2; ++slot) {
                EXPECT_EQ(p["allowable"][field.name][dir][slot].get<double>(),
                          (page.*field.member)[dir][slot])
                    << field.name;
            }
        }
    }
    EXPECT_EQ(p["allowable"]["allowJudgement"][0][0], kJudgedOk);
    EXPECT_EQ(p["ultimateResults"][0].size(), 43u);
    EXPECT_EQ(p["ultimateJudgement"].size(), 2u);
    EXPECT_TRUE(j["messageLines"].empty());
}

// The closing list holds every page's message lines in page order, repeated lines included.
TEST_F(CalcCommand, JsonMessageLinesKeepTheirOrderAndRepeats) {
    CKestoCnt& cnt = doc.conditions;
    cnt.pages[0].basicStresses[0][0] = CStress{"G", 0, 0, 600};
    cnt.pages.append(CKesto(cnt.pages[0])).mark = "C2";
    cnt.pages.append(CKesto(cnt.pages[0]));
    const auto text = runCli(folder, args(""));
    const auto run = runCli(folder, args("--json"));
    ASSERT_EQ(run.status, 1) << run.err;
    const auto j = nlohmann::json::parse(run.out);
    std::string expected;
    for (const auto& line : j["messageLines"]) {
        expected += line.get<std::string>() + "\n";
    }
    // The first page's block, then the same findings under C2, then the first block again.
    const std::string block = expected.substr(0, expected.find("[C2]"));
    ASSERT_EQ(block.rfind("[C1]\n  W：Ｘ方向長期許容(G) コンクリート圧縮応力度がＮＧです\n", 0), 0u)
        << block;
    EXPECT_EQ(expected, block + "[C2]" + block.substr(4) + block);
    EXPECT_EQ(text.out.rfind(expected, 0), 0u) << text.out;
}

TEST_F(CalcCommand, DetailFileAsCalculateAllWritesIt) {
    const std::string csv = folder.file("out.csv");
    const auto run = runCli(folder, args("--detail '" + csv + "'"));
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string bytes = readFile(csv);
    EXPECT_EQ(bytes.rfind(folder.file("doc.kso") + "\r\n", 0), 0u);
    EXPECT_NE(bytes.find(*encodeCp932("\r\n-----[C1]-----\r\n\r\n柱鋼材,")), std::string::npos);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
}

TEST_F(CalcCommand, DocumentDamagedInItsLastPageIsRefusedBeforeAnythingIsPrinted) {
    doc.conditions.pages.append(doc.conditions.pages[0]).ribGaugeY = 123.375;
    std::string file = serializeDocument(doc);
    const std::size_t at = file.rfind(test::bytesOf("00 00 00 00 00 D8 5E 40"));  // 123.375
    ASSERT_NE(at, std::string::npos);
    file.replace(at, 8, test::bytesOf("01 00 00 00 00 00 F8 7F"));  // a NaN
    writeFileAtomic(folder.file("damaged.kso"), file);
    const std::string csv = folder.file("detail.csv");
    for (const std::string& options :
         {std::string(), std::string("--json"), "--detail '" + csv + "'"}) {
        const auto run =
            runCli(folder, "calc '" + folder.file("damaged.kso") + "' --program-folder '" +
                               folder.folder() + "' " + options);
        EXPECT_EQ(run.status, 2) << options;
        EXPECT_EQ(run.out, "") << options;
        EXPECT_NE(run.err.find("expected a finite number for ribGaugeY (found NaN)"),
                  std::string::npos)
            << run.err;
    }
    EXPECT_FALSE(std::filesystem::exists(csv));
}

TEST_F(CalcCommand, TableProblemsGoToTheErrorOutputAndThePagesAreStillCalculated) {
    writeFileAtomic(folder.file(doc.conditions.boltTableName), "not a table");
    const auto run = runCli(folder, args(""));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(doc.conditions.boltTableName), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "[C1]\n  E：アンカーボルト径M30は未登録です\nC1  計算中断\n");
}

TEST_F(CalcCommand, UsageAndFileErrors) {
    EXPECT_EQ(runCli(folder, "calc").status, 2);
    EXPECT_EQ(runCli(folder, "calc '" + folder.file("missing.kso") + "'").status, 2);
    writeFileAtomic(folder.file("bad.kso"), "not a document");
    EXPECT_EQ(runCli(folder, "calc '" + folder.file("bad.kso") + "'").status, 2);
}

}  // namespace
}  // namespace kesto
