#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "cli_support.h"
#include "tables/table_files.h"

namespace kesto {
namespace {

using test::runCli;
using test::slurp;
using test::TempFolder;

const std::string kFolder = KESTO_PROGRAM_FOLDER;

void write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string quoted(const std::string& path) {
    return "'" + path + "'";
}

TEST(CliTables, ShippedTablesDumpAndImportByteForByte) {
    TempFolder t;
    for (const char* name : {"ConcRaw.tbl", "ConcRawSI.tbl", "鋼材材質.tbl", "鋼材材質SI.tbl",
                             "Ｈ形鋼JIS.tbl", "角鋼管BCR.tbl", "切削並目JIS.tbl"}) {
        const auto dump = runCli(t, "dump " + quoted(kFolder + name));
        ASSERT_EQ(dump.status, 0) << name << dump.err;
        write(t.file("t.json"), dump.out);
        const auto import = runCli(t, "import " + t.file("t.json") + " -o " + t.file("t.tbl"));
        ASSERT_EQ(import.status, 0) << name << import.err;
        EXPECT_EQ(slurp(t.file("t.tbl")), slurp(kFolder + name)) << name;
    }
}

TEST(CliTables, DumpRefusesDamagedTable) {
    TempFolder t;
    const std::string good = slurp(kFolder + "切削並目JIS.tbl");
    write(t.file("cut.tbl"), good.substr(0, good.size() - 1));
    const auto run = runCli(t, "dump " + t.file("cut.tbl"));
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("the file ends early"), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());
}

TEST(CliTables, ListsWhatIsInstalled) {
    TempFolder t;
    std::filesystem::copy_file(kFolder + "角鋼管BCR.tbl", t.file("角鋼管BCR.tbl"));
    write(t.file("extra.tbl"), slurp(kFolder + "ConcRaw.tbl"));
    auto run = runCli(t, "tables --program-folder " + t.folder());
    ASSERT_EQ(run.status, 0) << run.err;
    const auto list = nlohmann::json::parse(run.out);
    ASSERT_EQ(list.size(), 8u);  // two present, six standard files missing
    EXPECT_EQ(list[0]["file"], "extra.tbl");
    EXPECT_EQ(list[0]["kind"], "concreteTable");
    EXPECT_EQ(list[1]["file"], "角鋼管BCR.tbl");
    EXPECT_EQ(list[1]["role"], "square tubes, default");
    EXPECT_EQ(list[1]["rows"], 53);
    EXPECT_EQ(list[2]["file"], "ConcRaw.tbl");
    EXPECT_EQ(list[2]["installed"], false);

    write(t.file("broken.tbl"),
          "\x0B"
          "CSteel 1.00\x00\x09");
    run = runCli(t, "tables --program-folder " + t.folder());
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("\"error\""), std::string::npos);

    run = runCli(t, "tables --program-folder " + t.file("none"));
    EXPECT_EQ(run.status, 2);
}

TEST(CliTables, SectionProperties) {
    TempFolder t;
    auto run = runCli(t, "section h 200 100 5.5 8 11 --round");
    ASSERT_EQ(run.status, 0) << run.err;
    auto j = nlohmann::json::parse(run.out);
    EXPECT_EQ(j["name"], "H-200x100x5.5x8");
    EXPECT_EQ(j["area"], 27.16);
    EXPECT_EQ(j["radiusB"], 2.6);
    EXPECT_EQ(j["plasticModulusY"], 41.9);

    run = runCli(t, "section tube 200 200 6 15");
    ASSERT_EQ(run.status, 0) << run.err;
    j = nlohmann::json::parse(run.out);
    EXPECT_EQ(j["name"], "□-200x200x6.0");
    EXPECT_NEAR(j["area"].get<double>(), 45.324, 5e-4);
    EXPECT_NEAR(j["plasticModulusX"].get<double>(), 326.56, 5e-3);

    for (const char* args :
         {"section", "section h 200 100 5.5 8", "section tube 200 200 6 x", "section box 1 2 3 4",
          "section tube 200 200 -6 15", "section tube 200 200 6 15 --bogus"}) {
        run = runCli(t, args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_NE(run.err.find("usage:"), std::string::npos) << args;
    }
}

TEST(CliTables, MakeTableFromText) {
    TempFolder t;
    write(t.file("b.txt"), "@kind bolt\nM30 30 31.5 7.07 5.61\n");
    ASSERT_EQ(runCli(t, "maketable " + t.file("b.txt") + " -o " + t.file("b.tbl")).status, 0);
    EXPECT_EQ(parseBoltTable(slurp(t.file("b.tbl")), "b")->rows[0].threadArea, 5.61);
    write(t.file("bad.txt"), "@kind bolt\nM30 30\n");
    const auto run = runCli(t, "maketable " + t.file("bad.txt") + " -o " + t.file("c.tbl"));
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("bad.txt:2: expected 5 fields"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(t.file("c.tbl")));
}

}  // namespace
}  // namespace kesto
