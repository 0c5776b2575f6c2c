// The bundled example documents calculated through kesto-cli as the program opens them, checked
// against reviewed results of the allowable-stress design and against values worked by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>

#include "cli_support.h"
#include "platform/files.h"

namespace kesto {
namespace {

using test::runCli;
using test::TempFolder;

nlohmann::json calculate(const TempFolder& temp, const std::string& document) {
    const std::string folder = KESTO_PROGRAM_FOLDER;
    const auto run = runCli(temp, "calc '" + folder + "examples/" + document +
                                      "' --json --program-folder '" + folder + "'");
    EXPECT_EQ(run.status, 1) << run.err;  // the examples carry NG pages on purpose
    return nlohmann::json::parse(run.out);
}

// Numbers equal to 1e-12 relative, everything else exactly.
void expectSame(const nlohmann::json& actual, const nlohmann::json& expected,
                const std::string& where) {
    if (expected.is_number_float()) {
        const double e = expected.get<double>();
        EXPECT_NEAR(actual.get<double>(), e, 1e-12 * std::max(1.0, std::fabs(e))) << where;
    } else if (expected.is_array()) {
        ASSERT_EQ(actual.size(), expected.size()) << where;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            expectSame(actual[i], expected[i], where + "[" + std::to_string(i) + "]");
        }
    } else if (expected.is_object()) {
        for (const auto& [key, value] : expected.items()) {
            expectSame(actual[key], value, where + "." + key);
        }
    } else {
        EXPECT_EQ(actual, expected) << where;
    }
}

void compareWithReviewed(const nlohmann::json& result, const std::string& reviewedFile) {
    const auto reviewed =
        nlohmann::json::parse(readFile(std::string(KESTO_TEST_DATA_DIR) + "/" + reviewedFile));
    EXPECT_EQ(result["unitSystem"], reviewed["unitSystem"]);
    ASSERT_EQ(result["pages"].size(), reviewed["pages"].size());
    for (std::size_t i = 0; i < reviewed["pages"].size(); ++i) {
        const auto& page = result["pages"][i];
        const auto& expected = reviewed["pages"][i];
        const std::string where = expected["mark"].get<std::string>();
        EXPECT_EQ(page["mark"], expected["mark"]);
        EXPECT_EQ(page["errorMessages"], expected["errorMessages"]) << where;
        nlohmann::json allowableMessages = nlohmann::json::array();
        for (const auto& m : page["ngMessages"]) {
            if (m.get<std::string>().find("許容") != std::string::npos) {
                allowableMessages.push_back(m);
            }
        }
        EXPECT_EQ(allowableMessages, expected["allowableNgMessages"]) << where;
        expectSame(page["comboResults"], expected["comboResults"], where + ".comboResults");
        expectSame(page["allowable"], expected["allowable"], where + ".allowable");
    }
}

TEST(ExampleDocument, SiExampleAllowableStressDesign) {
    TempFolder temp;
    const auto result = calculate(temp, "example.kso");
    compareWithReviewed(result, "example_allowable.json");
    // C2, X, short term G+K: N = 840 kN, M = 265 kN·m on 70 x 70 cm, dt = 8, at = 3 x 8.55.
    // e = 31.548 cm; the cubic gives xn = 39.1478 cm and sigma = 733.25 N/cm2 (7.3325 N/mm2,
    // 7.3325/16 = 0.45828). Ribs: triangle 18.5 x 18.5 plus rectangle 17.5 x 16.5 carry
    // Qr = 270.116 kN; tau = Qr/(16 x 1.2) = 14.0685 kN/cm2 against fs = 23.5/(1.5 sqrt 3)
    // x 1.5 = 13.5677: 1.03691; welds S = 9 mm: Lw/2h' = 1.04639.
    const auto& c2 = result["pages"][1]["allowable"];
    EXPECT_NEAR(c2["sigmaC"][0][1].get<double>(), 7.332524332242472, 1e-6);
    EXPECT_NEAR(c2["ratioConcrete"][0][1].get<double>(), 0.4582827707651545, 1e-7);
    EXPECT_NEAR(c2["ribTau"][0][1].get<double>(), 140.68516448348055, 1e-5);
    EXPECT_NEAR(c2["ribFs"][0][1].get<double>(), 135.67731325956206, 1e-9);
    EXPECT_NEAR(c2["ratioRibShear"][0][1].get<double>(), 1.0369100117300971, 1e-7);
    EXPECT_NEAR(c2["ratioRibWeld"][0][1].get<double>(), 1.0463929478197134, 1e-7);
    EXPECT_EQ(c2["allowJudgement"][0][1], 2);
}

TEST(ExampleDocument, GravityExampleAllowableStressDesign) {
    TempFolder temp;
    const auto result = calculate(temp, "example-gravity.kso");
    compareWithReviewed(result, "example_gravity_allowable.json");
    // C1, X, long term G: N = 42.8 t, M = 1.2 t·m: e = 2.8037 cm <= 65/6;
    // sigma = 42800/4225 x (1 + 6 x 2.8037/65) = 12.7519 kg/cm2 against 210/3 = 70.
    // Two-edge panel 15.8 x 15.8: 0.29 x 12.7519 x 15.8^2/1000 = 0.92318 t·cm/cm against
    // Ma = 3.6^2/6 x 3.3/1.3 = 5.48308. Friction 0.4 x 42.8 = 17.12 t against 0.6 t.
    const auto& c1 = result["pages"][0]["allowable"];
    EXPECT_NEAR(c1["sigmaC"][0][0].get<double>(), 12.751934456076468, 1e-12);
    EXPECT_NEAR(c1["allowFc"][0][0].get<double>(), 70, 1e-12);
    EXPECT_NEAR(c1["plateMb"][0][0].get<double>(), 0.9231839461083295, 1e-12);
    EXPECT_NEAR(c1["plateMa"][0][0].get<double>(), 5.483076923076923, 1e-12);
    EXPECT_NEAR(c1["shearQa"][0][0].get<double>(), 17.12, 1e-12);
    EXPECT_NEAR(c1["ratioShear"][0][0].get<double>(), 0.6 / 17.12, 1e-12);
}

}  // namespace
}  // namespace kesto
