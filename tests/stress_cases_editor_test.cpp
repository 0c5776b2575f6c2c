#include <gtest/gtest.h>

#include "model/new_document.h"
#include "model/stress_cases_editor.h"

namespace kesto {
namespace {

// Cases G:常時 and K:地震, the short-term list G+K and G-K, and two pages whose X and Y basics
// hold distinct values.
class StressCasesEditing : public testing::Test {
  protected:
    StressCasesEditing() {
        cnt.stressNames.append(CStressName{"G:常時", 1.0, 1.0, 1.0});
        cnt.stressNames.append(CStressName{"K:地震", 1.0, 1.0, 1.0});
        cnt.shortTermCombos.append(CStringTable{"G+K"});
        cnt.shortTermCombos.append(CStringTable{"G-K"});
        for (int p = 0; p < 2; ++p) {
            CKesto& page = cnt.pages.append(makeNewPage(cnt, 1));
            for (int dir = 0; dir < 2; ++dir) {
                const double base = 100.0 * p + 10.0 * dir;
                page.basicStresses[dir][0] = CStress{"G", base + 1, base + 2, base + 3};
                page.basicStresses[dir][1] = CStress{"K", base + 4, base + 5, base + 6};
            }
        }
    }

    CKestoCnt cnt;
};

TEST_F(StressCasesEditing, RegisteringAnExistingSymbolIsRefused) {
    StressCasesEditor editor(stressSetupOf(cnt));
    EXPECT_EQ(editor.basic().apply(ListAction::registerRow, stressCase("G", "固定", 1, 1, 1)),
              ListEdit::duplicate);
    // The symbol is compared as typed, blanks included.
    EXPECT_EQ(editor.basic().apply(ListAction::registerRow, stressCase("G ", "固定", 1, 1, 1)),
              ListEdit::done);
    EXPECT_EQ(editor.basic().rows()[2].label, "G :固定");
    EXPECT_EQ(editor.basic().current(), 2);
    // An empty symbol does nothing, silently.
    EXPECT_EQ(editor.basic().apply(ListAction::registerRow, stressCase("", "x", 1, 1, 1)),
              ListEdit::ignored);
    EXPECT_EQ(editor.basic().size(), 3u);
}

TEST_F(StressCasesEditing, ModifyKeepingTheSymbolIsAccepted) {
    StressCasesEditor editor(stressSetupOf(cnt));
    editor.basic().select(1);
    ASSERT_EQ(editor.basic().apply(ListAction::modifyRow, stressCase("K", "地震時", 1.0, 2.0, 1.0)),
              ListEdit::done);
    EXPECT_EQ(editor.basic().rows()[1], (CStressName{"K:地震時", 2.0, 1.0, 1.0}));
    EXPECT_EQ(editor.basic().current(), 1);
    // Changing the symbol to that of another case is refused.
    EXPECT_EQ(editor.basic().apply(ListAction::modifyRow, stressCase("G", "地震時", 1, 1, 1)),
              ListEdit::duplicate);
    EXPECT_EQ(labelSymbol("K :地震:時"), "K ");
    EXPECT_EQ(labelName("K :地震:時"), "地震:時");
    EXPECT_EQ(labelName("K"), "");
}

TEST_F(StressCasesEditing, AnUnchangedCombinationIsADuplicate) {
    StressCasesEditor editor(stressSetupOf(cnt));
    auto& shortTerm = editor.combinations(1);
    ASSERT_EQ(shortTerm.current(), 0);
    EXPECT_EQ(shortTerm.apply(ListAction::modifyRow, CStringTable{"G+K"}), ListEdit::duplicate);
    EXPECT_EQ(shortTerm.apply(ListAction::modifyRow, CStringTable{"G-K"}), ListEdit::duplicate);
    EXPECT_EQ(shortTerm.apply(ListAction::modifyRow, CStringTable{"G+2*K"}), ListEdit::done);
    EXPECT_EQ(shortTerm.apply(ListAction::registerRow, CStringTable{""}), ListEdit::ignored);
}

TEST_F(StressCasesEditing, DeleteSelectsThePreviousEntry) {
    StressCasesEditor editor(stressSetupOf(cnt));
    auto& shortTerm = editor.combinations(1);
    shortTerm.select(1);
    EXPECT_EQ(shortTerm.apply(ListAction::deleteRow), ListEdit::done);
    EXPECT_EQ(shortTerm.current(), 0);
    EXPECT_EQ(shortTerm.apply(ListAction::deleteRow), ListEdit::done);
    EXPECT_EQ(shortTerm.current(), -1);
    EXPECT_EQ(shortTerm.apply(ListAction::deleteRow), ListEdit::ignored);
    EXPECT_EQ(editor.combinations(0).current(), -1);  // an empty list has no selection
    editor.basic().select(0);
    EXPECT_EQ(editor.basic().apply(ListAction::deleteRow), ListEdit::done);
    EXPECT_EQ(editor.basic().current(), 0);  // the first was deleted: the new first
}

TEST_F(StressCasesEditing, MovingCasesReordersEveryPageWithItsValues) {
    const CKestoCnt before = cnt;
    StressCasesEditor editor(stressSetupOf(cnt));
    editor.basic().select(1);
    ASSERT_EQ(editor.basic().apply(ListAction::moveUp), ListEdit::done);
    EXPECT_EQ(editor.basic().apply(ListAction::moveUp), ListEdit::ignored);
    exchangeStressSetup(cnt, editor.result("K"));
    EXPECT_EQ(cnt.stressNames[0].label, "K:地震");
    for (std::size_t p = 0; p < 2; ++p) {
        for (int dir = 0; dir < 2; ++dir) {
            const auto& now = cnt.pages[p].basicStresses[dir];
            const auto& was = before.pages[p].basicStresses[dir];
            ASSERT_EQ(now.size(), 2u);
            EXPECT_EQ(now[0], was[1]);
            EXPECT_EQ(now[1], was[0]);
        }
    }
}

TEST_F(StressCasesEditing, CombinationChangesLeaveThePagesAlone) {
    // A page list out of step with the cases shows that no synchronisation ran.
    cnt.pages[0].basicStresses[0].erase(1);
    const CKestoCnt before = cnt;
    StressCasesEditor editor(stressSetupOf(cnt));
    ASSERT_EQ(editor.combinations(0).apply(ListAction::registerRow, CStringTable{"G"}),
              ListEdit::done);
    exchangeStressSetup(cnt, editor.result("E"));
    EXPECT_EQ(cnt.gammaStressName, "E");
    ASSERT_EQ(cnt.longTermCombos.size(), 1u);
    EXPECT_EQ(cnt.longTermCombos[0].expression, "G");
    EXPECT_EQ(cnt.stressNames, before.stressNames);
    for (std::size_t p = 0; p < 2; ++p) {
        EXPECT_EQ(cnt.pages[p].basicStresses, before.pages[p].basicStresses);
    }
}

TEST_F(StressCasesEditing, RenamingACaseDropsItsValues) {
    StressCasesEditor editor(stressSetupOf(cnt));
    editor.basic().select(1);
    ASSERT_EQ(editor.basic().apply(ListAction::modifyRow, stressCase("E", "地震", 1, 1, 1)),
              ListEdit::done);
    exchangeStressSetup(cnt, editor.result("K"));
    EXPECT_EQ(cnt.pages[1].basicStresses[1][1], (CStress{"E", 0, 0, 0}));
    EXPECT_EQ(cnt.pages[1].basicStresses[1][0].m, 111);
}

}  // namespace
}  // namespace kesto
