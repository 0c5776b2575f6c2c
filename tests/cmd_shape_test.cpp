#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli_document.h"

namespace kesto {
namespace {

using test::runCli;
using Json = nlohmann::json;

// Page C1 passes; C2 has a single Y bolt line, whose centre gauge then fails; C3 names no
// section; C4 is an H-shape with wing plates, normalised and passing.
class ShapeCommands : public test::CliDocument {
  protected:
    void SetUp() override {
        auto& pages = doc.conditions.pages;
        pages[0].mark = "C1";
        pages.append(pages[0]).mark = "C2";
        pages[1].boltCountY = 1;
        pages.append(pages[0]).mark = "C3";
        pages[2].columnSection = "-";
        CKesto& h = pages.append(pages[0]);
        h.mark = "C4";
        testing::useHShape(h);
        h.boltCountY = 3;
        h.ribGaugeY = 225;
    }
    Json run(const std::string& name, const std::string& rest, int status) {
        const auto r = runCli(folder, command(name, rest));
        EXPECT_EQ(r.status, status) << r.err;
        return status == 2 ? Json() : Json::parse(r.out);
    }
};

TEST_F(ShapeCommands, ValidateReportsTheFirstFailureAndTheNormalisedFields) {
    const std::string before = save();
    const Json out = run("validate", "", 1);
    const Json expected = R"({"pages": [
        {"mark": "C1", "message": null, "normalised": {}},
        {"mark": "C2", "message": "アンカーボルトのゲージが異常です",
         "normalised": {"boltGaugeX": 325.0}},
        {"mark": "C3", "message": "柱鋼材を選択して下さい", "normalised": {}},
        {"mark": "C4", "message": null,
         "normalised": {"boltCountY": 0, "ribCountY": 2, "ribGaugeX": 131.5}}]})"_json;
    EXPECT_EQ(out, expected);
    EXPECT_EQ(test::slurp(folder.file("doc.kso")), test::slurp(before));
    for (int i = 0; i < 3; ++i) {
        doc.conditions.pages.erase(1);
    }
    run("validate", "", 0);
}

TEST_F(ShapeCommands, StiffnessShowsTheDialogTexts) {
    Json out = run("stiffness", "--page C4", 0);
    ASSERT_EQ(out["pages"].size(), 1u);
    const Json& h = out["pages"][0];
    EXPECT_EQ(h["message"], nullptr);
    EXPECT_EQ(h["psi"], "ψ =  9.425 cm");
    EXPECT_EQ(h["nt"], "nt = 3");
    EXPECT_EQ(h["dc"], "dc =  200.0 mm");
    EXPECT_EQ(h["E"], "E  = 2100000 kg/cm2");

    out = run("stiffness", "--page C1 --lb 0", 0);
    EXPECT_EQ(out["pages"][0]["message"], "アンカーボルト長さが０です。");
    EXPECT_EQ(out["pages"][0]["Kbs"], nullptr);
    EXPECT_EQ(out["pages"][0]["nlb"].get<std::string>().back(), 'm');

    doc.conditions.pages[1].boltSteelGrade = "XX";
    out = run("stiffness", "", 0);
    EXPECT_EQ(out["pages"].size(), 4u);
    EXPECT_EQ(out["pages"][1]["message"], "アンカーボルト材質が異常です。");
    EXPECT_EQ(out["pages"][1]["psi"], nullptr);
    EXPECT_EQ(out["pages"][2]["Kbs"], nullptr);  // no section: the stiffness stays empty

    run("stiffness", "--page C9", 2);
    run("stiffness", "--lb abc", 2);
}

TEST_F(ShapeCommands, UnreadableDocumentsAreRefused) {
    const std::string bad = folder.file("bad.kso");
    writeFileAtomic(bad, std::string("Kesto 1.04\0\xff", 13));
    for (const char* name : {"validate", "stiffness"}) {
        const auto r = runCli(folder, std::string(name) + " '" + bad + "'");
        EXPECT_EQ(r.status, 2) << name;
        EXPECT_TRUE(r.out.empty());
        EXPECT_FALSE(r.err.empty());
    }
}

}  // namespace
}  // namespace kesto
