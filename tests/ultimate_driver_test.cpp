#include <gtest/gtest.h>

#include <map>

#include "calc/ultimate.h"
#include "calc/ultimate_strength.h"
#include "model/ultimate_slots.h"
#include "ultimate_fixture.h"

namespace kesto {
namespace {

using testing::UltimatePage;
using Lines = std::vector<std::string>;

void addCombination(CKesto& page, int dir, const CStress& c) {
    page.ultimateComboResults[dir].append(c);
}

// The section headings and sense headings of the detail lines, in order.
Lines headings(const TextLines& detail) {
    Lines out;
    for (const std::string_view line : detail) {
        if (line.starts_with("・") || line.ends_with("加力") || line.starts_with("ルート") ||
            line.starts_with("＜")) {
            out.emplace_back(line);
        }
    }
    return out;
}

TEST(UltimateDriver, Route11StoresNothing) {
    UltimatePage p;
    p.cnt.routeX = 0;
    addCombination(p.page, 0, {"G+2K", 20, 30, 100});
    checkUltimate(p.ctx, 0);
    for (int k = 0; k < kUltimateSlots; ++k) {
        EXPECT_EQ(p.slot(k), 0.0) << k;
    }
    EXPECT_EQ(p.page.ultimateJudgement[0], kNotCalculated);
    EXPECT_TRUE(p.detail().empty());
}

TEST(UltimateDriver, EmptyCombinationListIsJudgedOk) {
    UltimatePage p;
    checkUltimate(p.ctx, 0);
    EXPECT_EQ(p.slot(kUltGoverning), 0.0);
    EXPECT_EQ(p.page.ultimateJudgement[0], kJudgedOk);
    EXPECT_EQ(p.detail(),
              (Lines{"", "＜Ｘ方向　保有耐力接合＞", "ルート２（アンカーボルトの伸び有り）"}));
}

TEST(UltimateDriver, HShapeIsCheckedAboutItsStrongAxisOnly) {
    for (std::uint8_t rotated : {0, 1}) {
        UltimatePage p;
        p.page.columnKind = 1;
        p.page.rotated = rotated;
        checkUltimate(p.ctx, 0);
        checkUltimate(p.ctx, 1);
        const int checked = rotated == 0 ? 0 : 1;
        EXPECT_EQ(p.page.ultimateJudgement[checked], kJudgedOk) << int(rotated);
        EXPECT_EQ(p.page.ultimateJudgement[1 - checked], kNotCalculated) << int(rotated);
        EXPECT_EQ(p.detail()[1],
                  checked == 0 ? "＜Ｘ方向　保有耐力接合＞" : "＜Ｙ方向　保有耐力接合＞");
    }
}

TEST(UltimateDriver, Route12WithElongation) {
    UltimatePage p;
    addCombination(p.page, 0, {"G+2K", 20, -30, 100});
    addCombination(p.page, 0, {"G-2K", -20, 10, 100});
    checkUltimate(p.ctx, 0);
    const TextLines& d = p.detail();
    EXPECT_EQ(Lines(d.begin(), d.begin() + 7), (Lines{
                                                   "",
                                                   "＜Ｘ方向　保有耐力接合＞",
                                                   "ルート２（アンカーボルトの伸び有り）",
                                                   "",
                                                   "組合わせ,N(t),M(tm),Q(t)",
                                                   "G+2K,100.000000,20.000000,-30.000000",
                                                   "",
                                               }));
    // α·Mpc/Mu = 0.4721 from slot 13 governs QD/Qu = 0.4004.
    EXPECT_NEAR(p.slot(kUltGoverning), 0.472084, 5e-7);
    EXPECT_EQ(p.slot(kUltQd), -30.0);
    EXPECT_EQ(p.page.ultimateJudgement[0], kJudgedOk);
    EXPECT_EQ(headings(d),
              (Lines{"＜Ｘ方向　保有耐力接合＞", "ルート２（アンカーボルトの伸び有り）",
                     "・曲げ／せん断検討", "・曲げ／せん断検討"}));
}

TEST(UltimateDriver, Route12WithoutElongationStoresTheShearMagnitude) {
    UltimatePage p;
    p.cnt.boltElongation = 0;
    addCombination(p.page, 0, {"G+2K", 20, -30, 100});
    checkUltimate(p.ctx, 0);
    // Friction 0.4·(100 + ΣT) carries 30 t; slot 4 holds |q|.
    EXPECT_EQ(p.slot(kUltQd), 30.0);
    EXPECT_GT(p.slot(kRatioUlt13), 0.0);
    EXPECT_GT(p.slot(kUltSigmaC), 0.0);
    EXPECT_EQ(p.slot(kUltFc), 210.0);
    EXPECT_EQ(p.slot(kRatioUlt16), 0.0);
    EXPECT_EQ(p.slot(kUltGoverning),
              std::max({p.slot(kRatioUlt13), p.slot(kRatioUlt14), p.slot(kRatioUlt15)}));
    EXPECT_EQ(headings(p.detail()),
              (Lines{"＜Ｘ方向　保有耐力接合＞", "ルート２（アンカーボルトの伸び無し）",
                     "・コンクリート／アンカーボルトの検討", "・せん断検討"}));
}

TEST(UltimateDriver, Route12WithoutElongationInSiUnits) {
    UltimatePage p(1);
    p.cnt.boltElongation = 0;
    addCombination(p.page, 0, {"G+2K", 10, 30, 100});
    checkUltimate(p.ctx, 0);
    // e = 10·100000/(100·1000) = 10 cm <= D/6: σc = 100000/(65·65)·(1 + 60/65) = 45.516613
    // N/cm2 against Fc = 2100 N/cm2 (ratio 0.021675), stored as 0.455166 and 21 N/mm2.
    EXPECT_NEAR(p.slot(kRatioUlt13), 45.516613 / 2100, 1e-8);
    EXPECT_NEAR(p.slot(kUltSigmaC), 0.45516613, 1e-8);
    EXPECT_NEAR(p.slot(kUltFc), 21.0, 1e-12);
    // No tension: ratio 0 and nothing stored, Pb = 3·5.6·23.5 = 394.8 kN stays unwritten.
    EXPECT_EQ(p.slot(kRatioUlt14), 0.0);
    EXPECT_EQ(p.slot(kUltPb), 0.0);
    // Friction 0.4·(100 + 0) = 40 kN carries 30 kN: ratio 0.75, Qa and QD in kN.
    EXPECT_NEAR(p.slot(kRatioUlt15), 0.75, 1e-12);
    EXPECT_NEAR(p.slot(kUltQa), 40.0, 1e-12);
    EXPECT_EQ(p.slot(kUltQd), 30.0);
    EXPECT_NEAR(p.slot(kUltGoverning), 0.75, 1e-12);
    EXPECT_EQ(p.page.ultimateJudgement[0], 1);
    EXPECT_TRUE(p.page.ngMessages.empty());
}

TEST(UltimateDriver, Route3OrderOfChecks) {
    UltimatePage p;
    p.cnt.routeY = 2;
    checkUltimate(p.ctx, 1);
    EXPECT_EQ(headings(p.detail()),
              (Lines{"＜Ｙ方向　保有耐力接合＞", "ルート３（アンカーボルトの伸び有り）", "L->R加力",
                     "・曲げ／せん断検討", "・コンクリートの破壊防止", "・ベースプレートの破断防止",
                     "R->L加力", "・曲げ／せん断検討", "・コンクリートの破壊防止",
                     "・ベースプレートの破断防止"}));

    UltimatePage q;
    q.cnt.routeY = 2;
    q.cnt.boltElongation = 0;
    checkUltimate(q.ctx, 1);
    const Lines oneSense = {"・曲げ検討", "・柱脚応力の計算", "・せん断検討",
                            "・コンクリートの破壊防止", "・ベースプレートの破断防止"};
    Lines expected = {"＜Ｙ方向　保有耐力接合＞", "ルート３（アンカーボルトの伸び無し）",
                      "L->R加力"};
    expected.insert(expected.end(), oneSense.begin(), oneSense.end());
    expected.push_back("R->L加力");
    expected.insert(expected.end(), oneSense.begin(), oneSense.end());
    EXPECT_EQ(headings(q.detail()), expected);

    UltimatePage r;
    r.cnt.routeX = 2;
    r.cnt.route3NgCheck = 0;
    checkUltimate(r.ctx, 0);
    EXPECT_EQ(headings(r.detail()),
              (Lines{"＜Ｘ方向　保有耐力接合＞", "ルート３（アンカーボルトの伸び有り）", "L->R加力",
                     "・曲げ／せん断検討", "R->L加力", "・曲げ／せん断検討"}));
    for (int k = kUltCy1; k <= kRatioUlt41; ++k) {
        EXPECT_EQ(r.slot(k), 0.0) << k;
    }
}

TEST(UltimateDriver, WithoutDetailFileOnlyMessages) {
    UltimatePage p;
    p.cnt.writeDetailFile = 0;
    p.cnt.routeX = 2;
    p.page.ultimateN[0][0] = 100;
    p.page.ultimateQ[0][0] = 700;
    checkUltimate(p.ctx, 0);
    EXPECT_TRUE(p.detail().empty());
    EXPECT_FALSE(p.page.ngMessages.empty());
    EXPECT_EQ(p.page.ultimateJudgement[0], kJudgedNg);
}

TEST(UltimateDriver, GoverningRatioOfExactlyOneIsNg) {
    UltimatePage p;
    // Shear equal to Qu gives QD/Qu = 1 exactly: NG judgement, no message.
    const BaseStrengths s = baseStrengths(65, 65, 210, 3, 7.07, 2.35);
    const double qu = ultimateShearStrength(100, s.nu, s.tu, s.su);
    addCombination(p.page, 0, {"G+2K", 0, qu, 100});
    checkUltimate(p.ctx, 0);
    EXPECT_EQ(p.slot(kRatioUlt15), 1.0);
    EXPECT_EQ(p.slot(kUltGoverning), 1.0);
    EXPECT_EQ(p.page.ultimateJudgement[0], kJudgedNg);
    EXPECT_TRUE(p.page.ngMessages.empty());
}

TEST(UltimateDriver, ZeroCapacitiesGiveTheImpossibleRatioNeverInfinity) {
    UltimatePage p;
    p.cnt.routeX = 2;
    p.concrete.fc = 0;
    p.page.pedestalB = 0;
    p.page.plateT = 0;
    p.page.ultimateN[0][0] = 100;
    checkUltimate(p.ctx, 0);
    for (int k = 0; k < kUltimateSlots; ++k) {
        EXPECT_TRUE(std::isfinite(p.slot(k))) << k;
    }
    EXPECT_EQ(p.slot(kUltGoverning), 9.999);
    EXPECT_EQ(p.page.ultimateJudgement[0], kJudgedNg);
}

struct GoverningRow {
    const char* what;
    std::uint8_t route;
    std::uint8_t elongation;
    std::uint8_t ngCheck;
    std::map<int, double> slots;
    double expected;
};

TEST(UltimateDriver, GoverningRatioRules) {
    const GoverningRow rows[] = {
        {"connection holds: slots 13 and 15", 1, 1, 1, {{13, 0.9}, {14, 0.95}, {15, 0.5}}, 0.9},
        {"failed connection replaced by MD/Mu", 1, 1, 1, {{13, 1.2}, {14, 0.8}, {15, 0.3}}, 0.8},
        {"connection ratio 1.0 counts as failed", 1, 1, 0, {{13, 1.0}, {14, 0.7}}, 0.7},
        {"shear governs", 1, 1, 1, {{13, 1.2}, {14, 0.8}, {15, 0.85}}, 0.85},
        {"without elongation both slots count", 1, 0, 1, {{13, 0.3}, {14, 0.6}, {15, 0.2}}, 0.6},
        {"route 3 without NG-case checks", 2, 1, 0, {{16, 1.5}, {17, 0.4}, {33, 5}}, 1.5},
        {"route 3 bending holds", 2, 1, 1, {{16, 0.8}, {17, 0.4}, {33, 5}, {41, 3}}, 0.8},
        {"route 3 failed bending replaced by NG-case checks",
         2,
         1,
         1,
         {{16, 1.5}, {17, 0.4}, {33, 0.2}, {37, 0.7}, {41, 0.9}},
         0.9},
        {"route 3 shear counts with failed bending",
         2,
         0,
         1,
         {{16, 1.5}, {17, 0.95}, {34, 0.9}},
         0.95},
    };
    for (const GoverningRow& row : rows) {
        SCOPED_TRACE(row.what);
        CKestoCnt cnt;
        cnt.routeY = row.route;
        cnt.boltElongation = row.elongation;
        cnt.route3NgCheck = row.ngCheck;
        CKesto page;
        for (const auto& [k, value] : row.slots) {
            page.ultimateResults[k][1] = value;
        }
        EXPECT_EQ(ultimateGoverningRatio(cnt, page, 1), row.expected);
    }
}

}  // namespace
}  // namespace kesto
