#include <gtest/gtest.h>

#include "model/combinations.h"
#include "model/new_document.h"

namespace kesto {
namespace {

// Cases G (1, 1, 1) and K (nN 1, nM 2, nQ 1); X basics G (N 100, M 10, Q 5) and K (N 20,
// M 30, Q 15); Y basics G (N 50, M 4, Q 2) and K (N 10, M 6, Q 3); γ 2.0 in X, 3.0 in Y.
class Combinations : public testing::Test {
  protected:
    Combinations() {
        cnt.stressNames.append(CStressName{"G:常時", 1.0, 1.0, 1.0});
        cnt.stressNames.append(CStressName{"K:地震", 2.0, 1.0, 1.0});
        cnt.gammaX = 2.0;
        cnt.gammaY = 3.0;
        page = makeNewPage(cnt, 1);
        page.basicStresses[0][0] = CStress{"G", 10, 5, 100};
        page.basicStresses[0][1] = CStress{"K", 30, 15, 20};
        page.basicStresses[1][0] = CStress{"G", 4, 2, 50};
        page.basicStresses[1][1] = CStress{"K", 6, 3, 10};
    }

    // (n, m, q) of one expression in X, with the given γ index.
    CStress eval(const std::string& e, int gamma = 0, bool* ok = nullptr) {
        CStress r;
        const bool good = evaluateExpression(cnt, page, e, 0, gamma, r);
        if (ok) {
            *ok = good;
        }
        return r;
    }

    CKestoCnt cnt;
    CKesto page;
};

TEST_F(Combinations, WorkedExample) {
    // G-K: N 100-20 = 80, M 10-2·30 = -50, Q 5-15 = -10.
    EXPECT_EQ(eval("G-K"), (CStress{"G-K", -50, -10, 80}));
    // Ultimate G+K in X with γ 2: N 100+40 = 140, M 10+2·2·30 = 130, Q 5+2·15 = 35.
    EXPECT_EQ(eval("G+K", 1), (CStress{"G+K", 130, 35, 140}));
}

TEST_F(Combinations, SignsFollowTheLastOperatorBeforeATerm) {
    struct Row {
        const char* expression;
        double n;
    };
    // G: N 100, K: N 20.
    const Row rows[] = {{"-G+K", -80},
                        {"G--K", 80},
                        {"G-+K", 120},
                        {"G - K", 80},
                        {" G\t+ K ", 120},
                        {"1.5*G", 150},
                        {"G*1.5", 150},
                        {"1.5*G*2", 300},
                        {".5*G", 50},
                        {"G*K", 20},
                        {"2*K*3", 120},
                        {"G**2", 0},
                        {"G*", 100},
                        {"0.5G", 0},
                        {"1.5.5*G", 150},
                        {"5.*G", 500},
                        // A '*' that starts a term joins the factor; the next '*' closes that
                        // factor "*", which reads as the number 0.
                        {"**G", 0},
                        {"G+**K", 100}};
    for (const auto& row : rows) {
        EXPECT_DOUBLE_EQ(eval(row.expression).n, row.n) << row.expression;
    }
}

TEST_F(Combinations, TermsWithoutAKnownSymbolFail) {
    bool ok = true;
    // "g" does not match "G"; "2" has no symbol; "2G" is a symbol named "2G".
    // "*G" is one factor holding a letter: the symbol "*G".
    for (const char* bad : {"g", "2", "2G", "G+X", "1E3", "*G", "G+*"}) {
        eval(bad, 0, &ok);
        EXPECT_FALSE(ok) << bad;
    }
    const CStress partial = eval("G+X", 0, &ok);
    EXPECT_EQ(partial.n, 100);  // the terms that did evaluate stay
    eval("", 0, &ok);
    EXPECT_TRUE(ok);
}

TEST_F(Combinations, GammaAppliesOnlyToTheNamedCaseInUltimateLists) {
    // 2*K in the ultimate X list: 2·γ·K = 4·20 = 80; in Y γ is 3: 6·10 = 60.
    EXPECT_EQ(eval("2*K", 1).n, 80);
    EXPECT_EQ(eval("2*K", 0).n, 40);
    CStress y;
    evaluateExpression(cnt, page, "2*K", 1, 2, y);
    EXPECT_EQ(y.n, 60);
    EXPECT_EQ(eval("G", 1).n, 100);
}

TEST_F(Combinations, AnExpressionMetBeforeFollowsLaterChangesOfCasesAndPage) {
    EXPECT_EQ(eval("G+K", 1).n, 140);  // 100 + γ 2·20
    cnt.gammaStressName = "G";
    cnt.stressNames[1].factorN = 3.0;
    page.basicStresses[0][1].n = 30;
    EXPECT_EQ(eval("G+K", 1).n, 290);  // γ 2·100 + 3·30
}

TEST_F(Combinations, SymbolWithoutStressCaseUsesUnitMultipliers) {
    page.basicStresses[0].append(CStress{"W", 7, 8, 9});
    EXPECT_EQ(eval("W"), (CStress{"W", 7, 8, 9}));
}

TEST_F(Combinations, EvaluatesEveryListIntoItsResults) {
    cnt.longTermCombos.append(CStringTable{"G"});
    cnt.shortTermCombos.append(CStringTable{"G+K"});
    cnt.shortTermCombos.append(CStringTable{"G-K"});
    cnt.ultimateCombos.append(CStringTable{"G+K"});
    EXPECT_FALSE(evaluateCombinations(cnt, page));
    EXPECT_TRUE(page.errorMessages.empty());
    ASSERT_EQ(page.comboResults[0][0].size(), 1u);
    ASSERT_EQ(page.comboResults[1][1].size(), 2u);
    EXPECT_EQ(page.comboResults[1][1][1], (CStress{"G-K", 4 - 12, 2 - 3, 40}));
    // Ultimate Y with γ 3: N 50+30, M 4+2·3·6, Q 2+3·3.
    EXPECT_EQ(page.ultimateComboResults[1][0], (CStress{"G+K", 40, 11, 80}));

    // Evaluating again replaces the results; an empty list gives an empty result list.
    cnt.shortTermCombos.clear();
    EXPECT_FALSE(evaluateCombinations(cnt, page));
    EXPECT_TRUE(page.comboResults[0][1].empty());
    EXPECT_EQ(page.comboResults[0][0].size(), 1u);
}

TEST_F(Combinations, AFailedExpressionAddsTheMessageOnce) {
    cnt.longTermCombos.append(CStringTable{"G+E"});
    cnt.shortTermCombos.append(CStringTable{"E"});
    cnt.shortTermCombos.append(CStringTable{"G"});
    EXPECT_TRUE(evaluateCombinations(cnt, page));
    EXPECT_EQ(page.errorMessages, std::vector<std::string>{"組み合わせ応力の設定が異常です"});
    EXPECT_EQ(page.comboResults[0][1].size(), 2u);
    EXPECT_EQ(page.comboResults[0][0][0].n, 100);
}

TEST_F(Combinations, SynchronisingKeepsValuesOfCasesThatStay) {
    cnt.pages.append(page);
    // Rename K to E and add W: E and W start at zero, G keeps its values, K is dropped.
    cnt.stressNames[1].label = "E:地震";
    cnt.stressNames.append(CStressName{" W : 風", 1, 1, 1});
    synchronisePages(cnt);
    const auto& x = cnt.pages[0].basicStresses[0];
    ASSERT_EQ(x.size(), 3u);
    EXPECT_EQ(x[0], (CStress{"G", 10, 5, 100}));
    EXPECT_EQ(x[1], (CStress{"E", 0, 0, 0}));
    EXPECT_EQ(x[2], (CStress{"W", 0, 0, 0}));
    EXPECT_EQ(cnt.factorsOf("K").m, 1.0);
}

TEST(StressName, SymbolIsTheTextBeforeTheColonWithoutBlanks) {
    EXPECT_EQ(symbolOf("G:常時"), "G");
    EXPECT_EQ(symbolOf(" K 1 :地震:2"), "K1");
    EXPECT_EQ(symbolOf("W"), "W");
    EXPECT_EQ(symbolOf(":x"), "");
}

}  // namespace
}  // namespace kesto
