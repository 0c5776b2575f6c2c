// The stress table: spreadsheet text read in every form a desktop saves it, written so that it
// reads back to the same document, and refused whole, line by line, when anything is wrong.
#include <gtest/gtest.h>

#include "base/codepage.h"
#include "base/csv.h"
#include "calc_test_support.h"
#include "model/document_file.h"
#include "model/new_document.h"
#include "model/stress_table.h"
#include "platform/files.h"
#include "test_support.h"

namespace kesto {
namespace {

// A document of two pages, C1 and C2, with the built-in cases G and K.
DocumentData twoPages() {
    DocumentData doc;
    installBuiltInDefaults(doc.conditions);
    for (const char* mark : {"C1", "C2"}) {
        CKesto page = makeNewPage(doc.conditions, doc.unitSystem);
        page.mark = mark;
        doc.conditions.pages.append(std::move(page));
    }
    doc.conditions.pages[1].plateB = 700;
    return doc;
}

std::vector<std::string> problemLines(const StressTableImport& result) {
    std::vector<std::string> lines;
    for (const auto& p : result.problems) {
        lines.push_back(std::to_string(p.line) + ": " + p.text);
    }
    return lines;
}

TEST(StressTable, ExportThenImportChangesNothing) {
    const auto paths = test::exampleDocuments();
    ASSERT_GE(paths.size(), 2u);
    for (const std::string& path : paths) {
        const std::string bytes = readFile(path);
        DocumentData doc = parseDocument(bytes, path);
        const std::string table = writeStressTable(doc.conditions);
        const auto result = importStressTable(table, doc.conditions, doc.unitSystem, false);
        EXPECT_EQ(problemLines(result), std::vector<std::string>{}) << path;
        EXPECT_EQ(result.rows, static_cast<int>(doc.conditions.pages.size()) * 2 *
                                   (static_cast<int>(doc.conditions.stressNames.size()) + 2));
        EXPECT_TRUE(serializeDocument(doc) == bytes) << path;
    }
}

TEST(StressTable, WrittenLayout) {
    DocumentData doc = twoPages();
    CKesto& c1 = doc.conditions.pages[0];
    c1.mark = "C,1";
    c1.basicStresses[0][0] = CStress{"G", 12.5, -3, 100};
    c1.basicStresses[1][1] = CStress{"K", 0.1, 1e-5, -0.0};
    c1.ultimateN[1][1] = 250;
    c1.ultimateM[1][1] = 1e20;
    doc.conditions.pages.erase(1);
    EXPECT_EQ(writeStressTable(doc.conditions),
              "\xEF\xBB\xBFmark,dir,case,N,M,Q\r\n"
              "\"C,1\",X,G,100,12.5,-3\r\n"
              "\"C,1\",X,K,0,0,0\r\n"
              "\"C,1\",X,U:L->R,0,0,0\r\n"
              "\"C,1\",X,U:R->L,0,0,0\r\n"
              "\"C,1\",Y,G,0,0,0\r\n"
              "\"C,1\",Y,K,-0,0.1,1e-05\r\n"
              "\"C,1\",Y,U:L->R,0,0,0\r\n"
              "\"C,1\",Y,U:R->L,250,1e+20,0\r\n");
}

TEST(StressTable, SetsListedValuesAndKeepsTheOthers) {
    DocumentData doc = twoPages();
    doc.conditions.pages[0].basicStresses[0][1] = CStress{"K", 1, 2, 3};
    const auto result = importStressTable(
        "Mark , DIR,Case,n,m,q\n"
        "C1,X,G,-50,10.5,4\n"
        "\n"
        ",,,,,\n"
        "C2, y ,U:R->L,+1e2,2.5E1,\"7\"\n",
        doc.conditions, doc.unitSystem, false);
    ASSERT_EQ(problemLines(result), std::vector<std::string>{});
    EXPECT_EQ(result.rows, 2);
    const CKesto& c1 = doc.conditions.pages[0];
    EXPECT_EQ(c1.basicStresses[0][0], (CStress{"G", 10.5, 4, -50}));
    EXPECT_EQ(c1.basicStresses[0][1], (CStress{"K", 1, 2, 3}));
    const CKesto& c2 = doc.conditions.pages[1];
    EXPECT_EQ(c2.ultimateN[1][1], 100);
    EXPECT_EQ(c2.ultimateM[1][1], 25);
    EXPECT_EQ(c2.ultimateQ[1][1], 7);
    EXPECT_EQ(c2.ultimateN[1][0], 0);
}

TEST(StressTable, EveryEncodingAndSeparatorReadsAlike) {
    const std::string text =
        "符号\t方向\t応力\tN\tM\tQ\r\n"
        "\"柱\"\"A\"\"\"\tX\tK\t120\t-35.5\t18\r\n"
        "C1\tＹ\tG\t80\t1\t2\r\n";
    std::string comma = text;
    std::replace(comma.begin(), comma.end(), '\t', ',');
    const std::vector<std::string> forms = {std::string(kUtf8Bom) + text, text, *encodeCp932(text),
                                            *encodeCp932(comma)};
    std::string first;
    for (const std::string& bytes : forms) {
        DocumentData doc = twoPages();
        const auto result = importStressTable(bytes, doc.conditions, doc.unitSystem, true);
        ASSERT_EQ(problemLines(result), std::vector<std::string>{});
        EXPECT_EQ(result.pagesAdded, 1);
        const std::string saved = serializeDocument(doc);
        if (first.empty()) {
            first = saved;
        }
        EXPECT_TRUE(saved == first);
    }
    const DocumentData doc = parseDocument(first, "doc");
    const CKesto& added = doc.conditions.pages[2];
    EXPECT_EQ(added.mark, "柱\"A\"");
    EXPECT_EQ(added.basicStresses[0][1], (CStress{"K", -35.5, 18, 120}));
    EXPECT_EQ(doc.conditions.pages[0].basicStresses[1][0], (CStress{"G", 1, 2, 80}));
}

TEST(StressTable, AddedPageCopiesTheLastPageAsInsertingDoes) {
    DocumentData doc = twoPages();
    CKesto& last = doc.conditions.pages[1];
    last.basicStresses[0][0].n = 99;
    last.ultimateN[0][0] = 5;
    last.concreteShearCheck = 0;
    const auto result = importStressTable("mark,dir,case,N,M,Q\nC3,X,K,1,2,3\n", doc.conditions,
                                          doc.unitSystem, true);
    ASSERT_EQ(problemLines(result), std::vector<std::string>{});
    CKesto expected = makeInsertedPage(doc.conditions, doc.unitSystem, &last);
    expected.mark = "C3";
    expected.basicStresses[0][1] = CStress{"K", 2, 3, 1};
    EXPECT_EQ(doc.conditions.pages[2], expected);
    EXPECT_EQ(expected.plateB, 700);
    EXPECT_EQ(expected.concreteShearCheck, 1);
}

TEST(StressTable, RefusesTheWholeTableAndNamesEveryLine) {
    DocumentData doc = twoPages();
    doc.conditions.pages.append(makeNewPage(doc.conditions, doc.unitSystem));
    doc.conditions.pages.append(makeNewPage(doc.conditions, doc.unitSystem));
    const std::string before = serializeDocument(doc);
    const auto result = importStressTable(
        "mark,dir,case,N,M,Q\n"
        "C1,X,G,1,2,3\n"       // 2: good, yet not applied
        "C9,X,G,1,2,3\n"       // 3
        "C1,Z,G,1,2,3\n"       // 4
        "C1,X,E,1,2,3\n"       // 5
        "C1,Y,G,1x,,100000\n"  // 6: three problems
        "C1,X,G,4,5,6\n"       // 7
        "C1,X,G,4,5\n"         // 8
        "C,X,G,1,2,3\n"        // 9: two pages are marked C
        "\"C2,X,G,1,2,3\n"     // 10: the quote never closes
        "C2,Y,K,nan,inf,1\n",  // (inside the open quote)
        doc.conditions, doc.unitSystem, false);
    EXPECT_EQ(problemLines(result),
              (std::vector<std::string>{
                  "3: 符号「C9」のページがありません",
                  "4: 方向「Z」はXかYで指定してください",
                  "5: 応力「E」は基本応力の記号でもU:L->RでもU:R->Lでもありません",
                  "6: N「1x」は数値ではありません",
                  "6: Mが空です",
                  "6: Q「100000」は-99999～99999の範囲にありません",
                  "7: 符号「C1」X方向「G」は2行目と重なっています",
                  "8: 列が5個あります（見出しは6個）",
                  "9: 符号「C」のページが2枚あります",
                  "10: 引用符（\"）が閉じていません",
              }));
    EXPECT_EQ(result.rows, 0);
    EXPECT_TRUE(serializeDocument(doc) == before);
}

TEST(StressTable, RefusesBadHeadersAndUnreadableText) {
    DocumentData doc = twoPages();
    const std::string before = serializeDocument(doc);
    const auto check = [&](std::string_view bytes, std::vector<std::string> expected) {
        const auto result = importStressTable(bytes, doc.conditions, doc.unitSystem, true);
        EXPECT_EQ(problemLines(result), expected);
        EXPECT_TRUE(serializeDocument(doc) == before);
    };
    check("", {"1: 見出しの行がありません"});
    check(
        "\n\nmark,dir,dir,N,M,備考\nC1,X,G,1,2,3\n",
        {"3: 見出しの「dir」が重複しています", "3: 見出しの「備考」は列の名前ではありません",
         "3: 見出しに「case」（応力）の列がありません", "3: 見出しに「Q」（Ｑ）の列がありません"});
    check("mark,dir,case,N,M,Q\nC1,X,G,1,2,3\nC1,Y,\xFF,1,2,3\n",
          {"3: UTF-8でもシフトJIS（コードページ932）でもない文字があります"});
    check("\xEF\xBB\xBFmark,dir,case,N,M,Q\n\x95\x84\x8D\x86,X,G,1,2,3\n",
          {"2: UTF-8でもシフトJIS（コードページ932）でもない文字があります"});
    check("mark,dir,case,N,M,Q\n,X,G,1,2,3\n\"C1\"x,X,G,1,2,3\n",
          {"2: 符号が空です", "3: 閉じた引用符（\"）の後に文字があります"});
    check("mark,dir,case,N,M,Q\n\xF0\x9F\x98\x80,X,G,1,2,3\n",
          {"2: 符号「\xF0\x9F\x98\x80」はシフトJISで表せない文字を含みます"});
}

TEST(StressTable, HugeOrHopelessTablesStopEarly) {
    DocumentData doc = twoPages();
    const std::string before = serializeDocument(doc);
    std::string hopeless = "mark,dir,case,N,M,Q\n";
    for (int i = 0; i < 3000; ++i) {
        hopeless += "C1,Z,G,1,2,3\n";
    }
    const auto result = importStressTable(hopeless, doc.conditions, doc.unitSystem, false);
    ASSERT_EQ(result.problems.size(), 1001u);
    EXPECT_EQ(problemLines(result).back(), "1002: 問題が多いため、ここから先は調べていません");
    // A malformed quote on every line: the first thousand are listed, the others counted.
    std::string quotes = "mark,dir,case,N,M,Q\n";
    for (int i = 0; i < 250000; ++i) {
        quotes += "\"C1\"x,X,G,1,2,3\n";
    }
    const auto damaged = importStressTable(quotes, doc.conditions, doc.unitSystem, false);
    const auto lines = problemLines(damaged);
    ASSERT_EQ(lines.size(), 1001u);
    EXPECT_EQ(lines[0], "2: 閉じた引用符（\"）の後に文字があります");
    EXPECT_EQ(lines[999], "1001: 閉じた引用符（\"）の後に文字があります");
    EXPECT_EQ(lines[1000], "1002: …ほか249000件の問題があります");
    const auto huge =
        importStressTable(std::string((64 << 20) + 1, ','), doc.conditions, doc.unitSystem, false);
    EXPECT_EQ(problemLines(huge), std::vector<std::string>{"1: 表が大きすぎます（64MBまで）"});
    EXPECT_TRUE(serializeDocument(doc) == before);
}

TEST(StressTable, DamagedTablesChangeNothingOrApplyWhole) {
    const DocumentData original = twoPages();
    const std::string table = writeStressTable(original.conditions);
    testing::RandomValues random(18);
    const std::string alphabet = ",\t\"\r\n -+.eXYGKU:0123456789\x82\xA0\xEF\xFF";
    for (int round = 0; round < 300; ++round) {
        std::string bytes = table;
        if (round % 3 == 0) {
            bytes.resize(static_cast<std::size_t>(random.uniform(0, double(bytes.size()))));
        } else {
            for (int k = 0; k < 1 + round % 5; ++k) {
                const auto at = static_cast<std::size_t>(random.uniform(0, double(bytes.size())));
                const auto c = static_cast<std::size_t>(random.uniform(0, double(alphabet.size())));
                bytes[std::min(at, bytes.size() - 1)] = alphabet[std::min(c, alphabet.size() - 1)];
            }
        }
        DocumentData doc = twoPages();
        const auto result = importStressTable(bytes, doc.conditions, doc.unitSystem, round % 2);
        if (!result.problems.empty()) {
            EXPECT_EQ(result.rows, 0);
            EXPECT_TRUE(serializeDocument(doc) == serializeDocument(original)) << bytes;
        }
    }
}

TEST(StressTable, QuotedFieldsKeepEveryCharacter) {
    DocumentData doc = twoPages();
    const std::vector<std::string> marks = {" C 1", "a\r\nb", "x\"y", "", "\t"};
    for (const std::string& mark : marks) {
        CKesto page = makeNewPage(doc.conditions, doc.unitSystem);
        page.mark = mark;
        page.basicStresses[1][0].m = 0.1 + static_cast<double>(mark.size());
        doc.conditions.pages.append(std::move(page));
    }
    const std::string before = serializeDocument(doc);
    const std::string table = writeStressTable(doc.conditions);
    for (CKesto& page : doc.conditions.pages) {
        page.basicStresses[1][0].m = 0;
    }
    const auto result = importStressTable(table, doc.conditions, doc.unitSystem, false);
    EXPECT_EQ(problemLines(result), std::vector<std::string>{});
    EXPECT_TRUE(serializeDocument(doc) == before);

    const CsvTable csv = parseCsv("a,\"b\r\n\"\"c\"\"\r\nd\",e\r\nf,g,h\n");
    ASSERT_EQ(csv.records.size(), 2u);
    EXPECT_EQ(csv.records[0].fields, (std::vector<std::string>{"a", "b\r\n\"c\"\r\nd", "e"}));
    EXPECT_EQ(csv.records[1].line, 4);
}

}  // namespace
}  // namespace kesto
