#include "report/condition_lines.h"
#include "document/condition_report.h"

#include <gtest/gtest.h>

#include <random>

#include "base/codepage.h"
#include "model/new_document.h"
#include "report_test_support.h"

namespace kesto {
namespace {

using Lines = std::vector<std::string>;

CKestoCnt builtIn() {
    CKestoCnt cnt;
    installBuiltInDefaults(cnt);
    return cnt;
}

std::string cp932(std::string_view utf8) {
    return *encodeCp932(utf8);
}

TEST(PolicyFileName, ByUnitAndElongation) {
    EXPECT_EQ(policyFileName(1, 1), "計算方針1SI.txt");
    EXPECT_EQ(policyFileName(1, 0), "計算方針2SI.txt");
    EXPECT_EQ(policyFileName(0, 1), "計算方針1.txt");
    EXPECT_EQ(policyFileName(0, 0), "計算方針2.txt");
}

TEST(PolicyText, CommentsMarkerAndLineFeeds) {
    const std::string text = cp932(";comment\r\n方針\r\n\r\n-ルート３\r\nルート３の検討\nend");
    // The marker ends the text; an empty line becomes one blank; the line feed becomes a blank.
    EXPECT_EQ(parsePolicyText(text, false), (Lines{"方針 ", " "}));
    // With the route-3 section the marker alone is dropped; a last line without a line feed
    // stays as it is.
    EXPECT_EQ(parsePolicyText(text, true), (Lines{"方針 ", " ", "ルート３の検討 ", "end"}));
}

TEST(PolicyText, LongLinesAreReadInPiecesOf255Bytes) {
    const std::string line(600, 'a');
    const auto lines = parsePolicyText(line + "\n", false);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], std::string(255, 'a'));
    EXPECT_EQ(lines[1], std::string(255, 'a'));
    EXPECT_EQ(lines[2], std::string(90, 'a') + " ");
    // A line of exactly 255 bytes leaves its line feed to a piece of its own.
    EXPECT_EQ(parsePolicyText(std::string(255, 'b') + "\nc", false),
              (Lines{std::string(255, 'b'), " ", "c"}));
}

TEST(PolicyText, DoubleByteCharacterIsNeverSplit) {
    // 254 single bytes, then "方" (two bytes): the piece ends before it.
    const auto lines = parsePolicyText(std::string(254, 'x') + cp932("方") + "\n", false);
    EXPECT_EQ(lines, (Lines{std::string(254, 'x'), "方 "}));
}

TEST(PolicyText, ForeignBytesSpoilOnlyThemselves) {
    const std::string text = std::string("a\x80", 2) + "b\n";
    EXPECT_EQ(parsePolicyText(text, false), (Lines{"a?b "}));
}

TEST(PolicyText, SectionFlag) {
    CKestoCnt cnt = builtIn();
    cnt.routeX = 2;
    cnt.route3NgCheck = 1;
    EXPECT_TRUE(route3SectionShown(cnt));
    cnt.route3NgCheck = 0;
    EXPECT_FALSE(route3SectionShown(cnt));
    cnt.route3NgCheck = 1;
    cnt.routeX = 1;
    EXPECT_FALSE(route3SectionShown(cnt));
    cnt.routeY = 2;
    EXPECT_TRUE(route3SectionShown(cnt));
}

TEST(ConditionsBlock, BuiltInDefaultsRoute12InSi) {
    const Lines expected{
        "【基本条件】",
        "  入力単位               ＳＩ単位",
        "  設計ルート             Ｘ方向 ﾙｰﾄ1-2/2 Ｙ方向 ﾙｰﾄ1-2/2",
        "・許容応力度設計条件",
        "  ｱﾝｶｰﾎﾞﾙﾄのbAe採用方法  ねじ部断面積",
        "  ｱﾝｶｰﾎﾞﾙﾄのfs算定式     F/(1.5√3)",
        "  ﾍﾞｰｽﾌﾟﾚｰﾄの設計応力度  平均",
        "  ﾍﾞｰｽﾌﾟﾚｰﾄのfb1算定式   F/1.5",
        "・保有耐力接合条件",
        "  ｱﾝｶｰﾎﾞﾙﾄの伸び能力     有り",
        "  設計応力のγ倍         X 2.00 Y 2.00",
        "  保有耐力接合α値       X 1.30 Y 1.30",
        "  柱断面性能計算方法     断面欠損考慮",
        "  柱鉄骨降伏強度割増     1.10",
        "    Ｈ形鋼スカラップ寸法   35.0 mm",
        "    角形鋼管欠損率         Zp 1.00 An 1.00",
        "    断面性能値の丸めを行う(JIS Z 8401)",
        "・応力条件",
        "  基本応力名称、軸力、曲げ、せん断倍率",
        "    G:常時 1.00 1.00 1.00",
        "    K:地震 1.00 1.00 1.00",
        "  長期組み合わせ応力",
        "    G",
        "  短期組み合わせ応力",
        "    G+K",
        "    G-K",
        "  ﾙｰﾄ1-2/2保有耐力接合組み合わせ応力(γ倍する応力名称 = K)",
        "    G+K",
        "    G-K",
    };
    EXPECT_EQ(conditionsBlock(builtIn(), 1), expected);
}

TEST(ConditionsBlock, BothRoutes11DropTheUltimateRows) {
    CKestoCnt cnt = builtIn();
    cnt.routeX = cnt.routeY = 0;
    cnt.boltAeMode = cnt.boltFsMode = cnt.basePlateFb1Mode = 1;
    cnt.basePlateStressMode = 0;
    const Lines expected{
        "【基本条件】",
        "  入力単位               重力単位",
        "  設計ルート             Ｘ方向 ﾙｰﾄ1-1 Ｙ方向 ﾙｰﾄ1-1",
        "・許容応力度設計条件",
        "  ｱﾝｶｰﾎﾞﾙﾄのbAe採用方法  軸部断面積の0.75倍",
        "  ｱﾝｶｰﾎﾞﾙﾄのfs算定式     F/2",
        "  ﾍﾞｰｽﾌﾟﾚｰﾄの設計応力度  最大",
        "  ﾍﾞｰｽﾌﾟﾚｰﾄのfb1算定式   F/1.3(短期はF)",
        "・応力条件",
        "  基本応力名称、軸力、曲げ、せん断倍率",
        "    G:常時 1.00 1.00 1.00",
        "    K:地震 1.00 1.00 1.00",
        "  長期組み合わせ応力",
        "    G",
        "  短期組み合わせ応力",
        "    G+K",
        "    G-K",
    };
    EXPECT_EQ(conditionsBlock(cnt, 0), expected);
}

// The rows between "柱鉄骨降伏強度割増" and "・応力条件" for one setting of the conditions.
Lines ultimateTail(const CKestoCnt& cnt) {
    const Lines all = conditionsBlock(cnt, 1);
    auto first = std::find_if(all.begin(), all.end(), [](const std::string& s) {
        return s.starts_with("  柱鉄骨降伏強度割増");
    });
    auto last = std::find(all.begin(), all.end(), "・応力条件");
    return Lines(first + 1, last);
}

TEST(ConditionsBlock, Route3Rows) {
    CKestoCnt cnt = builtIn();
    cnt.routeX = 2;
    cnt.sectionFromTable = 1;
    cnt.gammaX = 1.5;
    cnt.boltClearance = 2.5;
    cnt.route3NgCheck = 1;
    EXPECT_EQ(ultimateTail(cnt), (Lines{
                                     "  保有耐力接合(ﾙｰﾄ3)がNGの場合の検討を行う",
                                     "    定着金物を使用する",
                                     "    ｺﾝｸﾘｰﾄのせん断破壊の検討を行う",
                                     "    ｱﾝｶｰﾎﾞﾙﾄのｸﾘｱﾗﾝｽ 2.50 mm",
                                 }));
    // Without elongation the anchorage rows go; the clearance stays.
    cnt.boltElongation = 0;
    cnt.useAnchorBlock = 0;
    EXPECT_EQ(ultimateTail(cnt), (Lines{
                                     "  保有耐力接合(ﾙｰﾄ3)がNGの場合の検討を行う",
                                     "    ｱﾝｶｰﾎﾞﾙﾄのｸﾘｱﾗﾝｽ 2.50 mm",
                                 }));
    cnt.route3NgCheck = 0;
    EXPECT_EQ(ultimateTail(cnt), Lines{});
    const Lines all = conditionsBlock(cnt, 1);
    EXPECT_EQ(all[2], "  設計ルート             Ｘ方向 ﾙｰﾄ3 Ｙ方向 ﾙｰﾄ1-2/2");
    EXPECT_EQ(all[9], "  ｱﾝｶｰﾎﾞﾙﾄの伸び能力     無し");
    EXPECT_EQ(all[10], "  設計応力のγ倍         X 1.50 Y 2.00");
    EXPECT_EQ(all[12], "  柱断面性能計算方法     鋼材表から参照");
}

TEST(ConditionsBlock, UltimateCombosOnlyWithRoute12) {
    CKestoCnt cnt = builtIn();
    cnt.routeX = 2;
    cnt.routeY = 2;
    const Lines all = conditionsBlock(cnt, 1);
    EXPECT_EQ(all.back(), "    G-K");
    EXPECT_EQ(all[all.size() - 3], "  短期組み合わせ応力");
    cnt.routeY = 0;
    cnt.routeX = 1;
    EXPECT_EQ(conditionsBlock(cnt, 1).back(), "    G-K");
    // Route 3 rows 18-21 (four) go, the route-1-2/2 title and its two combinations come.
    EXPECT_EQ(conditionsBlock(cnt, 1).size(), all.size() - 4 + 3);
}

TEST(ConditionLines, PolicyFileThenEmptyLineThenBlock) {
    testing::TempFolder dir;
    dir.writeCp932("計算方針1.txt", "重力単位の方針\n-\nルート３\n");
    dir.writeCp932("計算方針1SI.txt", "ＳＩ単位の方針\n");
    CKestoCnt cnt = builtIn();
    // Printing a gravity document in SI reads the SI policy but still states 重力単位.
    const Lines printed = buildConditionLines(cnt, 0, 1, dir.folder());
    EXPECT_EQ(printed[0], "ＳＩ単位の方針 ");
    EXPECT_EQ(printed[1], "");
    EXPECT_EQ(printed[2], "【基本条件】");
    EXPECT_EQ(printed[3], "  入力単位               重力単位");
    const Lines screen = buildConditionLines(cnt, 0, 0, dir.folder());
    EXPECT_EQ(screen[0], "重力単位の方針 ");
    EXPECT_EQ(screen[1], "");
    // A missing policy file leaves only the empty line.
    cnt.boltElongation = 0;
    const Lines missing = buildConditionLines(cnt, 0, 0, dir.folder());
    EXPECT_EQ(missing[0], "");
    EXPECT_EQ(missing[1], "【基本条件】");
}

}  // namespace
}  // namespace kesto

namespace kesto {
namespace {

// The policy texts shipped beside the program: code page 932, every line shorter than the read
// limit, the route-3 part after the marker.
TEST(ShippedPolicyText, EveryFileReadsWholeAndSplitsAtTheMarker) {
    for (const int unit : {0, 1}) {
        for (const int elongation : {0, 1}) {
            const std::string name = policyFileName(unit, elongation);
            SCOPED_TRACE(name);
            const std::string bytes = readFile(std::string(KESTO_PROGRAM_FOLDER) + name);
            ASSERT_TRUE(decodeCp932(bytes).has_value());
            const auto shortText = parsePolicyText(bytes, false);
            const auto fullText = parsePolicyText(bytes, true);
            EXPECT_EQ(shortText.front(), "【計算方針】 ");
            EXPECT_GT(fullText.size(), shortText.size() + 10);
            EXPECT_TRUE(fullText[shortText.size()].starts_with(" (4) 保有耐力接合（ルート3）"));
            for (const auto& line : fullText) {
                EXPECT_LT(cp932Length(line), 255u) << line;
                EXPECT_EQ(line.find('?'), std::string::npos) << line;
            }
            const auto units = std::find(shortText.begin(), shortText.end(), "２．単位 ") + 1;
            ASSERT_LT(units, shortText.end());
            EXPECT_EQ(units->find("力 kN") != std::string::npos, unit == 1) << *units;
        }
    }
}

// The texts state what the checks compute: the cantilever under a pressure triangle shorter
// than the projection, the full pressure of a wholly compressed plate, directly entered
// anchorage areas taken as a pair keyed on Aa, and the Fc caps of light-weight concrete.
TEST(ShippedPolicyText, StatesTheFormulasTheChecksUse) {
    const auto has = [](const std::vector<std::string>& lines, const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    for (const int unit : {0, 1}) {
        for (const int elongation : {0, 1}) {
            const std::string name = policyFileName(unit, elongation);
            SCOPED_TRACE(name);
            const auto text =
                parsePolicyText(readFile(std::string(KESTO_PROGRAM_FOLDER) + name), true);
            EXPECT_TRUE(has(text, "      片持ち    xn≧l のとき Mb=σc×l^2/2×(1-l/(3xn)) "));
            EXPECT_TRUE(has(text, "                xn<l のとき Mb=σc×xn/2×(l-xn/3) "));
            EXPECT_TRUE(has(text, "                （全面圧縮時は Mb=σc×l^2/2） "));
            EXPECT_TRUE(has(text,
                            "          xn≦l で σ'=σc/2。「最大」のとき、および全面圧縮時は "
                            "σ'=σc。 "));
            EXPECT_EQ(has(text, "        （Aa を直接入力した場合は Aa、Ac とも直接入力した値） "),
                      elongation == 1);
            EXPECT_TRUE(has(text, unit == 1 ? "  （Fc の上限は第３種軽量コンクリートで 21 N/mm2、"
                                              "第４種軽量コンクリートで 13.5 N/mm2） "
                                            : "  （Fc の上限は第３種軽量コンクリートで 210 kg/cm2、"
                                              "第４種軽量コンクリートで 135 kg/cm2） "));
        }
    }
}

}  // namespace
}  // namespace kesto

namespace kesto {
namespace {

TEST(PolicyText, RandomBytesGiveLinesWithinTheReadLimit) {
    std::mt19937 rng(6);
    for (int round = 0; round < 20; ++round) {
        std::string bytes(4096, '\0');
        for (auto& b : bytes) {
            b = static_cast<char>(rng() & 0xFF);
        }
        for (const bool route3 : {false, true}) {
            for (const auto& line : parsePolicyText(bytes, route3)) {
                EXPECT_LE(cp932Length(line), 255u);
                EXPECT_FALSE(line.starts_with(";"));
            }
        }
    }
}

}  // namespace
}  // namespace kesto
