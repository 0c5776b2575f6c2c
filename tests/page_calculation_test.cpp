#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <vector>

#include "calc/input_check.h"
#include "calc/page_calculation.h"
#include "calc_test_support.h"

namespace kesto {
namespace {

using testing::makeCalcConditions;

class PageCalculation : public ::testing::Test {
  protected:
    CKestoCnt cnt = makeCalcConditions();
    CKesto& page = cnt.pages[0];

    void setStress(int dir, double n, double m, double q) {
        page.basicStresses[dir][0] = CStress{"G", m, q, n};
    }
    bool hasLine(const std::string& line) const {
        return std::find(cnt.detailLines.begin(), cnt.detailLines.end(), line) !=
               cnt.detailLines.end();
    }
};

TEST_F(PageCalculation, MissingNamesAreListedInTheirOrderAndAbandonThePage) {
    page.boltSteelGrade = "SS490";
    page.concreteGrade = "Fc999";
    cnt.longTermCombos.append(CStringTable{"G"});
    EXPECT_EQ(calculatePage(cnt, page, 0), -1);
    EXPECT_EQ(page.errorMessages, (std::vector<std::string>{"アンカーボルト材質SS490は未登録です",
                                                            "コンクリート材質Fc999は未登録です"}));
    EXPECT_EQ(page.allowJudgement, JudgementPair{});
    EXPECT_EQ(page.ratioMax, DirPair{});
    const std::vector<std::string> tail(cnt.detailLines.end() - 3, cnt.detailLines.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"アンカーボルト材質SS490は未登録です",
                                              "コンクリート材質Fc999は未登録です",
                                              "エラーにより計算中断"}));
    for (const std::string_view line : cnt.detailLines) {
        EXPECT_EQ(line.find("許容応力度＞"), std::string::npos);
    }
}

TEST_F(PageCalculation, EveryMissingNameAndABadCombination) {
    page.columnSteelGrade = "A";
    page.basePlateSteelGrade = "B";
    page.ribSteelGrade = "C";
    page.boltSteelGrade = "D";
    page.concreteGrade = "E";
    page.columnSection = "F";
    page.boltName = "G";
    cnt.shortTermCombos.append(CStringTable{"G+W"});
    calculatePage(cnt, page, 0);
    EXPECT_EQ(page.errorMessages,
              (std::vector<std::string>{
                  "柱材質Aは未登録です", "ベースプレート材質Bは未登録です",
                  "リブプレート材質Cは未登録です", "アンカーボルト材質Dは未登録です",
                  "コンクリート材質Eは未登録です", "柱形状Fは未登録です",
                  "アンカーボルト径Gは未登録です", "組み合わせ応力の設定が異常です"}));
}

TEST_F(PageCalculation, ColumnWithoutSectionIsAbandonedWithAMessage) {
    page.columnSection = "-";
    EXPECT_EQ(calculatePage(cnt, page, 0), -1);
    EXPECT_EQ(page.errorMessages, std::vector<std::string>{kNoColumnSectionMessage});
    EXPECT_EQ(cnt.detailLines.back(), kAbandonedLine);
    page.columnSection = "";
    calculatePage(cnt, page, 0);
    EXPECT_EQ(page.errorMessages, std::vector<std::string>{"柱形状は未登録です"});
}

// Numbers so large that the formulas would overflow abandon the page like an infinity, and an
// abandoned page keeps no combination results.
TEST_F(PageCalculation, HugeInputsAndCombinationsAbandonThePageWithoutResults) {
    cnt.longTermCombos.append(CStringTable{"G"});
    cnt.ultimateCombos.append(CStringTable{"G"});
    page.plateB = 1e308;
    EXPECT_EQ(calculatePage(cnt, page, 0), -1);
    EXPECT_EQ(page.errorMessages, std::vector<std::string>{kNonFiniteInputMessage});
    EXPECT_TRUE(page.comboResults[0][0].empty());
    EXPECT_TRUE(page.ultimateComboResults[1].empty());
    EXPECT_EQ(page.ratioMax, DirPair{});

    page.plateB = 650;
    setStress(0, 1e15, 0, 0);
    cnt.shortTermCombos.append(CStringTable{"1000*G"});
    EXPECT_EQ(calculatePage(cnt, page, 0), -1);
    EXPECT_EQ(page.errorMessages, std::vector<std::string>{kNonFiniteInputMessage});
    EXPECT_TRUE(page.comboResults[0][1].empty());

    cnt.shortTermCombos.clear();
    EXPECT_EQ(calculatePage(cnt, page, 0), 0);
    EXPECT_EQ(page.comboResults[0][0].size(), 1u);
}

TEST_F(PageCalculation, NumbersThatAreNotFiniteAbandonThePage) {
    cnt.longTermCombos.append(CStringTable{"G"});
    page.basicStresses[1][1].m = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(calculatePage(cnt, page, 0), -1);
    EXPECT_EQ(page.errorMessages, std::vector<std::string>{kNonFiniteInputMessage});
    EXPECT_TRUE(page.comboResults[1][0].empty());
    page.basicStresses[1][1].m = 0;
    cnt.boltTable[0].shankArea = std::numeric_limits<double>::infinity();
    EXPECT_EQ(calculatePage(cnt, page, 0), -1);
    cnt.boltTable[0].shankArea = 7.069;
    page.plateT = -std::numeric_limits<double>::infinity();
    EXPECT_EQ(calculatePage(cnt, page, 0), -1);
    page.plateT = 36;
    EXPECT_EQ(calculatePage(cnt, page, 0), 0);
}

TEST_F(PageCalculation, PageHeaderRows) {
    testing::useHShape(page);
    page.mark = "C1";
    page.wingPlate = 0;
    cnt.route3NgCheck = 1;
    setStress(0, 100, 20.5, 10);
    calculatePage(cnt, page, 0);
    const std::vector<std::string> head(cnt.detailLines.begin(), cnt.detailLines.begin() + 20);
    EXPECT_EQ(head, (std::vector<std::string>{
                        "",
                        "-----[C1]-----",
                        "",
                        "柱鋼材,H-400x200x8x13,,SN400,回転:0°",
                        "ﾍﾞｰｽﾌﾟﾚｰﾄ,PL-650x650x36,,SN400,Fc210",
                        "ﾘﾌﾞﾌﾟﾚｰﾄ,PL-150x12,,SN400,枚数,X=2,Y=0,ｹﾞｰｼﾞ,X=158.0,Y=158.0",
                        "ｱﾝｶｰﾎﾞﾙﾄ,M30,,SN400,本数,X=3,Y=0,ｹﾞｰｼﾞ,X=75.0,Y=75.0",
                        ",軸径=30.00mm 軸部断面積=7.069cm2 ねじ部断面積=5.606cm2",
                        "ウィングプレート無し",
                        "ｺﾝｸﾘｰﾄ柱型,BD-750x750",
                        "定着金物,BD-650x140,ｱﾝｶｰﾎﾞﾙﾄ長,600",
                        "Ｘ方向基本応力",
                        "名称,N(t),M(tm),Q(t)",
                        "G,100.000000,20.500000,10.000000",
                        "K,0.000000,0.000000,0.000000",
                        "Ｙ方向基本応力",
                        "名称,N(t),M(tm),Q(t)",
                        "G,0.000000,0.000000,0.000000",
                        "K,0.000000,0.000000,0.000000",
                        ""}));
}

TEST_F(PageCalculation, AnchorHardwareAreasAndSiLabels) {
    cnt.route3NgCheck = 1;
    page.inputAa = 100;
    page.rotated = 1;
    page.boltName = "M99";
    calculatePage(cnt, page, 1);
    EXPECT_EQ(cnt.detailLines[3], "柱鋼材,□-350x350x16.0,,SN400,回転:90°");
    EXPECT_EQ(cnt.detailLines[7], "ｺﾝｸﾘｰﾄ柱型,BD-750x750");
    EXPECT_EQ(cnt.detailLines[8], "定着金物,Aa=100.000000(cm2),Ac=0.000000(cm2)");
    EXPECT_EQ(cnt.detailLines[10], "名称,N(kN),M(kNm),Q(kN)");
    // Without the bolt shape its row is left out; without anchor hardware so is its row.
    EXPECT_EQ(cnt.detailLines[6], "ｱﾝｶｰﾎﾞﾙﾄ,M99,,SN400,本数,X=3,Y=3,ｹﾞｰｼﾞ,X=75.0,Y=75.0");
    cnt.useAnchorBlock = 0;
    cnt.detailLines.clear();
    calculatePage(cnt, page, 1);
    EXPECT_EQ(cnt.detailLines[7], "ｺﾝｸﾘｰﾄ柱型,BD-750x750");
    EXPECT_EQ(cnt.detailLines[8], "Ｘ方向基本応力");
}

TEST_F(PageCalculation, PassesRunInOrderWithTheirCombinations) {
    cnt.longTermCombos.append(CStringTable{"G"});
    cnt.shortTermCombos.append(CStringTable{"G+K"});
    setStress(0, 100, 10, 5);
    EXPECT_EQ(calculatePage(cnt, page, 0), 0);
    std::vector<std::string> headings;
    for (const std::string_view line : cnt.detailLines) {
        if (line.find("許容応力度＞") != std::string::npos || line.rfind("組合わせ", 0) == 0 ||
            line.rfind("・", 0) == 0) {
            headings.emplace_back(line);
        }
    }
    std::vector<std::string> expected;
    for (const char* pass : {"＜Ｘ方向　長期許容応力度＞", "＜Ｘ方向　短期許容応力度＞",
                             "＜Ｙ方向　長期許容応力度＞", "＜Ｙ方向　短期許容応力度＞"}) {
        expected.push_back(pass);
        expected.push_back("組合わせ,N(t),M(tm),Q(t)");
        expected.push_back("・コンクリート／アンカーボルトの検討");
        expected.push_back("・ベースプレートの検討");
        expected.push_back("・リブプレートの検討");
        expected.push_back("・せん断検討");
    }
    EXPECT_EQ(headings, expected);
    EXPECT_TRUE(hasLine("G+K,100.000000,10.000000,5.000000"));
    EXPECT_EQ(page.allowJudgement[1][0], kJudgedOk);  // Y has no forces at all
    EXPECT_EQ(page.ratioMax[1][0], 0.0);
}

TEST_F(PageCalculation, SiHeadersCarryTheSiLabels) {
    cnt.steelGradeTable[0].fThin = 235;
    cnt.concreteTable[0].fc = 21;
    setStress(0, 1000, 300, 500);
    cnt.longTermCombos.append(CStringTable{"G"});
    calculatePage(cnt, page, 1);
    for (const char* header : {
             "組合わせ,N(kN),M(kNm),Q(kN)",
             "σc(N/cm2),fc(N/cm2),σc/fc,Xn(cm),dtl(cm),at(cm2)",
             "ΣT(kN),Pb(kN),ΣT/Pb,bAe(cm2),ft(kN/cm2)",
             "ﾀｲﾌﾟ,Mb(kNcm),Ma(kNcm),Mb/Ma,Zb(cm3),fb1(kN/cm2),必要厚(cm),g(cm),R+2g(cm),ΣT/nt(kN)",
             "ﾀｲﾌﾟ,Mb(kNcm),Ma(kNcm),Mb/Ma,Zb(cm3),fb1(kN/cm2),必要厚(cm),lx(cm),ly(cm),σc(N/"
             "cm2),σc'(N/cm2),Xn(cm),係数",
             "lx(cm),ly(cm),Xn(cm),σc(N/cm2),xσc(N/cm2),Qr(kN)",
             "τr(kN/cm2),fs(kN/cm2),τr/fs,Qr(kN),h(cm),tr(cm)",
             "Lw(cm),h'(cm),Lw/2h',Qr(kN),S(cm),wfs(kN/cm2)",
             "QD(kN),Qa(kN),Q/Qa,N(kN),ΣT(kN)",
             "QD(kN),Qa(kN),QD/Qa,bAe(cm2),fs1(kN/cm2),fs2(kN/cm2),ft(kN/cm2),N(kN),ΣT(kN)",
         }) {
        EXPECT_TRUE(hasLine(header)) << header;
    }
    // sigma in N/cm2 during the check, stored in N/mm2; fc = 21/3 N/mm2.
    EXPECT_NEAR(page.allowFc[0][0], 7, 1e-12);
}

TEST_F(PageCalculation, RatioOfExactlyOneIsNgWithoutAMessage) {
    // Plate 50 x 50 x 10 cm, N = 175 t: sigma = 175000/2500 = 70 = Fc/3 exactly. The other
    // checks stay below 1 (plate, ribs), and there is no shear.
    page.plateB = 500;
    page.plateD = 500;
    page.plateT = 100;
    page.boltGaugeX = 50;
    page.boltGaugeY = 50;
    setStress(0, 175, 0, 0);
    cnt.longTermCombos.append(CStringTable{"G"});
    calculatePage(cnt, page, 0);
    EXPECT_EQ(page.ratioConcrete[0][0], 1.0);
    EXPECT_EQ(page.ratioMax[0][0], 1.0);
    EXPECT_EQ(page.allowJudgement[0][0], kJudgedNg);
    EXPECT_TRUE(page.ngMessages.empty());
}

TEST_F(PageCalculation, UndistinguishedTermsShareTheShortTermSlot) {
    cnt.distinguishLongShort = 0;
    page.plateB = 500;
    page.plateD = 500;
    page.plateT = 100;
    setStress(0, 175, 0, 0);
    cnt.longTermCombos.append(CStringTable{"G"});
    cnt.shortTermCombos.append(CStringTable{"2*G"});
    calculatePage(cnt, page, 0);
    // Long: 70/70; short: 140/140. The tie keeps the long-term values.
    EXPECT_EQ(page.ratioConcrete[0][1], 1.0);
    EXPECT_EQ(page.sigmaC[0][1], 70.0);
    EXPECT_EQ(page.allowFc[0][1], 70.0);
    EXPECT_EQ(page.sigmaC[0][0], 0.0);
    EXPECT_EQ(page.allowJudgement[0][0], kNotCalculated);
    EXPECT_EQ(page.allowJudgement[0][1], kJudgedNg);
    EXPECT_EQ(page.allowJudgement[1][0], kNotCalculated);
    EXPECT_EQ(page.allowJudgement[1][1], kJudgedOk);
}

TEST_F(PageCalculation, GoverningCombinationReplacedOnlyByALargerRatio) {
    page.plateB = 500;
    page.plateD = 500;
    page.plateT = 100;
    setStress(0, 100, 0, 0);
    cnt.longTermCombos.append(CStringTable{"0.5*G"});  // 20 kg/cm2
    cnt.longTermCombos.append(CStringTable{"G"});      // 40
    cnt.longTermCombos.append(CStringTable{"0.8*G"});  // 32
    calculatePage(cnt, page, 0);
    EXPECT_EQ(page.sigmaC[0][0], 40.0);
}

TEST_F(PageCalculation, RotatedPageReportsUnderTheEnteredDirection) {
    page.rotated = 1;
    setStress(0, 300, 0, 0);
    cnt.longTermCombos.append(CStringTable{"G"});
    calculatePage(cnt, page, 0);
    ASSERT_FALSE(page.ngMessages.empty());
    for (const std::string& m : page.ngMessages) {
        EXPECT_EQ(m.rfind("Ｘ方向長期許容(G) ", 0), 0u) << m;
    }
    EXPECT_EQ(page.allowJudgement[0][0], kJudgedNg);
}

TEST_F(PageCalculation, DetailOffAppendsNothing) {
    cnt.writeDetailFile = 0;
    setStress(0, 300, 50, 100);
    cnt.longTermCombos.append(CStringTable{"G"});
    calculatePage(cnt, page, 0);
    EXPECT_FALSE(page.ngMessages.empty());
    EXPECT_TRUE(cnt.detailLines.empty());
    page.concreteGrade = "X";
    calculatePage(cnt, page, 0);
    EXPECT_TRUE(cnt.detailLines.empty());
}

TEST_F(PageCalculation, RecalculationStartsFromCleanResults) {
    setStress(0, 300, 50, 100);
    cnt.longTermCombos.append(CStringTable{"G"});
    calculatePage(cnt, page, 0);
    const CKesto first = page;
    calculatePage(cnt, page, 0);
    EXPECT_EQ(page.ngMessages, first.ngMessages);
    EXPECT_EQ(page.ratioMax, first.ratioMax);
}

}  // namespace
}  // namespace kesto
