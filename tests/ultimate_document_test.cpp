#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc/calculation_commands.h"
#include "document/open_document.h"
#include "model/ultimate_slots.h"

namespace kesto {
namespace {

// The bundled example documents, opened and calculated as on opening them in the program.
DocumentData calculatedExample(const char* name) {
    DocumentData doc;
    const std::string folder = KESTO_PROGRAM_FOLDER;
    EXPECT_TRUE(openDocument(folder + "examples/" + name, folder, doc).empty());
    std::vector<std::string> messageLines;
    recalculateOnOpen(doc.conditions, doc.unitSystem, messageLines);
    return doc;
}

const CKesto& pageMarked(const DocumentData& doc, const std::string& mark) {
    for (const CKesto& page : doc.conditions.pages) {
        if (page.mark == mark) {
            return page;
        }
    }
    ADD_FAILURE() << "no page " << mark;
    return doc.conditions.pages[0];
}

double slot(const CKesto& page, int k, int dir) {
    return page.ultimateResults[k][dir];
}

bool hasMessage(const CKesto& page, const std::string& text) {
    for (const std::string& m : page.ngMessages) {
        if (m == text) {
            return true;
        }
    }
    return false;
}

// Every checked direction is judged from its governing slot, every value is finite, and an
// unchecked direction keeps its slots empty.
void expectConsistent(const DocumentData& doc) {
    for (const CKesto& page : doc.conditions.pages) {
        for (int dir = 0; dir < 2; ++dir) {
            SCOPED_TRACE(page.mark + (dir == 0 ? " X" : " Y"));
            const double g = slot(page, kUltGoverning, dir);
            for (int k = 0; k < kUltimateSlots; ++k) {
                EXPECT_TRUE(std::isfinite(slot(page, k, dir))) << k;
            }
            if (page.ultimateJudgement[dir] == kNotCalculated) {
                for (int k = 0; k < kUltimateSlots; ++k) {
                    EXPECT_EQ(slot(page, k, dir), 0.0) << k;
                }
            } else {
                EXPECT_EQ(page.ultimateJudgement[dir], g < 1.0 ? kJudgedOk : kJudgedNg);
            }
        }
    }
}

// Gravity units; X: route 3, Y: route 1-2/2, anchor bolts without elongation, NG-case checks on.
TEST(UltimateDocument, GravityExampleWithoutBoltElongation) {
    const DocumentData doc = calculatedExample("example-gravity.kso");
    ASSERT_EQ(doc.unitSystem, 0);
    expectConsistent(doc);

    // C1: plate 650 x 650 x 36, three M30 (thread 5.61 cm2) of F 2.4 t/cm2 at a 75 mm gauge,
    // column 350 x 350 (dc 17.5 cm, dt 25 cm), SN490 plate (F 3.3: σu 5.0 t/cm2).
    const CKesto& c1 = pageMarked(doc, "C1");
    // The R->L sense (N 24.5 t) governs the bending check:
    // My = (3·5.61·2.4·42.5 + 24.5·17.5)/100 = (1716.66 + 428.75)/100.
    EXPECT_NEAR(slot(c1, kUltMu, 0), 21.4541, 1e-9);
    EXPECT_EQ(slot(c1, kUltQm, 0), 19.4);
    EXPECT_NEAR(slot(c1, kUltPb, 0), 3 * 5.61 * 2.4, 1e-9);
    // 1Pu = (65 - 3·3.5)·3.6·5.0, 2Pu = 3·(7.5 - 1.75)·3.6·5.0, τu = 5.0/√3.
    EXPECT_NEAR(slot(c1, kUltPu1, 0), 981, 1e-9);
    EXPECT_NEAR(slot(c1, kUltPu2, 0), 310.5, 1e-9);
    EXPECT_NEAR(slot(c1, kUltTauU, 0), 5.0 / std::sqrt(3.0), 1e-12);
    EXPECT_NEAR(slot(c1, kRatioUlt39, 0), 1.3 * 19.4 / 981, 1e-12);
    // α·Mpc/My fails, so the NG-case checks govern: ΣT/Pb of slot 34.
    EXPECT_GT(slot(c1, kRatioUlt16, 0), 1.0);
    EXPECT_EQ(slot(c1, kUltGoverning, 0), slot(c1, kRatioUlt34, 0));
    EXPECT_TRUE(hasMessage(c1, "Ｘ方向保有耐力(L->R) 柱脚の降伏曲げ耐力がＮＧです"));
    // Y, route 1-2/2: the shear of G-K (q = -17.6 t) governs and is stored as its magnitude.
    EXPECT_EQ(slot(c1, kUltQd, 1), 17.6);
    EXPECT_NEAR(slot(c1, kUltPb, 1), 3 * 5.61 * 2.4, 1e-9);
    EXPECT_EQ(slot(c1, kUltFc, 1), 210.0);
    EXPECT_EQ(
        slot(c1, kUltGoverning, 1),
        std::max({slot(c1, kRatioUlt13, 1), slot(c1, kRatioUlt14, 1), slot(c1, kRatioUlt15, 1)}));

    // C4, an H-shape bent about its strong axis in X only.
    const CKesto& c4 = pageMarked(doc, "C4");
    EXPECT_NE(c4.ultimateJudgement[0], kNotCalculated);
    EXPECT_EQ(c4.ultimateJudgement[1], kNotCalculated);
}

// SI units; X: route 1-2/2, Y: route 3, anchor bolts with elongation, NG-case checks on.
TEST(UltimateDocument, SiExampleWithBoltElongation) {
    const DocumentData doc = calculatedExample("example.kso");
    ASSERT_EQ(doc.unitSystem, 1);
    expectConsistent(doc);

    // C1 in Y: plate 65 x 65 cm on Fc 24 N/mm2 (2400 N/cm2), three M30 (7.07 cm2) of F 23.5
    // kN/cm2: Nu = 0.85·65·65·2400/1000 = 8619, Tu = 498.435, Su = 287.7716 kN. The R->L
    // sense (N 240 kN) governs: Mu = (498.435·25 + 738.435·32.5·(1 - 738.435/8619))/100
    // = 344.0388 kN·m; Qf = min(369.2175, 4060.28) > Qs = Su, so Qu = 369.2175 kN.
    const CKesto& c1 = pageMarked(doc, "C1");
    EXPECT_NEAR(slot(c1, kUltMu, 1), 344.0388, 0.00005);
    EXPECT_NEAR(slot(c1, kUltQuSense, 1), 369.2175, 1e-9);
    EXPECT_EQ(slot(c1, kUltQm, 1), 190.0);
    // Concrete stresses in N/mm2: Fc1 = 24, Fc2 = 8, Fc3 = 120, Fc4 = 0.31·√24.
    EXPECT_NEAR(slot(c1, kUltFc1, 1), 24, 1e-12);
    EXPECT_NEAR(slot(c1, kUltFc2, 1), 8, 1e-12);
    EXPECT_NEAR(slot(c1, kUltFc3, 1), 120, 1e-12);
    EXPECT_NEAR(slot(c1, kUltFc4, 1), 0.31 * std::sqrt(24.0), 1e-12);
    // SN490 (F 325 N/mm2): σu = 49 kN/cm2, τu = 28.29 kN/cm2 stored as 282.90 N/mm2.
    EXPECT_NEAR(slot(c1, kUltTauU, 1), 490 / std::sqrt(3.0), 1e-9);
    // Aa = 65·14 - 21.21, Ac = 2·65·60 + 2·14·60 + π·60².
    EXPECT_NEAR(c1.usedAa, 888.79, 1e-9);
    EXPECT_NEAR(c1.usedAc, 20789.7335544, 1e-6);
    // X, route 1-2/2: α·Mpc/Mu fails, MD/Mu takes its place; MD and QD keep their signs.
    EXPECT_GT(slot(c1, kRatioUlt13, 0), 1.0);
    EXPECT_EQ(slot(c1, kUltMd, 0), -408.0);
    EXPECT_EQ(slot(c1, kUltQd, 0), -184.0);
    EXPECT_EQ(slot(c1, kUltGoverning, 0),
              std::max(slot(c1, kRatioUlt14, 0), slot(c1, kRatioUlt15, 0)));
    EXPECT_TRUE(hasMessage(c1, "Ｘ方向保有耐力(G-K) 柱脚の終局曲げ耐力がＮＧです"));

    // C4 (H-shape) is checked in X only, C5 (H-shape turned by 90°) in Y only.
    EXPECT_NE(pageMarked(doc, "C4").ultimateJudgement[0], kNotCalculated);
    EXPECT_EQ(pageMarked(doc, "C4").ultimateJudgement[1], kNotCalculated);
    EXPECT_EQ(pageMarked(doc, "C5").ultimateJudgement[0], kNotCalculated);
    EXPECT_NE(pageMarked(doc, "C5").ultimateJudgement[1], kNotCalculated);
}

}  // namespace
}  // namespace kesto
