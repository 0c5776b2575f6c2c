#include "tables/table_store.h"

#include <gtest/gtest.h>

#include "base/archive.h"
#include "platform/files.h"
#include "report_test_support.h"
#include "tables/material_tables.h"
#include "tables/table_files.h"

namespace kesto {
namespace {

using testing::TempFolder;

OwnedList<CConcreteRaw> concreteRows(const char* name, double fc) {
    OwnedList<CConcreteRaw> rows;
    rows.append(CConcreteRaw{.name = name, .fc = fc});
    return rows;
}

OwnedList<CSteelRaw> gradeRows(const char* name, double f) {
    OwnedList<CSteelRaw> rows;
    rows.append(CSteelRaw{name, 0, f, f});
    return rows;
}

TEST(MaterialTables, FileNamesByUnit) {
    EXPECT_EQ(concreteFileName(0), "ConcRaw.tbl");
    EXPECT_EQ(concreteFileName(1), "ConcRawSI.tbl");
    EXPECT_EQ(steelGradeFileName(0), "鋼材材質.tbl");
    EXPECT_EQ(steelGradeFileName(1), "鋼材材質SI.tbl");
}

TEST(MaterialTables, LoadByUnitAndKeepOnMissingFile) {
    TempFolder dir;
    writeFileAtomic(dir.file("ConcRaw.tbl"), serializeConcreteTable(concreteRows("Fc210", 210)));
    writeFileAtomic(dir.file("ConcRawSI.tbl"), serializeConcreteTable(concreteRows("Fc21", 21)));
    writeFileAtomic(dir.file("鋼材材質SI.tbl"), serializeSteelGradeTable(gradeRows("SN400", 235)));

    CKestoCnt cnt;
    cnt.steelGradeTable = gradeRows("OLD", 1);
    EXPECT_TRUE(loadMaterialTables(cnt, dir.folder(), 0).empty());
    EXPECT_EQ(cnt.concreteTable[0].name, "Fc210");
    EXPECT_EQ(cnt.steelGradeTable[0].name, "OLD");  // no gravity steel file
    EXPECT_TRUE(loadMaterialTables(cnt, dir.folder(), 1).empty());
    EXPECT_EQ(cnt.concreteTable[0].name, "Fc21");
    EXPECT_EQ(cnt.steelGradeTable[0].name, "SN400");
}

TEST(MaterialTables, DamagedFileIsReportedAndKeepsRows) {
    TempFolder dir;
    const std::string good = serializeConcreteTable(concreteRows("Fc21", 21));
    writeFileAtomic(dir.file("ConcRawSI.tbl"), good.substr(0, good.size() - 3));
    writeFileAtomic(dir.file("鋼材材質SI.tbl"), std::string("\x0E"
                                                            "CSteelRaw 1.00\xFF\xFF",
                                                            17));
    CKestoCnt cnt;
    cnt.concreteTable = concreteRows("KEEP", 1);
    cnt.steelGradeTable = gradeRows("KEEP", 1);
    const auto problems = loadMaterialTables(cnt, dir.folder(), 1);
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_NE(problems[0].find("ConcRawSI.tbl: byte offset"), std::string::npos) << problems[0];
    EXPECT_NE(problems[1].find("鋼材材質SI.tbl: byte offset"), std::string::npos) << problems[1];
    EXPECT_EQ(cnt.concreteTable[0].name, "KEEP");
    EXPECT_EQ(cnt.steelGradeTable[0].name, "KEEP");
}

TEST(MaterialTables, SaveOnlyEditedAndClearFlag) {
    TempFolder dir;
    CKestoCnt cnt;
    cnt.concreteTable = concreteRows("Fc210", 210);
    cnt.steelGradeTable = gradeRows("SS400", 2.4);
    EXPECT_TRUE(saveMaterialTables(cnt, dir.folder(), 0).empty());
    EXPECT_FALSE(fileExists(dir.file("ConcRaw.tbl")));

    cnt.steelGradeModified = true;
    EXPECT_TRUE(saveMaterialTables(cnt, dir.folder(), 0).empty());
    EXPECT_FALSE(cnt.steelGradeModified);
    EXPECT_EQ(readFile(dir.file("鋼材材質.tbl")), serializeSteelGradeTable(cnt.steelGradeTable));
    EXPECT_FALSE(fileExists(dir.file("ConcRaw.tbl")));

    // A file that cannot be created keeps the flag for the next try.
    cnt.concreteModified = true;
    EXPECT_EQ(saveMaterialTables(cnt, dir.file("missing/"), 0).size(), 1u);
    EXPECT_TRUE(cnt.concreteModified);
    EXPECT_TRUE(saveMaterialTables(cnt, dir.folder(), 0).empty());
    EXPECT_FALSE(cnt.concreteModified);
    EXPECT_EQ(readFile(dir.file("ConcRaw.tbl")), serializeConcreteTable(cnt.concreteTable));
}

TEST(MaterialTables, SwitchingUnitSavesUnderTheOldUnitAndLoadsTheNew) {
    TempFolder dir;
    writeFileAtomic(dir.file("ConcRawSI.tbl"), serializeConcreteTable(concreteRows("Fc21", 21)));
    CKestoCnt cnt;
    cnt.concreteTable = concreteRows("Fc210", 210);
    cnt.concreteModified = true;
    cnt.steelGradeTable = gradeRows("SS400", 2.4);
    int unit = 0;
    TableProblems problems;
    EXPECT_FALSE(switchUnitSystem(cnt, dir.folder(), unit, 0, problems));
    EXPECT_TRUE(cnt.concreteModified);
    EXPECT_FALSE(fileExists(dir.file("ConcRaw.tbl")));

    EXPECT_TRUE(switchUnitSystem(cnt, dir.folder(), unit, 1, problems));
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(unit, 1);
    EXPECT_EQ(readFile(dir.file("ConcRaw.tbl")),
              serializeConcreteTable(concreteRows("Fc210", 210)));
    EXPECT_FALSE(cnt.concreteModified);
    EXPECT_EQ(cnt.concreteTable[0].name, "Fc21");
    EXPECT_EQ(cnt.steelGradeTable[0].name, "SS400");  // no SI steel file: the rows stay
}

TEST(NewDocumentTables, NoFilesGiveTheThreeDefaultRows) {
    TempFolder dir;
    CKestoCnt cnt;
    IniProfile profile;
    EXPECT_TRUE(loadTablesForNewDocument(cnt, dir.folder(), profile).empty());
    ASSERT_EQ(cnt.hSteelTable.size(), 1u);
    ASSERT_EQ(cnt.tubeTable.size(), 1u);
    ASSERT_EQ(cnt.boltTable.size(), 1u);
    EXPECT_TRUE(cnt.concreteTable.empty());
    EXPECT_TRUE(cnt.steelGradeTable.empty());

    const CSteel& h = cnt.hSteelTable[0];
    EXPECT_EQ(h.name, "H-200x100x5.5x8");
    EXPECT_EQ(h.filletRadius, 11);
    EXPECT_EQ(h.area, 27.16);
    EXPECT_EQ(h.inertiaX, 1840);
    const CSteel& t = cnt.tubeTable[0];
    EXPECT_EQ(t.name, "□-200x200x6.0");
    EXPECT_EQ(t.shapeType, 1);
    EXPECT_EQ(t.area, 45.32);  // 45.324 to 4 digits
    EXPECT_EQ(t.inertiaX, 2800);
    EXPECT_EQ(t.radiusB, 0);
    EXPECT_EQ(cnt.boltTable[0], (CABolt{"M30", 30, 31.5, 7.07, 4.95}));
    EXPECT_EQ(cnt.hSteelTableName, "Ｈ形鋼JIS.tbl");

    // A second new document does not pile up built-in rows.
    loadTablesForNewDocument(cnt, dir.folder(), profile);
    EXPECT_EQ(cnt.hSteelTable.size(), 1u);
    EXPECT_EQ(cnt.boltTable.size(), 1u);
}

TEST(NewDocumentTables, NamesFromProfile) {
    TempFolder dir;
    OwnedList<CSteel> mine;
    mine.append(defaultHSection()).name = "MINE";
    writeSectionTable(dir.file("自社H.tbl"), mine, "自社");
    IniProfile profile;
    profile.setString("Regist", "HSteelName", "自社H.tbl");
    profile.setString("Regist", "ABoltName", "none.tbl");
    CKestoCnt cnt;
    loadTablesForNewDocument(cnt, dir.folder(), profile);
    EXPECT_EQ(cnt.hSteelTableName, "自社H.tbl");
    EXPECT_EQ(cnt.tubeTableName, "角鋼管BCR.tbl");
    EXPECT_EQ(cnt.boltTableName, "none.tbl");
    ASSERT_EQ(cnt.hSteelTable.size(), 1u);
    EXPECT_EQ(cnt.hSteelTable[0].name, "MINE");
    EXPECT_EQ(cnt.hSteelTableTitle, "自社");
    EXPECT_EQ(cnt.boltTable[0].name, "M30");
}

TEST(NewDocumentTables, DamagedFileFallsBackAndIsReported) {
    TempFolder dir;
    writeFileAtomic(dir.file("Ｈ形鋼JIS.tbl"), std::string("\x0B"
                                                           "CSteel 1.00\x00\x05\x00",
                                                           15));
    CKestoCnt cnt;
    const auto problems = loadTablesForNewDocument(cnt, dir.folder(), IniProfile{});
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find("Ｈ形鋼JIS.tbl"), std::string::npos);
    EXPECT_EQ(cnt.hSteelTable.size(), 1u);
}

TEST(ProgramEndTables, WritesEditedTablesAndNames) {
    TempFolder dir;
    CKestoCnt cnt;
    loadTablesForNewDocument(cnt, dir.folder(), IniProfile{});
    cnt.tubeTableName = "my tubes.tbl";
    cnt.tubeTableTitle = "コメント";
    cnt.tubeModified = true;
    cnt.concreteTable = concreteRows("Fc21", 21);
    cnt.concreteModified = true;
    IniProfile profile;
    EXPECT_TRUE(writeTablesAtProgramEnd(cnt, dir.folder(), 1, profile).empty());
    EXPECT_FALSE(cnt.tubeModified);
    EXPECT_FALSE(cnt.concreteModified);
    EXPECT_EQ(readFile(dir.file("my tubes.tbl")), serializeSectionTable(cnt.tubeTable, "コメント"));
    EXPECT_EQ(readFile(dir.file("ConcRawSI.tbl")), serializeConcreteTable(cnt.concreteTable));
    EXPECT_FALSE(fileExists(dir.file("Ｈ形鋼JIS.tbl")));
    EXPECT_FALSE(fileExists(dir.file("切削並目JIS.tbl")));
    EXPECT_EQ(profile.getString("Regist", "HSteelName", ""), "Ｈ形鋼JIS.tbl");
    EXPECT_EQ(profile.getString("Regist", "BSteelName", ""), "my tubes.tbl");
    EXPECT_EQ(profile.getString("Regist", "ABoltName", ""), "切削並目JIS.tbl");

    cnt.boltModified = true;
    cnt.boltTableName = "sub/none.tbl";
    EXPECT_EQ(writeTablesAtProgramEnd(cnt, dir.folder(), 1, profile).size(), 1u);
    EXPECT_TRUE(cnt.boltModified);
}

TEST(TableFileNames, OnlyPlainNamesInTheProgramFolder) {
    for (const char* name : {"Ｈ形鋼JIS.tbl", "my tubes.tbl", "COM10.tbl", "CONSOLE.tbl", "a..b"}) {
        EXPECT_TRUE(isPlainFileName(name)) << name;
    }
    for (const char* name : {"", ".", "..", "sub/x.tbl", "..\\x.tbl", "/etc/passwd", "C:x.tbl",
                             "x.tbl:stream", "NUL", "con.tbl", "COM1.tbl", "lpt9", "a\tb"}) {
        EXPECT_FALSE(isPlainFileName(name)) << name;
    }
}

// A document, "KestoBase.def" or the profile may name any text: names that lead out of the
// program folder are reported and neither read nor written.
TEST(TableFileNames, NamesLeadingElsewhereAreReportedAndNeitherReadNorWritten) {
    TempFolder dir;
    const std::string program = dir.folder() + "program/";
    std::filesystem::create_directories(program);
    OwnedList<CSteel> rows;
    rows.append(defaultHSection());
    writeSectionTable(dir.file("outside.tbl"), rows, "外");
    CKestoCnt cnt;
    cnt.hSteelTableName = "../outside.tbl";
    cnt.tubeTableName = dir.file("outside.tbl");
    cnt.boltTableName = "..";
    const auto problems = readNamedSectionTables(cnt, program, false);
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_EQ(problems[0],
              "表ファイル名 \"../outside.tbl\" はプログラムフォルダ内のファイル名ではないため、表を"
              "読み込みませんでした。");
    EXPECT_TRUE(cnt.hSteelTable.empty());
    EXPECT_TRUE(cnt.tubeTable.empty());
    EXPECT_TRUE(cnt.hSteelTableTitle.empty());

    cnt.hSteelTable = rows;
    cnt.hSteelModified = true;
    cnt.hSteelTableName = "../written.tbl";
    IniProfile profile;
    const auto written = writeTablesAtProgramEnd(cnt, program, 1, profile);
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0],
              "表ファイル名 \"../written.tbl\" はプログラムフォルダ内のファイル名ではないため、表を"
              "書き込みませんでした。");
    EXPECT_TRUE(cnt.hSteelModified);
    EXPECT_FALSE(fileExists(dir.file("written.tbl")));
}

}  // namespace
}  // namespace kesto
