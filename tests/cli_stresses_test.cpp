// The batch tool's stress table commands and the results table of calc.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "base/csv.h"
#include "base/text_format.h"
#include "cli_support.h"

namespace kesto {
namespace {

using test::exampleDocuments;
using test::runCli;
using test::slurp;
using test::TempFolder;

TEST(StressesCommand, ExportThenImportIsTheSameDocument) {
    TempFolder temp;
    const std::string doc = exampleDocuments().front();
    const std::string table = temp.file("forces.csv");
    const std::string out = temp.file("out.kso");
    const auto exported = runCli(temp, "stresses export '" + doc + "' -o '" + table + "'");
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(runCli(temp, "stresses export '" + doc + "'").out, slurp(table));
    const auto imported =
        runCli(temp, "stresses import '" + doc + "' '" + table + "' -o '" + out + "'");
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_TRUE(slurp(out) == slurp(doc));
}

TEST(StressesCommand, RefusalWritesNothingAndNamesTheLines) {
    TempFolder temp;
    const std::string doc = exampleDocuments().front();
    const std::string table = temp.file("forces.csv");
    const std::string out = temp.file("out.kso");
    writeFileAtomic(table, "mark,dir,case,N,M,Q\nNOPE,X,G,1,2,3\nNOPE,X,G,1,2,3\n");
    const auto run = runCli(temp, "stresses import '" + doc + "' '" + table + "' -o '" + out + "'");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, table + ":2: 符号「NOPE」のページがありません\n" + table +
                           ":3: 符号「NOPE」のページがありません\nnothing imported: 2 problems\n");
    EXPECT_FALSE(fileExists(out));
    EXPECT_EQ(runCli(temp, "stresses import '" + doc + "' -o '" + out + "'").status, 2);
    EXPECT_EQ(runCli(temp, "stresses export '" + doc + "' --create").status, 2);
}

TEST(CalcCsv, AgreesWithTheJsonOnEveryExamplePage) {
    TempFolder temp;
    const std::string folder = KESTO_PROGRAM_FOLDER;
    for (const std::string& doc : exampleDocuments()) {
        const std::string args = "calc '" + doc + "' --program-folder '" + folder + "'";
        const auto json = runCli(temp, args + " --json");
        const auto csv = runCli(temp, args + " --csv");
        EXPECT_EQ(csv.status, json.status) << doc;
        const auto result = nlohmann::json::parse(json.out);
        ASSERT_TRUE(csv.out.starts_with(kUtf8Bom));
        const CsvTable table = parseCsv(csv.out.substr(kUtf8Bom.size()));
        ASSERT_EQ(table.records.size(), result["pages"].size() + 1) << doc;
        EXPECT_EQ(table.records[0].fields.size(), 15u);
        for (std::size_t i = 0; i < result["pages"].size(); ++i) {
            const auto& page = result["pages"][i];
            const auto& fields = table.records[i + 1].fields;
            ASSERT_EQ(fields.size(), 15u);
            EXPECT_EQ(fields[0], page["mark"]);
            for (int dir = 0; dir < 2; ++dir) {
                const auto& allowable = page["allowable"];
                for (int slot = 0; slot < 2; ++slot) {
                    EXPECT_EQ(fields[2 + dir * 6 + slot * 2],
                              strprintf("%.3f", allowable["ratioMax"][dir][slot].get<double>()));
                    const int j = allowable["allowJudgement"][dir][slot];
                    EXPECT_EQ(fields[3 + dir * 6 + slot * 2], j == 0 ? "-" : j == 1 ? "OK" : "NG");
                }
                EXPECT_EQ(fields[6 + dir * 6],
                          strprintf("%.3f", page["ultimateResults"][dir][42].get<double>()));
                const int u = page["ultimateJudgement"][dir];
                EXPECT_EQ(fields[7 + dir * 6], u == 0 ? "-" : u == 1 ? "OK" : "NG");
            }
            EXPECT_EQ(fields[14],
                      std::to_string(page["errorMessages"].size() + page["ngMessages"].size()));
        }
    }
}

}  // namespace
}  // namespace kesto
