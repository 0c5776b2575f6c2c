#include "document/open_document.h"

#include <gtest/gtest.h>

#include "base/archive.h"
#include "model/new_document.h"
#include "platform/files.h"
#include "report_test_support.h"
#include "tables/table_files.h"
#include "tables/table_store.h"

namespace kesto {
namespace {

using testing::TempFolder;

std::string documentBytes(int unitSystem, const std::string& hName) {
    DocumentData doc;
    installBuiltInDefaults(doc.conditions);
    doc.unitSystem = unitSystem;
    doc.buildingName = "opened";
    doc.conditions.hSteelTableName = hName;
    doc.conditions.pages.append(makeNewPage(doc.conditions, unitSystem));
    return serializeDocument(doc);
}

OwnedList<CConcreteRaw> concreteRows(const char* name) {
    OwnedList<CConcreteRaw> rows;
    rows.append(CConcreteRaw{.name = name, .fc = 1});
    return rows;
}

// The program state before the open: gravity units, an edited concrete table, default sections.
DocumentData currentState(const std::string& folder) {
    DocumentData current;
    current.unitSystem = 0;
    current.buildingName = "before";
    loadTablesForNewDocument(current.conditions, folder, IniProfile{});
    current.conditions.concreteTable = concreteRows("EDITED");
    current.conditions.concreteModified = true;
    return current;
}

TEST(OpenDocument, TablesFollowTheDocument) {
    TempFolder dir;
    writeFileAtomic(dir.file("doc.kso"), documentBytes(1, "自社H.tbl"));
    writeFileAtomic(dir.file("ConcRawSI.tbl"), serializeConcreteTable(concreteRows("Fc21")));
    OwnedList<CSteel> h;
    h.append(defaultHSection()).name = "H-MINE";
    writeSectionTable(dir.file("自社H.tbl"), h, "mine");

    DocumentData current = currentState(dir.folder());
    EXPECT_TRUE(openDocument(dir.file("doc.kso"), dir.folder(), current).empty());
    // The edited gravity concrete table was written under the unit in force before the open.
    EXPECT_EQ(readFile(dir.file("ConcRaw.tbl")), serializeConcreteTable(concreteRows("EDITED")));
    EXPECT_FALSE(current.conditions.concreteModified);
    EXPECT_EQ(current.unitSystem, 1);
    EXPECT_EQ(current.buildingName, "opened");
    EXPECT_EQ(current.conditions.concreteTable[0].name, "Fc21");
    EXPECT_EQ(current.conditions.hSteelTable[0].name, "H-MINE");
    EXPECT_EQ(current.conditions.hSteelTableTitle, "mine");
    // Missing tube and bolt files: the tables stay as they were, with no row added.
    ASSERT_EQ(current.conditions.tubeTable.size(), 1u);
    EXPECT_EQ(current.conditions.tubeTable[0].name, "□-200x200x6.0");
    EXPECT_EQ(current.conditions.boltTable.size(), 1u);
    EXPECT_EQ(current.conditions.pages.size(), 1u);
}

TEST(OpenDocument, MissingTablesKeepRowsWithoutDefaults) {
    TempFolder dir;
    writeFileAtomic(dir.file("doc.kso"), documentBytes(0, "none.tbl"));
    DocumentData current;
    current.conditions.hSteelTable.append(defaultHSection()).name = "OLD";
    EXPECT_TRUE(openDocument(dir.file("doc.kso"), dir.folder(), current).empty());
    ASSERT_EQ(current.conditions.hSteelTable.size(), 1u);
    EXPECT_EQ(current.conditions.hSteelTable[0].name, "OLD");
    EXPECT_TRUE(current.conditions.tubeTable.empty());
    EXPECT_TRUE(current.conditions.boltTable.empty());
}

TEST(OpenDocument, RefusedOrDamagedFileChangesNothing) {
    TempFolder dir;
    const std::string good = documentBytes(1, "Ｈ形鋼JIS.tbl");
    writeFileAtomic(dir.file("foreign.kso"), serializeSectionTable({}, ""));
    writeFileAtomic(dir.file("short.kso"), good.substr(0, good.size() / 2));
    std::string newer = good;
    newer[10] = '5';  // "Kesto 1.05"
    writeFileAtomic(dir.file("newer.kso"), newer);

    DocumentData current = currentState(dir.folder());
    EXPECT_THROW(openDocument(dir.file("foreign.kso"), dir.folder(), current), DocumentRefused);
    EXPECT_THROW(openDocument(dir.file("newer.kso"), dir.folder(), current), DocumentRefused);
    EXPECT_THROW(openDocument(dir.file("short.kso"), dir.folder(), current), FileFormatError);
    EXPECT_THROW(openDocument(dir.file("absent.kso"), dir.folder(), current), FileAccessError);
    EXPECT_EQ(current.buildingName, "before");
    EXPECT_EQ(current.unitSystem, 0);
    EXPECT_TRUE(current.conditions.concreteModified);
    EXPECT_EQ(current.conditions.concreteTable[0].name, "EDITED");
    EXPECT_FALSE(fileExists(dir.file("ConcRaw.tbl")));
}

TEST(OpenDocument, DamagedSectionTableIsReportedAndKept) {
    TempFolder dir;
    writeFileAtomic(dir.file("doc.kso"), documentBytes(1, "bad.tbl"));
    writeFileAtomic(dir.file("bad.tbl"), std::string("\x0B"
                                                     "CSteel 1.00\x00\xFF\xFF\xFF\xFF\x00\x01",
                                                     19));
    DocumentData current = currentState(dir.folder());
    const auto problems = openDocument(dir.file("doc.kso"), dir.folder(), current);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find("bad.tbl: byte offset 13"), std::string::npos) << problems[0];
    EXPECT_NE(problems[0].find("cannot fit"), std::string::npos) << problems[0];
    EXPECT_EQ(current.conditions.hSteelTable[0].name, "H-200x100x5.5x8");
    EXPECT_EQ(current.buildingName, "opened");
}

}  // namespace
}  // namespace kesto
