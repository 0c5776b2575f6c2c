// The example building a new user opens first: a designed building whose pages pass, but for the
// two that carry a fault an engineer recognises.
#include <gtest/gtest.h>

#include "document/document.h"

namespace kesto {
namespace {

TEST(BuildingExample, OnlyTheIntendedPagesAreNg) {
    IniProfile profile;
    KestoDocument doc(KESTO_PROGRAM_FOLDER, profile);
    doc.open(std::string(KESTO_PROGRAM_FOLDER) + "examples/building.kso");
    ASSERT_EQ(doc.pageCount(), 8);
    // C1, the corner columns: G-2K leaves them in tension, so the M27 bolts alone set Mu.
    // C6, the stair tower: a base plate of 19 mm without ribs bends too much.
    EXPECT_EQ(
        doc.messageLines(),
        (std::vector<std::string>{"[C1]", "  W：Ｘ方向保有耐力(G-K) 柱脚の終局曲げ耐力がＮＧです",
                                  "  W：Ｙ方向保有耐力(G-K) 柱脚の終局曲げ耐力がＮＧです", "[C6]",
                                  "  W：Ｘ方向短期許容(G+K) ベースプレートの曲げ耐力がＮＧです"}));
    const CKesto& corner = doc.conditions().pages[0];
    for (int dir = 0; dir < 2; ++dir) {
        EXPECT_EQ(corner.ultimateComboResults[dir][1].name, "G-K");
        EXPECT_LT(corner.ultimateComboResults[dir][1].n, 0.0);
    }
}

}  // namespace
}  // namespace kesto
