#include <gtest/gtest.h>

#include <sstream>

#include "model/document_json.h"
#include "model/new_document.h"

namespace kesto {
namespace {

DocumentData sample() {
    DocumentData doc;
    installBuiltInDefaults(doc.conditions);
    doc.buildingName = "事務所";
    doc.buildingDate = "2026/12/08";
    CKesto& p = doc.conditions.pages.append(makeNewPage(doc.conditions, 1));
    p.ultimateN = {{{1.5, -2.25}, {0.1, 1e-300}}};
    p.basicStresses[0][1] = CStress{"K", 0.1, 0.2, 0.3};
    return doc;
}

TEST(DocumentJson, ExportNamesEveryFieldAndRoundTripsExactly) {
    const DocumentData doc = sample();
    const auto j = documentToJson(doc);
    EXPECT_EQ(j["conditions"]["stressNames"][0]["label"], "G:常時");
    EXPECT_EQ(j["conditions"]["shortTermCombos"], nlohmann::json::parse(R"(["G+K","G-K"])"));
    EXPECT_EQ(j["pages"][0]["columnSection"], "□-350x350x16.0");
    EXPECT_EQ(j["pages"][0]["ultimateN"][0][1], -2.25);
    EXPECT_EQ(j["pages"][0]["basicStresses"][0][1]["n"], 0.3);
    EXPECT_EQ(j["pages"][0].size(), 37u);  // 36 inputs and the basic stresses
    EXPECT_EQ(j["conditions"].size(), 32u);

    // Through text and back: every double reads back to the same value.
    const auto parsed = nlohmann::json::parse(j.dump());
    const DocumentData back = documentFromJson(parsed);
    EXPECT_EQ(serializeDocument(back), serializeDocument(doc));
}

// The dump is written page by page, with the very bytes of the whole tree's layout.
TEST(DocumentJson, StreamedDumpIsTheTreeDumpByteForByte) {
    DocumentData doc = sample();
    for (std::size_t pages : {0u, 1u, 3u}) {
        doc.conditions.pages.clear();
        for (std::size_t i = 0; i < pages; ++i) {
            doc.conditions.pages.append(makeNewPage(doc.conditions, 1)).mark =
                "C\n" + std::to_string(i);
        }
        std::ostringstream out;
        writeDocumentJson(doc, out);
        EXPECT_EQ(out.str(), documentToJson(doc).dump(2)) << pages;
    }
}

TEST(DocumentJson, LeftOutFieldsTakeTheDefaultsOfANewRecord) {
    const auto j = nlohmann::json::parse(R"({"pages": [{"mark": "C9", "plateT": 40}]})");
    const DocumentData doc = documentFromJson(j);
    ASSERT_EQ(doc.conditions.pages.size(), 1u);
    const CKesto& p = doc.conditions.pages[0];
    EXPECT_EQ(p.mark, "C9");
    EXPECT_EQ(p.plateT, 40);
    EXPECT_EQ(p.plateB, 650);
    EXPECT_EQ(p.concreteGrade, "Fc210");
    EXPECT_EQ(doc.unitSystem, 1);
    EXPECT_EQ(doc.conditions.gammaStressName, "K");
}

TEST(DocumentJson, RefusesUnknownFieldsAndWrongTypesByName) {
    struct Row {
        const char* json;
        const char* message;
    };
    const Row rows[] = {
        {R"({"colour": 1})", "document.colour: unknown field"},
        {R"({"unitSystem": 2})", "unitSystem: expected a whole number from 0 to 1"},
        {R"({"conditions": {"routeX": "1"}})",
         "conditions.routeX: expected a whole number from 0 to 2"},
        {R"({"conditions": {"routeY": 3}})",
         "conditions.routeY: expected a whole number from 0 to 2"},
        {R"({"conditions": {"gammaX": true}})", "conditions.gammaX: expected a number"},
        {R"({"conditions": {"shortTermCombos": ["G", 3]}})",
         "conditions.shortTermCombos[1]: expected a string"},
        {R"({"conditions": {"stressNames": [{"label": "G", "f": 1}]}})",
         "conditions.stressNames[0].f: unknown field"},
        {R"({"pages": [{}, {"boltCountX": -1}]})",
         "pages[1].boltCountX: expected a whole number from 0 to 65535"},
        {R"({"pages": [{"ultimateM": [[1, 2], [3]]}]})",
         "pages[0].ultimateM[1]: expected an array of two numbers"},
        {R"({"pages": [{"basicStresses": [[{"name": "G", "x": 1}], []]}]})",
         "pages[0].basicStresses[0][0].x: unknown field"},
        {R"({"pages": [{"mark": "😀"}]})",
         "pages[0].mark: the text has a character that code page 932 cannot hold"},
        {R"({"formatSignature": "Other 1.04"})",
         "formatSignature: expected a Kesto signature such as \"Kesto 1.04\""},
        {R"([1, 2])", "document: expected an object"},
    };
    for (const auto& row : rows) {
        try {
            documentFromJson(nlohmann::json::parse(row.json));
            ADD_FAILURE() << row.json;
        } catch (const JsonInputError& e) {
            EXPECT_STREQ(e.what(), row.message) << row.json;
        }
    }
}

}  // namespace
}  // namespace kesto
