#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cli_support.h"
#include "model/document_file.h"

namespace kesto {
namespace {

using test::runCli;
using test::slurp;
using test::TempFolder;

void write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

TEST(CliDocument, NewDumpImportGivesBackTheSameFile) {
    TempFolder t;
    ASSERT_EQ(runCli(t, "new " + t.file("a.kso")).status, 0);
    const DocumentData doc = parseDocument(slurp(t.file("a.kso")), "a.kso");
    EXPECT_EQ(doc.unitSystem, 1);
    ASSERT_EQ(doc.conditions.pages.size(), 1u);
    EXPECT_EQ(doc.conditions.pages[0].concreteGrade, "Fc21");
    EXPECT_EQ(doc.conditions.pages[0].basicStresses[1].size(), 2u);
    EXPECT_EQ(doc.conditions.shortTermCombos.size(), 2u);

    const auto dump = runCli(t, "dump " + t.file("a.kso"));
    ASSERT_EQ(dump.status, 0) << dump.err;
    EXPECT_NE(dump.out.find("\"mark\": \"C\""), std::string::npos);
    write(t.file("a.json"), dump.out);
    ASSERT_EQ(runCli(t, "import " + t.file("a.json") + " -o " + t.file("b.kso")).status, 0);
    EXPECT_EQ(slurp(t.file("b.kso")), slurp(t.file("a.kso")));
}

TEST(CliDocument, UsageErrorsExitWithStatusTwo) {
    TempFolder t;
    for (const char* args : {"", "frobnicate", "dump", "import x.json", "new a b", "dump --zz x"}) {
        const auto run = runCli(t, args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_NE(run.err.find("usage"), std::string::npos) << args;
    }
    EXPECT_EQ(runCli(t, "--help").status, 0);
}

TEST(CliDocument, BadInputWritesNothing) {
    TempFolder t;
    write(t.file("bad.json"), R"({"pages": [{"plateB": "wide"}]})");
    auto run = runCli(t, "import " + t.file("bad.json") + " -o " + t.file("out.kso"));
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("pages[0].plateB: expected a number"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(t.file("out.kso")));

    write(t.file("broken.json"), "{\"pages\": [");
    run = runCli(t, "import " + t.file("broken.json") + " -o " + t.file("out.kso"));
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("not valid JSON"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(t.file("out.kso")));

    write(t.file("cut.kso"), std::string("\x0A"
                                         "Kesto 1.04\x05"
                                         "ab",
                                         14));
    run = runCli(t, "dump " + t.file("cut.kso"));
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("cut.kso: byte offset 11: expected string buildingName"),
              std::string::npos)
        << run.err;
    EXPECT_TRUE(run.out.empty());

    write(t.file("other.kso"), std::string("\x05Other", 6));
    run = runCli(t, "dump " + t.file("other.kso"));
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("Kestoのデータではありません。"), std::string::npos);

    run = runCli(t, "dump " + t.file("missing.kso"));
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("missing.kso"), std::string::npos);
}

TEST(CliDocument, SavingReplacesTheTargetOnlyWhenComplete) {
    TempFolder t;
    ASSERT_EQ(runCli(t, "new " + t.file("a.kso")).status, 0);
    const std::string before = slurp(t.file("a.kso"));
    // A text that cannot be stored makes the save fail; the old file stays as it was.
    write(t.file("bad.json"), R"({"buildingName": "한국"})");
    EXPECT_EQ(runCli(t, "import " + t.file("bad.json") + " -o " + t.file("a.kso")).status, 2);
    EXPECT_EQ(slurp(t.file("a.kso")), before);
    EXPECT_FALSE(std::filesystem::exists(t.file("a.kso.saving~")));
}

// Every kind of JSON error names the file and the place, and quotes at most a short excerpt.
TEST(CliDocument, JsonErrorsNameTheFileAndPlaceBriefly) {
    TempFolder t;
    write(t.file("big.json"), "{\"pages\": [\n  {\"plateB\": 1e400}]}");
    auto run = runCli(t, "import " + t.file("big.json") + " -o " + t.file("out.kso"));
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "kesto-cli import: " + t.file("big.json") +
                           ": line 2, column 14: not valid JSON: a number too large for a double "
                           "at \"1e400}]}\"\n");

    write(t.file("long.json"),
          "{\"pages\": [{\"plateB\": " + std::string(5'000'000, '7') + "e400}]}");
    run = runCli(t, "import " + t.file("long.json") + " -o " + t.file("out.kso"));
    EXPECT_EQ(run.status, 2);
    EXPECT_LT(run.err.size(), 200u + t.file("long.json").size()) << run.err.substr(0, 300);
    EXPECT_NE(run.err.find(t.file("long.json") + ": line 1, column 23: "), std::string::npos);

    write(t.file("key.json"), "{\"pages\": [{\"" + std::string(100'000, 'k') + "\": 1}]}");
    run = runCli(t, "import " + t.file("key.json") + " -o " + t.file("out.kso"));
    EXPECT_EQ(run.status, 2);
    EXPECT_LT(run.err.size(), 200u + t.file("key.json").size()) << run.err.substr(0, 300);
    EXPECT_NE(run.err.find(t.file("key.json") + ": pages[0].kkkk"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(t.file("out.kso")));
}

}  // namespace
}  // namespace kesto
