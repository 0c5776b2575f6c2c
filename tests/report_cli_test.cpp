// kesto-cli report against kesto-cli calc --json on a calculated document.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <nlohmann/json.hpp>

#include "base/text_format.h"
#include "model/document_file.h"
#include "model/new_document.h"
#include "platform/files.h"
#include "report_test_support.h"
#include "tables/section_properties.h"
#include "tables/table_files.h"
#include "tables/table_store.h"

namespace kesto {
namespace {

int runCli(const std::string& arguments, const std::string& stdoutFile) {
    const std::string command =
        std::string("\"") + KESTO_CLI + "\" " + arguments + " > \"" + stdoutFile + "\" 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A program folder with the tables one SI page needs and the shipped policy texts.
void writeProgramFolder(const testing::TempFolder& dir) {
    OwnedList<CConcreteRaw> concrete;
    concrete.append(CConcreteRaw{"Fc21", 0, 0, 21});
    writeFileAtomic(dir.file("ConcRawSI.tbl"), serializeConcreteTable(concrete));
    OwnedList<CSteelRaw> steel;
    steel.append(CSteelRaw{"SN400", 0, 235, 215});
    writeFileAtomic(dir.file("鋼材材質SI.tbl"), serializeSteelGradeTable(steel));
    CSteel tube;
    tube.shapeType = 1;
    tube.depth = 350;
    tube.width = 350;
    tube.webThickness = 16;
    tube.filletRadius = 40;
    computeSectionProperties(tube, true);
    tube.name = makeSectionName(tube);
    OwnedList<CSteel> tubes;
    tubes.append(tube);
    writeFileAtomic(dir.file("角鋼管BCR.tbl"), serializeSectionTable(tubes, "test"));
    OwnedList<CABolt> bolts;
    bolts.append(defaultAnchorBolt());
    writeFileAtomic(dir.file("切削並目JIS.tbl"), serializeBoltTable(bolts, "test"));
    for (const char* name : {"計算方針1SI.txt", "計算方針1.txt"}) {
        writeFileAtomic(dir.file(name), readFile(std::string(KESTO_PROGRAM_FOLDER) + name));
    }
}

// Two pages of a gravity-free SI document, X route 1-2/2 and Y route 3.
std::string exampleDocument() {
    DocumentData d;
    installBuiltInDefaults(d.conditions);
    d.conditions.routeY = 2;
    d.buildingDate = "2026/12/08 09:00";
    for (const char* mark : {"C1", "C2"}) {
        CKesto page = makeNewPage(d.conditions, 1);
        page.mark = mark;
        for (int dir = 0; dir < 2; ++dir) {
            page.basicStresses[dir][0].n = 600;
            page.basicStresses[dir][1].m = mark[1] == '1' ? 150 : 400;
            page.basicStresses[dir][1].q = 120;
            page.ultimateN[dir][0] = 600;
            page.ultimateQ[dir][0] = 250;
            page.ultimateN[dir][1] = 500;
            page.ultimateQ[dir][1] = 260;
        }
        d.conditions.pages.append(page);
    }
    return serializeDocument(d);
}

// Every governing ratio and stress of the calculation appears in the report (a zero shows
// as "-"); every message line too.
void expectNumbersOfCalculation(const std::string& report, const nlohmann::json& calc) {
    int checked = 0;
    const auto expectShown = [&](double v) {
        if (std::fabs(v) < 1e-10) {
            return;
        }
        EXPECT_NE(report.find(strprintf("%7.3f", v)), std::string::npos) << v;
        ++checked;
    };
    for (const auto& page : calc["pages"]) {
        for (int dir = 0; dir < 2; ++dir) {
            for (int slot = 0; slot < 2; ++slot) {
                expectShown(page["allowable"]["ratioMax"][dir][slot]);
                expectShown(page["allowable"]["ratioShear"][dir][slot]);
            }
            expectShown(page["ultimateResults"][dir][42]);
        }
    }
    EXPECT_GE(checked, static_cast<int>(calc["pages"].size()) * 4);
    for (const auto& line : calc["messageLines"]) {
        EXPECT_NE(report.find(line.get<std::string>()), std::string::npos) << line;
    }
}

TEST(ReportCommand, NumbersMatchTheCalculation) {
    testing::TempFolder dir;
    writeProgramFolder(dir);
    writeFileAtomic(dir.file("doc.kso"), exampleDocument());
    const std::string folder = " --program-folder \"" + dir.folder() + "\"";
    runCli("calc \"" + dir.file("doc.kso") + "\" --json" + folder, dir.file("calc.json"));
    const auto calc = nlohmann::json::parse(readFile(dir.file("calc.json")));
    ASSERT_EQ(
        runCli("report \"" + dir.file("doc.kso") + "\" -o \"" + dir.file("r.txt") + "\"" + folder,
               dir.file("report.log")),
        0)
        << readFile(dir.file("report.log"));
    const std::string report = readFile(dir.file("r.txt"));

    // The conditions report comes first, the pages follow as blocks.
    EXPECT_TRUE(report.starts_with("【計算方針】"));
    EXPECT_NE(report.find("  設計ルート             Ｘ方向 ﾙｰﾄ1-2/2 Ｙ方向 ﾙｰﾄ3"),
              std::string::npos);
    EXPECT_NE(report.find(" 符号               C1"), std::string::npos);
    EXPECT_NE(report.find(" 符号               C2"), std::string::npos);
    // One sheet per page at one block per sheet; every sheet carries its number.
    EXPECT_NE(report.find("-1-"), std::string::npos);

    expectNumbersOfCalculation(report, calc);
    for (const auto& page : calc["pages"]) {
        EXPECT_TRUE(page["errorMessages"].empty()) << page.dump();
        // The concrete stresses are printed in N/mm2 with "%7.3f".
        const double sigma = page["allowable"]["sigmaC"][0][1];
        EXPECT_NE(report.find(strprintf("%7.3f", sigma)), std::string::npos) << sigma;
    }
}

// The examples shipped beside the program, each printed in its own unit.
TEST(ReportCommand, BundledExamplesMatchTheCalculation) {
    const std::string bin = KESTO_PROGRAM_FOLDER;
    for (const auto& [name, unit] : {std::pair{"example", "si"}, {"example-gravity", "gravity"}}) {
        SCOPED_TRACE(name);
        testing::TempFolder out;
        const std::string doc = bin + "examples/" + name + ".kso";
        runCli("calc \"" + doc + "\" --json --program-folder \"" + bin + "\"", out.file("c.json"));
        const auto calc = nlohmann::json::parse(readFile(out.file("c.json")));
        ASSERT_EQ(runCli("report \"" + doc + "\" -o \"" + out.file("r.txt") + "\" --output-unit " +
                             unit + " --program-folder \"" + bin + "\"",
                         out.file("log")),
                  0);
        const std::string report = readFile(out.file("r.txt"));
        expectNumbersOfCalculation(report, calc);
        for (const auto& page : calc["pages"]) {
            EXPECT_NE(report.find(" 符号               " + page["mark"].get<std::string>()),
                      std::string::npos);
        }
    }
}

TEST(ReportCommand, OutputUnitGravityConvertsForces) {
    testing::TempFolder dir;
    writeProgramFolder(dir);
    writeFileAtomic(dir.file("doc.kso"), exampleDocument());
    ASSERT_EQ(runCli("report \"" + dir.file("doc.kso") + "\" -o \"" + dir.file("g.txt") +
                         "\" --output-unit gravity --program-folder \"" + dir.folder() + "\"",
                     dir.file("log")),
              0);
    const std::string report = readFile(dir.file("g.txt"));
    // 600 kN prints as 600 / 9.80665 = 61.18 t; the input unit line still reads SI.
    EXPECT_NE(report.find("  61.18"), std::string::npos);
    EXPECT_NE(report.find("  入力単位               ＳＩ単位"), std::string::npos);
    // The gravity policy text is printed.
    EXPECT_NE(report.find("力 t、"), std::string::npos);
    EXPECT_EQ(runCli("report \"" + dir.file("doc.kso") + "\" -o x --output-unit kg", dir.file("l")),
              2);
}

}  // namespace
}  // namespace kesto
