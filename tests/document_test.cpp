#include "document/document.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "base/archive.h"
#include "document/text_report.h"
#include "model/new_document.h"
#include "platform/files.h"
#include "report/print_settings_store.h"
#include "report_test_support.h"
#include "tables/material_tables.h"
#include "tables/table_files.h"
#include "tables/table_store.h"

namespace kesto {
namespace {

using testing::TempFolder;
using Lines = std::vector<std::string>;

constexpr std::time_t kNoon = 1'700'000'000;

std::vector<std::string> labelsOf(const OwnedList<CStressName>& list) {
    std::vector<std::string> out;
    for (const auto& s : list) {
        out.push_back(s.label);
    }
    return out;
}

std::vector<std::string> expressionsOf(const OwnedList<CStringTable>& list) {
    std::vector<std::string> out;
    for (const auto& s : list) {
        out.push_back(s.expression);
    }
    return out;
}

// Changes the current page as the column-base dialog does: a copy, edited, put back.
template <class Change>
void editCurrentPage(KestoDocument& doc, Change change) {
    CKesto page = *doc.currentPage();
    change(page);
    doc.replacePage(doc.currentPageIndex(), std::move(page));
}

// Changes the conditions as the design-conditions sheet does.
template <class Change>
void editConditions(KestoDocument& doc, Change change) {
    CKestoCnt c = doc.conditions();
    change(c);
    doc.setConditions(c);
}

struct Program {
    TempFolder dir;
    IniProfile profile;
    // A program start followed by the new document of the start.
    std::unique_ptr<KestoDocument> start() {
        auto doc = std::make_unique<KestoDocument>(dir.folder(), profile);
        doc->onNewDocument(kNoon);
        return doc;
    }
};

TEST(Document, FirstStartWithoutDefaultsFile) {
    Program p;
    auto doc = p.start();
    EXPECT_EQ(doc->unitSystem(), 1);
    const CKestoCnt& c = doc->conditions();
    EXPECT_EQ(labelsOf(c.stressNames), (Lines{"G:常時", "K:地震"}));
    EXPECT_EQ(expressionsOf(c.longTermCombos), (Lines{"G"}));
    EXPECT_EQ(expressionsOf(c.shortTermCombos), (Lines{"G+K", "G-K"}));
    EXPECT_EQ(expressionsOf(c.ultimateCombos), (Lines{"G+K", "G-K"}));
    ASSERT_EQ(doc->pageCount(), 1);
    EXPECT_EQ(doc->currentPageIndex(), 0);
    EXPECT_EQ(doc->currentPage()->concreteGrade, "Fc21");
    EXPECT_EQ(doc->currentPage()->basicStresses[0].size(), 2u);
    EXPECT_EQ(doc->buildingName(), "");
    EXPECT_EQ(doc->buildingDate(), formatBuildingDate(kNoon));
    EXPECT_FALSE(doc->isModified());
    // No policy file in this folder: the report starts with the empty line.
    EXPECT_EQ(doc->conditionLines()[0], "");
    EXPECT_EQ(doc->conditionLines()[2], "  入力単位               ＳＩ単位");
    EXPECT_FALSE(doc->pageCells().empty());
    // Nothing is written at start.
    EXPECT_FALSE(fileExists(p.dir.file(kDefaultsFileName)));
}

TEST(Document, DamagedDefaultsFileGivesTheBuiltInDefaults) {
    CKestoCnt gravity;
    installBuiltInDefaults(gravity);
    gravity.routeX = 2;
    const std::string good = serializeDefaults(0, gravity);
    for (const std::string& bad : {good.substr(0, good.size() - 5), std::string("\x05Other", 6),
                                   std::string(300, '\xFF'), std::string()}) {
        Program p;
        writeFileAtomic(p.dir.file(kDefaultsFileName), bad);
        auto doc = p.start();
        EXPECT_EQ(doc->unitSystem(), 1);
        EXPECT_EQ(doc->conditions().routeX, 1);
        EXPECT_EQ(doc->conditions().stressNames.size(), 2u);
    }
    Program p;
    writeFileAtomic(p.dir.file(kDefaultsFileName), good);
    auto doc = p.start();
    EXPECT_EQ(doc->unitSystem(), 0);
    EXPECT_EQ(doc->conditions().routeX, 2);
    EXPECT_EQ(doc->currentPage()->concreteGrade, "Fc210");
}

TEST(Document, SavingAGravityDocumentMakesTheNextStartGravity) {
    Program p;
    {
        auto doc = p.start();
        EXPECT_TRUE(doc->setUnitSystem(0));
        editConditions(*doc, [](CKestoCnt& c) { c.routeY = 0; });
        StressSetup setup = doc->stressSetup();
        setup.shortTermCombos.append(CStringTable{"G+2K"});
        doc->setStressSetup(std::move(setup));
        doc->save(p.dir.file("a.kso"));
        EXPECT_FALSE(doc->isModified());
        EXPECT_EQ(doc->path(), p.dir.file("a.kso"));
    }
    ASSERT_TRUE(fileExists(p.dir.file(kDefaultsFileName)));
    auto next = p.start();
    EXPECT_EQ(next->unitSystem(), 0);
    EXPECT_EQ(next->conditions().routeY, 0);
    EXPECT_EQ(expressionsOf(next->conditions().shortTermCombos), (Lines{"G+K", "G-K", "G+2K"}));
    // The saved document reads back whole.
    const DocumentData saved = parseDocument(readFile(p.dir.file("a.kso")), "a.kso");
    EXPECT_EQ(saved.unitSystem, 0);
    EXPECT_EQ(saved.conditions.pages.size(), 1u);
}

TEST(Document, NewKeepsTheConditionsOfThePreviousDocument) {
    Program p;
    auto doc = p.start();
    editConditions(*doc, [](CKestoCnt& c) { c.routeX = 0; });
    StressSetup setup = doc->stressSetup();
    setup.longTermCombos.append(CStringTable{"1.1G"});
    doc->setStressSetup(std::move(setup));
    editCurrentPage(*doc, [](CKesto& k) { k.plateB = 800; });
    editCurrentPage(*doc, [](CKesto& k) { k.mark = "C9"; });
    for (int i = 0; i < 4; ++i) {
        doc->insertPage();
    }
    ASSERT_EQ(doc->pageCount(), 5);
    doc->setBuildingTexts({"庁舎", "2026/01/01", ""});
    doc->onNewDocument(kNoon);
    ASSERT_EQ(doc->pageCount(), 1);
    // No current page exists to copy from: the construction defaults.
    EXPECT_EQ(doc->currentPage()->plateB, 650);
    EXPECT_EQ(doc->currentPage()->mark, "C");
    EXPECT_EQ(doc->conditions().routeX, 0);
    EXPECT_EQ(expressionsOf(doc->conditions().longTermCombos), (Lines{"G", "1.1G"}));
    EXPECT_EQ(doc->buildingName(), "");
    EXPECT_FALSE(doc->isModified());
}

TEST(Document, OpenLaysOutTheNewPagesBeforeItReportsProgress) {
    Program p;
    DocumentData other;
    installBuiltInDefaults(other.conditions);
    for (const char* mark : {"X1", "X2"}) {
        other.conditions.pages.append(makeNewPage(other.conditions, 1)).mark = mark;
    }
    writeFileAtomic(p.dir.file("other.kso"), serializeDocument(other));
    auto doc = p.start();
    std::vector<std::string> shown;
    doc->open(p.dir.file("other.kso"), [&](int, int) {
        // What the screen would draw while the pages are recalculated.
        for (const DisplayCell& cell : doc->pageCells()) {
            shown.push_back(cellText(cell));
        }
        return true;
    });
    ASSERT_FALSE(shown.empty());
    EXPECT_NE(std::find(shown.begin(), shown.end(), "X1"), shown.end());
}

TEST(Document, OpeningAFileNeverSavedLeavesTheDefaultsFileAlone) {
    Program p;
    DocumentData other;
    installBuiltInDefaults(other.conditions);
    other.unitSystem = 0;
    other.conditions.routeX = 2;
    other.conditions.pages.append(makeNewPage(other.conditions, 0));
    other.conditions.pages.append(makeNewPage(other.conditions, 0));
    writeFileAtomic(p.dir.file("other.kso"), serializeDocument(other));

    auto doc = p.start();
    doc->open(p.dir.file("other.kso"));
    EXPECT_FALSE(fileExists(p.dir.file(kDefaultsFileName)));
    EXPECT_EQ(doc->unitSystem(), 0);
    EXPECT_EQ(doc->pageCount(), 2);
    EXPECT_EQ(doc->currentPageIndex(), 0);
    EXPECT_FALSE(doc->isModified());
    EXPECT_EQ(doc->conditionLines()[2], "  入力単位               重力単位");
    // A new document after the open keeps the opened file's conditions ...
    doc->onNewDocument(kNoon);
    EXPECT_EQ(doc->conditions().routeX, 2);
    // ... while the next program start, with no save in between, has the built-in ones.
    EXPECT_EQ(p.start()->conditions().routeX, 1);

    // With a defaults file present, opening leaves its bytes as they were.
    writeFileAtomic(p.dir.file(kDefaultsFileName), serializeDefaults(1, CKestoCnt{}));
    const std::string before = readFile(p.dir.file(kDefaultsFileName));
    doc->open(p.dir.file("other.kso"));
    EXPECT_EQ(readFile(p.dir.file(kDefaultsFileName)), before);
}

TEST(Document, RefusedOrDamagedFileLeavesTheDocumentAsItWas) {
    Program p;
    auto doc = p.start();
    editCurrentPage(*doc, [](CKesto& k) { k.mark = "KEEP"; });
    doc->setModified(true);
    writeFileAtomic(p.dir.file("foreign.kso"), std::string("\x0AOther 1.04", 11));
    const auto foreign = doc->open(p.dir.file("foreign.kso"));
    ASSERT_FALSE(foreign.ok());
    EXPECT_EQ(foreign.error().kind, FileError::Kind::refused);
    EXPECT_EQ(foreign.error().description, kNotKestoMessage);
    DocumentData d;
    installBuiltInDefaults(d.conditions);
    d.conditions.pages.append(CKesto{});
    const std::string bytes = serializeDocument(d);
    writeFileAtomic(p.dir.file("short.kso"), bytes.substr(0, bytes.size() - 3));
    const auto damaged = doc->open(p.dir.file("short.kso"));
    ASSERT_FALSE(damaged.ok());
    EXPECT_EQ(damaged.error().kind, FileError::Kind::damaged);
    EXPECT_EQ(damaged.error().file, p.dir.file("short.kso"));
    // The file ends in the page's two stress-list counts of two bytes each; the cut leaves one
    // byte of the first, and reading fails where that count starts.
    EXPECT_EQ(damaged.error().offset, bytes.size() - 4);
    const auto missing = doc->open(p.dir.file("missing.kso"));
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().kind, FileError::Kind::access);
    EXPECT_EQ(missing.error().file, p.dir.file("missing.kso"));
    EXPECT_EQ(doc->currentPage()->mark, "KEEP");
    EXPECT_TRUE(doc->isModified());
    EXPECT_EQ(doc->path(), "");
}

TEST(Document, ProgramEndWritesTablesAndProfile) {
    Program p;
    auto doc = p.start();
    auto hShapes = doc->sectionTable(KestoDocument::SectionTable::hShapes);
    hShapes.fileName = "H形鋼自社.tbl";
    doc->setSectionTable(KestoDocument::SectionTable::hShapes, std::move(hShapes));
    OwnedList<CConcreteRaw> concrete = doc->conditions().concreteTable;
    concrete.append(CConcreteRaw{"Fc24", 0, 0, 24});
    doc->setConcreteTable({{}, {}, std::move(concrete), true});
    PrintSettings s = doc->printSettings();
    s.blocksAcross = 3;
    s.outputUnitSystem = 0;
    s.printFont.height = fontHeightFromPoint(10);
    doc->setPrintSettings(s);
    EXPECT_FALSE(doc->isModified());  // print settings never mark the document
    doc->endProgram();
    EXPECT_EQ(p.profile.getString("Regist", "HSteelName", ""), "H形鋼自社.tbl");
    EXPECT_EQ(p.profile.getString("Regist", "BSteelName", ""), "角鋼管BCR.tbl");
    EXPECT_EQ(p.profile.getString("Regist", "ABoltName", ""), "切削並目JIS.tbl");
    EXPECT_EQ(p.profile.getInt("Print", "OutputColm", 0), 3);
    EXPECT_EQ(p.profile.getInt("Print", "SIUnitFlag", 1), 0);
    EXPECT_EQ(p.profile.getInt("Font", "FontPoint", 0), 10);
    EXPECT_TRUE(fileExists(p.dir.file(concreteFileName(1))));
    EXPECT_FALSE(doc->conditions().concreteModified);
    // The next start reads the settings back.
    auto next = std::make_unique<KestoDocument>(p.dir.folder(), p.profile);
    EXPECT_EQ(next->printSettings().blocksAcross, 3);
    EXPECT_EQ(next->printSettings().printFont.height, -13);
    EXPECT_EQ(next->conditions().concreteTable.size(), 1u);
}

TEST(Document, SectionEditorUnderANewFileName) {
    Program p;
    auto doc = p.start();
    auto hShapes = doc->sectionTable(KestoDocument::SectionTable::hShapes);
    hShapes.rows.append(defaultHSection());
    hShapes.fileName = "H形鋼新.tbl";
    hShapes.title = "新規";
    hShapes.modified = true;
    doc->setSectionTable(KestoDocument::SectionTable::hShapes, std::move(hShapes));
    EXPECT_FALSE(doc->isModified());  // the table goes to its file, not to the document
    doc->save(p.dir.file("h.kso"));
    EXPECT_EQ(parseDocument(readFile(p.dir.file("h.kso")), "h").conditions.hSteelTableName,
              "H形鋼新.tbl");
    doc->endProgram();
    EXPECT_EQ(p.profile.getString("Regist", "HSteelName", ""), "H形鋼新.tbl");
    EXPECT_TRUE(fileExists(p.dir.file("H形鋼新.tbl")));
    doc->setSteelGradeTable({{}, {}, doc->conditions().steelGradeTable, true});
    EXPECT_TRUE(doc->conditions().steelGradeModified);
    EXPECT_FALSE(doc->isModified());
}

TEST(Document, PrintingLeavesTheScreenConditionsAlone) {
    Program p;
    p.dir.writeCp932("計算方針1SI.txt", "SIの方針\n");
    p.dir.writeCp932("計算方針1.txt", "重力の方針\n");
    auto doc = p.start();
    PrintSettings s = doc->printSettings();
    s.outputUnitSystem = 0;
    doc->setPrintSettings(s);
    const Lines screen = doc->conditionLines();
    EXPECT_EQ(screen[0], "SIの方針 ");
    const std::string report = renderTextReport(*doc);
    EXPECT_TRUE(report.starts_with("重力の方針"));
    EXPECT_EQ(doc->conditionLines(), screen);
    EXPECT_EQ(doc->currentPageIndex(), 0);
}

TEST(TextReport, BlocksSideBySideAndNumbers) {
    Program p;
    auto doc = p.start();
    editCurrentPage(*doc, [](CKesto& k) { k.mark = "A"; });
    doc->insertPage();
    editCurrentPage(*doc, [](CKesto& k) { k.mark = "B"; });
    doc->insertPage();
    editCurrentPage(*doc, [](CKesto& k) { k.mark = "C"; });
    PrintSettings s = doc->printSettings();
    s.printPolicy = 0;
    s.printMessages = 0;
    s.blocksAcross = 2;
    s.firstPageNumber = 5;
    doc->setPrintSettings(s);
    const std::string report = renderTextReport(*doc);
    // Two sheets: A and B side by side (B without labels, from column 68), then C.
    EXPECT_TRUE(
        report.starts_with(" 符号" + std::string(15, ' ') + "A" + std::string(47, ' ') + "B\n"));
    const auto firstSheetEnd = report.find("\f\n");
    ASSERT_NE(firstSheetEnd, std::string::npos);
    EXPECT_EQ(report.find(" 符号               C"), firstSheetEnd + 2);
    // The number sits one line below the blocks, centred on the 116 columns of the sheet.
    const std::string numberLine = std::string((116 - 3) / 2, ' ') + "-5-\n\f\n";
    EXPECT_EQ(report.substr(firstSheetEnd + 2 - numberLine.size(), numberLine.size()), numberLine);
    EXPECT_NE(report.find("-6-"), std::string::npos);
    EXPECT_EQ(std::count(report.begin(), report.end(), '\f'), 2);
}

TEST(Document, MessageLineJump) {
    Program p;
    auto doc = p.start();
    editCurrentPage(*doc, [](CKesto& k) { k.mark = "C1"; });
    doc->insertPage();
    editCurrentPage(*doc, [](CKesto& k) { k.mark = "C2"; });
    EXPECT_EQ(doc->pageOfMessageLine("[C2]"), 1);
    EXPECT_EQ(doc->pageOfMessageLine("[C1] rest"), 0);
    EXPECT_EQ(doc->pageOfMessageLine("C1"), 0);  // no brackets: the whole line
    EXPECT_EQ(doc->pageOfMessageLine("  W：Ｘ方向 ..."), -1);
    EXPECT_EQ(doc->pageOfMessageLine("[C3]"), -1);
}

TEST(PrintSettingsStore, DefaultsAndRoundTrip) {
    IniProfile empty;
    const PrintSettings d = loadPrintSettings(empty);
    EXPECT_EQ(d.printFont.faceName, "ＭＳ 明朝");
    EXPECT_EQ(d.printFont.height, -16);  // 12 points
    EXPECT_EQ(d.printFont.weight, 400);
    EXPECT_EQ(d.linesPerSheet, 60);
    EXPECT_EQ(d.pageNumberOffsetY, 10);
    EXPECT_EQ(d.pageNumberFormat, "-%d-");
    EXPECT_EQ(d.outputUnitSystem, 1);
    IniProfile written;
    savePrintSettings(d, written);
    const std::string text = written.toText();
    for (const char* key :
         {"FontName=", "FontPoint=12", "FontWeight=400", "FontItalic=0", "IsDescript=1",
          "IsWarning=1", "IsPageNo=1", "OutputColm=1", "OutputRow=1", "LineMax=60", "TopWhite=15",
          "LeftWhite=15", "PageNo=1", "PagePosX=0", "PagePosY=10", "PageTB=1", "PageLCR=1",
          "PageFormat=-%d-", "SIUnitFlag=1"}) {
        EXPECT_NE(text.find(key), std::string::npos) << key;
    }
}

TEST(Document, UnitSwitchMarksOnlyAChange) {
    Program p;
    auto doc = p.start();
    editCurrentPage(*doc, [](CKesto& k) { k.basicStresses[0][0].n = 10; });
    doc->setModified(false);
    EXPECT_FALSE(doc->setUnitSystem(1));  // already SI
    EXPECT_FALSE(doc->isModified());
    EXPECT_TRUE(doc->setUnitSystem(0));
    EXPECT_TRUE(doc->isModified());
    doc->setModified(false);
    EXPECT_FALSE(doc->setUnitSystem(0));
    EXPECT_FALSE(doc->isModified());
    // No number changes.
    EXPECT_EQ(doc->currentPage()->basicStresses[0][0].n, 10);
    EXPECT_EQ(doc->conditionLines()[2], "  入力単位               重力単位");
    // A damaged table file of the new unit is reported and leaves the table as it was.
    writeFileAtomic(p.dir.file(concreteFileName(1)), std::string("\x05", 1));
    OwnedList<CConcreteRaw> concrete = doc->conditions().concreteTable;
    concrete.append(CConcreteRaw{"Fc210", 0, 0, 210});
    doc->setConcreteTable({{}, {}, std::move(concrete), false});
    EXPECT_TRUE(doc->setUnitSystem(1));
    EXPECT_EQ(doc->takeTableProblems().size(), 1u);
    EXPECT_EQ(doc->conditions().concreteTable.size(), 1u);
}

TEST(Document, InsertCopiesInputsButNotMarkOrForces) {
    Program p;
    auto doc = p.start();
    editCurrentPage(*doc, [](CKesto& first) {
        first.mark = "C1";
        first.plateB = 700;
        first.boltName = "M24";
        first.concreteShearCheck = 0;
        first.basicStresses[0][0].n = 50;
        first.ultimateQ[1][0] = 9;
    });
    doc->setModified(false);
    doc->insertPage();
    EXPECT_TRUE(doc->isModified());
    EXPECT_EQ(doc->pageCount(), 2);
    EXPECT_EQ(doc->currentPageIndex(), 1);
    EXPECT_EQ(doc->pageStatusText(), "2/2");
    const CKesto& second = *doc->currentPage();
    EXPECT_EQ(second.mark, "C");
    EXPECT_EQ(second.plateB, 700);
    EXPECT_EQ(second.boltName, "M24");
    EXPECT_EQ(second.concreteShearCheck, 1);
    EXPECT_EQ(second.basicStresses[0][0].n, 0);
    EXPECT_EQ(second.ultimateQ[1][0], 0);
    // Inserted directly after the current page.
    doc->goToPage(0);
    doc->insertPage();
    EXPECT_EQ(doc->currentPageIndex(), 1);
    EXPECT_EQ(doc->conditions().pages[0].mark, "C1");
    EXPECT_FALSE(doc->goToPage(3));
    EXPECT_EQ(doc->currentPageIndex(), 1);
}

TEST(Document, DeletingPages) {
    Program p;
    auto doc = p.start();
    editCurrentPage(*doc, [](CKesto& k) { k.mark = "A"; });
    doc->insertPage();
    editCurrentPage(*doc, [](CKesto& k) { k.mark = "B"; });
    doc->insertPage();
    editCurrentPage(*doc, [](CKesto& k) { k.mark = "C"; });
    // Deleting the first of three makes the former second current with index 0.
    doc->goToPage(0);
    EXPECT_TRUE(doc->deleteCurrentPage());
    EXPECT_EQ(doc->currentPageIndex(), 0);
    EXPECT_EQ(doc->currentPage()->mark, "B");
    doc->goToPage(1);
    EXPECT_TRUE(doc->deleteCurrentPage());
    EXPECT_EQ(doc->currentPage()->mark, "B");
    EXPECT_TRUE(doc->deleteCurrentPage());
    EXPECT_EQ(doc->currentPageIndex(), -1);
    EXPECT_EQ(doc->currentPage(), nullptr);
    EXPECT_EQ(doc->pageStatusText(), "0/0");
    EXPECT_TRUE(doc->pageCells().empty());
    EXPECT_FALSE(doc->deleteCurrentPage());
    EXPECT_FALSE(doc->calculateThisPage());
    // Inserting into the empty document makes the new page current with index 0.
    doc->insertPage();
    EXPECT_EQ(doc->currentPageIndex(), 0);
    EXPECT_EQ(doc->currentPage()->mark, "C");
}

TEST(Document, SwappingPagesFollowsTheMovedPage) {
    Program p;
    auto doc = p.start();
    editCurrentPage(*doc, [](CKesto& k) { k.mark = "A"; });
    doc->insertPage();
    editCurrentPage(*doc, [](CKesto& k) { k.mark = "B"; });
    doc->setModified(false);
    EXPECT_TRUE(doc->swapPages(1, 0));
    EXPECT_EQ(doc->currentPageIndex(), 0);
    EXPECT_EQ(doc->currentPage()->mark, "B");
    EXPECT_EQ(doc->conditions().pages[1].mark, "A");
    EXPECT_TRUE(doc->isModified());
    EXPECT_FALSE(doc->swapPages(1, 2));
}

TEST(Document, ReplacingAPageLaysItOutAgain) {
    Program p;
    auto doc = p.start();
    doc->insertPage();
    doc->setModified(false);
    CKesto edited = *doc->currentPage();
    edited.plateB = 700;
    EXPECT_TRUE(doc->replacePage(1, edited));
    EXPECT_EQ(doc->currentPage()->plateB, 700);
    const auto& cells = doc->pageCells();
    EXPECT_TRUE(std::any_of(cells.begin(), cells.end(), [](const DisplayCell& c) {
        return cellText(c) == "BPL-700x650x36";  // the plate's row names it
    }));
    EXPECT_TRUE(doc->isModified());
    EXPECT_FALSE(doc->replacePage(2, edited));
    EXPECT_FALSE(doc->replacePage(-1, edited));
    EXPECT_EQ(doc->pageCount(), 2);
}

TEST(Document, UnitConversion) {
    Program p;
    auto doc = p.start();
    editCurrentPage(*doc, [](CKesto& k) {
        k.concreteGrade = "Fc210";
        k.basicStresses[1][1].m = 2;
        k.ultimateN[0][1] = 10;
    });
    const CKesto& page = *doc->currentPage();
    doc->convertStresses(9.80665, true);
    EXPECT_EQ(page.concreteGrade, "Fc21");
    EXPECT_DOUBLE_EQ(page.basicStresses[1][1].m, 19.6133);
    EXPECT_DOUBLE_EQ(page.ultimateN[0][1], 98.0665);
    doc->setField({0, FieldRef::kConcreteGrade}, std::string("Fc210"));
    doc->convertStresses(1.0, false);
    EXPECT_EQ(page.concreteGrade, "Fc210");
    EXPECT_DOUBLE_EQ(page.ultimateN[0][1], 98.0665);
    // A document without pages still becomes modified.
    doc->deleteCurrentPage();
    doc->setModified(false);
    doc->convertStresses(2.0, true);
    EXPECT_TRUE(doc->isModified());
    EXPECT_EQ(shortenedConcreteName("Fc21"), "Fc21");
    EXPECT_EQ(shortenedConcreteName("普通Fc21"), "普通");
    EXPECT_EQ(shortenedConcreteName("ｺﾝｸﾘｰﾄ"), "ｺﾝｸﾘ");
}

TEST(Document, EditingCellsThroughTheirEditNumber) {
    Program p;
    auto doc = p.start();
    const DisplayCell* markCell = nullptr;
    const DisplayCell* firstNumber = nullptr;
    for (const auto& c : doc->pageCells()) {
        if (c.editOrder == 0) {
            markCell = &c;
        }
        if (firstNumber == nullptr && c.cellKind == kCellEditable && c.valueType == kValueDouble) {
            firstNumber = &c;
        }
    }
    ASSERT_NE(markCell, nullptr);
    ASSERT_NE(firstNumber, nullptr);
    // Editing rebuilds the cells, so the edit number is read before the first edit.
    const int order = firstNumber->editOrder;
    EXPECT_TRUE(doc->editCell(0, CellInput{std::string("C-12")}));
    EXPECT_EQ(doc->currentPage()->mark, "C-12");
    EXPECT_TRUE(doc->isModified());
    EXPECT_TRUE(doc->editCell(order, CellInput{99999.0}));
    EXPECT_FALSE(doc->editCell(order, CellInput{100000.0}));
    EXPECT_FALSE(doc->editCell(order, CellInput{std::nan("")}));
    EXPECT_EQ(doc->currentPage()->basicStresses[0][0].n, 99999.0);
    EXPECT_FALSE(doc->editCell(999, CellInput{1.0}));
}

TEST(Document, CalculatingCollectsMessagesAndWritesTheDetailFile) {
    Program p;
    auto doc = p.start();
    editConditions(*doc, [](CKestoCnt& c) { c.writeDetailFile = 1; });
    doc->save(p.dir.file("b.kso"));
    // The program folder holds no material table: every grade is missing.
    EXPECT_TRUE(doc->calculateThisPage());
    ASSERT_GE(doc->messageLines().size(), 2u);
    EXPECT_EQ(doc->messageLines()[0], "[C]");
    EXPECT_EQ(doc->messageLines()[1], "  E：柱材質SN400は未登録です");
    EXPECT_TRUE(doc->isModified());
    const auto csv = decodeCp932(readFile(p.dir.file("temp.csv")));
    ASSERT_TRUE(csv.has_value());
    EXPECT_TRUE(csv->starts_with(p.dir.file("b.kso") + "\r\n【基本条件】\r\n  入力単位"));
    doc->insertPage();
    EXPECT_TRUE(doc->calculateAllPages());
    EXPECT_EQ(std::count(doc->messageLines().begin(), doc->messageLines().end(), "[C]"), 2);
}

TEST(Document, StressImportAppliesWholeOrNotAtAllAndCanBeTakenBack) {
    Program p;
    auto doc = p.start();
    editCurrentPage(*doc, [](CKesto& k) { k.mark = "C1"; });
    doc->setModified(false);
    const OwnedList<CKesto> before = doc->conditions().pages;
    const auto refused =
        doc->importStressTable("mark,dir,case,N,M,Q\nC1,X,G,1,2,3\nC2,X,G,1,2,3\n", false);
    ASSERT_EQ(refused.problems.size(), 1u);
    EXPECT_TRUE(refused.problems[0].unknownMark);
    EXPECT_FALSE(doc->isModified());
    EXPECT_EQ(doc->conditions().pages, before);

    const auto applied =
        doc->importStressTable("mark,dir,case,N,M,Q\nC1,X,G,1,2,3\nC2,X,G,4,5,6\n", true);
    EXPECT_TRUE(applied.problems.empty());
    EXPECT_TRUE(doc->isModified());
    ASSERT_EQ(doc->pageCount(), 2);
    EXPECT_EQ(doc->conditions().pages[1].basicStresses[0][0], (CStress{"G", 5, 6, 4}));
    EXPECT_EQ(doc->stressTable().substr(3, 20), "mark,dir,case,N,M,Q\r");

    doc->goToPage(1);
    doc->setPages(before);
    EXPECT_EQ(doc->conditions().pages, before);
    EXPECT_EQ(doc->currentPageIndex(), 0);
}

}  // namespace
}  // namespace kesto

namespace kesto {
namespace {

TEST(DocumentTables, ADamagedTableFileIsReportedOnceByName) {
    Program p;
    writeFileAtomic(p.dir.file(concreteFileName(1)), std::string("\x05", 1));
    writeFileAtomic(p.dir.file("Ｈ形鋼JIS.tbl"), "CSteel");
    auto doc = p.start();
    const TableProblems first = doc->takeTableProblems();
    ASSERT_EQ(first.size(), 2u);  // the material table of the start and the section table
    EXPECT_EQ(first[0].rfind("表ファイル " + p.dir.file(concreteFileName(1)) + " は壊れて", 0), 0u)
        << first[0];
    EXPECT_NE(first[1].find("Ｈ形鋼JIS.tbl"), std::string::npos) << first[1];
    EXPECT_EQ(doc->conditions().hSteelTable.size(), 1u);  // goes on with the built-in row
    doc->onNewDocument(kNoon);
    EXPECT_TRUE(doc->takeTableProblems().empty());
}

TEST(DocumentTables, AnUnwrittenTableIsNamedAndWrittenOnRetry) {
    TempFolder dir;
    IniProfile profile;
    CKestoCnt cnt;
    cnt.concreteModified = true;
    cnt.hSteelModified = true;
    cnt.hSteelTable.append(defaultHSection());
    const std::string missing = dir.folder() + "gone/";
    const TableProblems problems = writeTablesAtProgramEnd(cnt, missing, 1, profile);
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(
        problems[0].rfind("表ファイル " + missing + "ConcRawSI.tbl に書き込めませんでした。", 0),
        0u)
        << problems[0];
    EXPECT_EQ(
        problems[1].rfind("表ファイル " + missing + "Ｈ形鋼JIS.tbl に書き込めませんでした。", 0),
        0u)
        << problems[1];
    EXPECT_TRUE(cnt.concreteModified);  // kept for the next try
    EXPECT_TRUE(cnt.hSteelModified);
    std::filesystem::create_directories(missing);
    EXPECT_TRUE(writeTablesAtProgramEnd(cnt, missing, 1, profile).empty());
    EXPECT_FALSE(cnt.concreteModified);
    EXPECT_FALSE(cnt.hSteelModified);
    OwnedList<CSteel> read;
    std::string comment;
    EXPECT_EQ(readSectionTable(missing + "Ｈ形鋼JIS.tbl", read, comment), 0);
    EXPECT_EQ(read, cnt.hSteelTable);
}

}  // namespace
}  // namespace kesto
