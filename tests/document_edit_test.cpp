// The document's edit operations and their opposites, as an undo stack uses them: each change
// taken back leaves the document byte for byte as it was.
#include <gtest/gtest.h>

#include <functional>

#include "document/document.h"
#include "model/document_file.h"
#include "report_test_support.h"

namespace kesto {
namespace {

constexpr std::time_t kNoon = 1'700'000'000;

// Three pages A, B, C in SI units, B current, with forces on every page.
struct ThreePages {
    testing::TempFolder dir;
    IniProfile profile;
    KestoDocument doc{dir.folder(), profile};

    ThreePages() {
        doc.onNewDocument(kNoon);
        for (const char* mark : {"A", "B", "C"}) {
            if (std::string(mark) != "A") {
                doc.insertPage();
            }
            const int i = doc.currentPageIndex();
            doc.setField({i, FieldRef::kMark}, std::string(mark));
            doc.setField({i, FieldRef::kBasicN, 0, 1}, 10.0 + i);
            doc.setField({i, FieldRef::kUltimateQ, 1, 1}, 3.5 * (i + 1));
        }
        doc.goToPage(1);
    }

    // What the file would hold, and the current page.
    std::pair<std::string, int> state() const {
        return {serializeDocument(doc.data()), doc.currentPageIndex()};
    }
};

// The text of the current page's mark cell.
std::string shownMark(const KestoDocument& doc) {
    for (const DisplayCell& c : doc.pageCells()) {
        if (c.editOrder == 0) {
            return cellText(c);
        }
    }
    return {};
}

using Undo = std::function<void(KestoDocument&)>;
struct Step {
    const char* name;
    std::function<Undo(KestoDocument&)> apply;
};

TEST(DocumentEdits, EveryEditIsTakenBackByItsOpposite) {
    const Step steps[] = {
        {"setField",
         [](KestoDocument& d) -> Undo {
             const FieldRef ref{2, FieldRef::kBasicQ, 1, 0};
             const FieldValue previous = *d.setField(ref, -7.25);
             return [=](KestoDocument& u) { u.setField(ref, previous); };
         }},
        {"editCell",
         [](KestoDocument& d) -> Undo {
             const FieldEdit edit = *d.editCell(0, std::string("B-2"));
             return [=](KestoDocument& u) { u.setField(edit.field, edit.previous); };
         }},
        {"insertPage",
         [](KestoDocument& d) -> Undo {
             const int at = d.insertPage();
             return [=](KestoDocument& u) { u.deletePage(at); };
         }},
        {"deletePage",
         [](KestoDocument& d) -> Undo {
             auto removed = std::make_shared<RemovedPage>(*d.deleteCurrentPage());
             return [=](KestoDocument& u) { u.restorePage(*removed); };
         }},
        {"swapPages",
         [](KestoDocument& d) -> Undo {
             d.swapPages(1, 2);
             return [](KestoDocument& u) { u.swapPages(2, 1); };
         }},
        {"replacePage",
         [](KestoDocument& d) -> Undo {
             CKesto edited = d.conditions().pages[0];
             edited.plateT = 40;
             edited.boltCountX = 4;
             auto previous = std::make_shared<CKesto>(*d.replacePage(0, edited));
             return [=](KestoDocument& u) { u.replacePage(0, *previous); };
         }},
        {"setBuildingTexts",
         [](KestoDocument& d) -> Undo {
             const BuildingTexts previous = d.setBuildingTexts({"庁舎", "2026/04/01", "第2案"});
             return [=](KestoDocument& u) { u.setBuildingTexts(previous); };
         }},
        {"setConditions",
         [](KestoDocument& d) -> Undo {
             CKestoCnt edited = d.conditions();
             edited.routeY = 2;
             edited.gammaX = 1.5;
             edited.writeDetailFile = 1;
             auto previous = std::make_shared<CKestoCnt>(d.setConditions(edited));
             return [=](KestoDocument& u) { u.setConditions(*previous); };
         }},
        {"setStressSetup",
         [](KestoDocument& d) -> Undo {
             StressSetup setup = d.stressSetup();
             setup.stressNames.erase(0);  // "G" goes, and its forces with it
             setup.stressNames.append(CStressName{"W:風"});
             setup.ultimateCombos.clear();
             setup.gammaStressName = "W";
             auto previous = std::make_shared<StressSetup>(d.setStressSetup(std::move(setup)));
             return [=](KestoDocument& u) { u.setStressSetup(*previous); };
         }},
        {"convertStresses",
         [](KestoDocument& d) -> Undo {
             auto previous = std::make_shared<OwnedList<CKesto>>(d.convertStresses(0.3, true));
             return [=](KestoDocument& u) { u.setPages(*previous); };
         }},
        {"setPages",
         [](KestoDocument& d) -> Undo {
             OwnedList<CKesto> pages = d.conditions().pages;
             pages[0].boltName = "M24";
             pages[2].basicStresses[1].clear();
             auto previous = std::make_shared<OwnedList<CKesto>>(d.setPages(std::move(pages)));
             return [=](KestoDocument& u) { u.setPages(*previous); };
         }},
        {"setUnitSystem",
         [](KestoDocument& d) -> Undo {
             d.setUnitSystem(0);
             return [](KestoDocument& u) { u.setUnitSystem(1); };
         }},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        ThreePages f;
        const auto before = f.state();
        const Undo undo = step.apply(f.doc);
        EXPECT_TRUE(f.doc.isModified());
        EXPECT_NE(f.state(), before);
        undo(f.doc);
        EXPECT_EQ(f.state(), before);
        // The cells follow: the current page is laid out from the restored fields.
        EXPECT_EQ(shownMark(f.doc), "B");
    }
}

TEST(DocumentEdits, DeletingAndRestoringTheLastPage) {
    ThreePages f;
    f.doc.goToPage(2);
    const auto before = f.state();
    const RemovedPage removed = *f.doc.deletePage(2);
    EXPECT_EQ(removed.index, 2);
    EXPECT_EQ(removed.page.mark, "C");
    EXPECT_EQ(f.doc.currentPageIndex(), 1);
    EXPECT_FALSE(f.doc.deletePage(2));
    f.doc.restorePage(removed);
    EXPECT_EQ(f.state(), before);
    EXPECT_EQ(shownMark(f.doc), "C");
}

TEST(DocumentEdits, SetFieldRefusesWhatDoesNotFit) {
    ThreePages f;
    f.doc.setModified(false);
    const auto before = f.state();
    EXPECT_FALSE(f.doc.setField({1, FieldRef::kMark}, 5.0));
    EXPECT_FALSE(f.doc.setField({1, FieldRef::kBasicN, 0, 0}, std::string("5")));
    EXPECT_FALSE(f.doc.setField({1, FieldRef::kBasicN, 0, 0}, 100000.0));
    EXPECT_FALSE(f.doc.setField({1, FieldRef::kBasicN, 0, 0}, -100000));
    EXPECT_FALSE(f.doc.setField({3, FieldRef::kMark}, std::string("D")));
    EXPECT_FALSE(f.doc.setField({1, FieldRef::kBasicN, 0, 2}, 1.0));  // two stress cases
    EXPECT_FALSE(f.doc.replacePage(3, CKesto{}));
    EXPECT_FALSE(f.doc.editCell(1, 1.0));  // the figure cell edits no field
    EXPECT_EQ(f.state(), before);
    EXPECT_FALSE(f.doc.isModified());
    // An integer is taken as a number; the bound ±99999 holds.
    EXPECT_EQ(f.doc.setField({1, FieldRef::kBasicN, 0, 0}, -99999), FieldValue{0.0});
    EXPECT_EQ(f.doc.conditions().pages[1].basicStresses[0][0].n, -99999.0);
}

TEST(DocumentEdits, ConditionsSheetLeavesListsTablesAndGammaCase) {
    ThreePages f;
    CKestoCnt edited = f.doc.conditions();
    edited.routeX = 2;
    edited.hSteelTableName = "other.tbl";
    edited.gammaStressName = "X";
    edited.stressNames.clear();
    const CKestoCnt previous = f.doc.setConditions(edited);
    EXPECT_EQ(previous.routeX, 1);
    EXPECT_TRUE(previous.pages.empty());
    const CKestoCnt& now = f.doc.conditions();
    EXPECT_EQ(now.routeX, 2);
    EXPECT_EQ(now.hSteelTableName, "Ｈ形鋼JIS.tbl");
    EXPECT_EQ(now.gammaStressName, "K");
    EXPECT_EQ(now.stressNames.size(), 2u);
    EXPECT_EQ(f.doc.conditionLines()[3], "  設計ルート             Ｘ方向 ﾙｰﾄ3 Ｙ方向 ﾙｰﾄ1-2/2");
}

TEST(DocumentEdits, StressCasesAndPagesFollowTogether) {
    ThreePages f;
    // Only the combinations: the pages' forces stay as they are.
    StressSetup setup = f.doc.stressSetup();
    setup.longTermCombos.append(CStringTable{"1.1G"});
    f.doc.setStressSetup(setup);
    EXPECT_EQ(f.doc.conditions().pages[1].basicStresses[0][1].n, 11.0);
    // The cases reversed: every page's list follows with its values.
    setup = f.doc.stressSetup();
    std::swap(setup.stressNames[0], setup.stressNames[1]);
    const StressSetup previous = f.doc.setStressSetup(setup);
    const auto& list = f.doc.conditions().pages[1].basicStresses[0];
    EXPECT_EQ(list[0].name, "K");
    EXPECT_EQ(list[0].n, 11.0);
    EXPECT_EQ(previous.pageStresses.size(), 3u);
    EXPECT_EQ(previous.pageStresses[1][0][1].n, 11.0);
}

TEST(DocumentEdits, TableEditorsExchangeTheirTables) {
    ThreePages f;
    f.doc.setModified(false);
    auto bolts = f.doc.boltTable();
    const std::size_t rows = bolts.rows.size();
    bolts.rows.append(CABolt{"M99", 99, 100, 1, 1});
    bolts.fileName = "ボルト.tbl";
    bolts.title = "自社";
    bolts.modified = true;
    const auto previous = f.doc.setBoltTable(bolts);
    EXPECT_EQ(f.doc.conditions().boltTableName, "ボルト.tbl");
    EXPECT_EQ(f.doc.conditions().boltTable.size(), rows + 1);
    EXPECT_TRUE(f.doc.conditions().boltModified);
    EXPECT_FALSE(f.doc.isModified());  // tables go to their files, not to the document
    f.doc.setBoltTable(previous);
    EXPECT_EQ(f.doc.conditions().boltTableName, "切削並目JIS.tbl");
    EXPECT_EQ(f.doc.conditions().boltTable.size(), rows);
    EXPECT_FALSE(f.doc.conditions().boltModified);
}

}  // namespace
}  // namespace kesto
