#include "tables/table_json.h"

#include <gtest/gtest.h>

#include "base/archive.h"
#include "model/document_json.h"

namespace kesto {
namespace {

std::string sampleBytes(StoredFileKind kind) {
    switch (kind) {
        case StoredFileKind::sectionTable: {
            OwnedList<CSteel> rows;
            CSteel& r = rows.append();
            r.name = "H-1";
            r.shapeFlags = {1, 0, 0, 0, 0, 0, 255};
            r.depth = 0.1;
            r.plasticModulusY = 1e300;
            return serializeSectionTable(rows, "コメント\r\n2行目");
        }
        case StoredFileKind::boltTable: {
            OwnedList<CABolt> rows;
            rows.append(CABolt{"M30", 30, 31.5, 7.07, 4.95});
            return serializeBoltTable(rows, "");
        }
        case StoredFileKind::steelGradeTable: {
            OwnedList<CSteelRaw> rows;
            rows.append(CSteelRaw{"SN400", 0x82, 2.4, 2.2});
            return serializeSteelGradeTable(rows);
        }
        default: {
            OwnedList<CConcreteRaw> rows;
            CConcreteRaw& c = rows.append();
            c.name = "Fc21";
            c.concreteKind = 4;
            c.directInput = 1;
            c.fc = 21;
            c.bondRoundOther = {0.1, 1.0 / 3.0};
            return serializeConcreteTable(rows);
        }
    }
}

TEST(TableJson, EveryKindRoundTripsByteForByte) {
    for (const auto kind : {StoredFileKind::sectionTable, StoredFileKind::boltTable,
                            StoredFileKind::steelGradeTable, StoredFileKind::concreteTable}) {
        const std::string bytes = sampleBytes(kind);
        const auto j = tableFileToJson(bytes, "t", kind);
        EXPECT_EQ(j["kind"], tableKindName(kind));
        EXPECT_TRUE(isTableJson(nlohmann::json::parse(j.dump())));
        EXPECT_EQ(tableFileFromJson(nlohmann::json::parse(j.dump())), bytes) << j.dump();
    }
}

TEST(TableJson, Layout) {
    const auto j =
        tableFileToJson(sampleBytes(StoredFileKind::boltTable), "t", StoredFileKind::boltTable);
    EXPECT_EQ(j.dump(),
              R"({"kind":"boltTable","signature":"CABolt 1.01","comment":"","rows":[{"name":"M30",)"
              R"("shankDiameter":30.0,"holeDiameter":31.5,"shankArea":7.07,"threadArea":4.95}]})");
    const auto c = tableFileToJson(sampleBytes(StoredFileKind::concreteTable), "t",
                                   StoredFileKind::concreteTable);
    EXPECT_EQ(c["rows"][0]["bondRoundOther"].dump(), "[0.1,0.3333333333333333]");
    EXPECT_EQ(c["signature"], "");
}

TEST(TableJson, WrongKindOfFile) {
    EXPECT_THROW(tableFileToJson(sampleBytes(StoredFileKind::boltTable), "b.tbl",
                                 StoredFileKind::sectionTable),
                 FileFormatError);
    EXPECT_FALSE(isTableJson(nlohmann::json::parse(R"({"formatSignature":"Kesto 1.04"})")));
}

TEST(TableJson, ImportRefusesWithTheFieldNamed) {
    struct Case {
        const char* json;
        const char* message;
    };
    const Case cases[] = {
        {R"({"kind":"shelf"})", "kind: expected sectionTable, boltTable"},
        {R"({"kind":"boltTable","extra":1})", "table.extra: unknown field"},
        {R"({"kind":"boltTable","rows":{}})", "rows: expected an array"},
        {R"({"kind":"boltTable","rows":[1]})", "rows[0]: expected an object"},
        {R"({"kind":"boltTable","rows":[{"name":"M1","pitch":2}]})",
         "rows[0].pitch: unknown field"},
        {R"({"kind":"boltTable","rows":[{"name":3}]})", "rows[0].name: expected a string"},
        {R"({"kind":"sectionTable","rows":[{"shapeType":256}]})",
         "rows[0].shapeType: expected a whole number from 0 to 255"},
        {R"({"kind":"sectionTable","rows":[{"shapeFlags":[0,0]}]})",
         "rows[0].shapeFlags: expected an array of 7 values"},
        {R"({"kind":"concreteTable","rows":[{"shear":[1,"x"]}]})",
         "rows[0].shear[1]: expected a number"},
        {R"({"kind":"sectionTable","signature":"CABolt 1.01"})",
         "signature: expected the class word CSteel"},
        {R"({"kind":"steelGradeTable","comment":"x"})",
         "comment: this kind of table has no comment"},
        {R"({"kind":"boltTable","comment":"😀"})", "comment: the text has a character"},
    };
    for (const auto& c : cases) {
        try {
            tableFileFromJson(nlohmann::json::parse(c.json));
            ADD_FAILURE() << "accepted: " << c.json;
        } catch (const JsonInputError& e) {
            EXPECT_EQ(std::string(e.what()).rfind(c.message, 0), 0u) << e.what();
        }
    }
}

TEST(TableJson, MissingFieldsKeepNewRowValues) {
    const std::string bytes =
        tableFileFromJson(nlohmann::json::parse(R"({"kind":"steelGradeTable","rows":[{}]})"));
    const auto file = parseSteelGradeTable(bytes, "s");
    EXPECT_EQ(file.signature, "CSteelRaw 1.00");
    EXPECT_EQ(file.rows[0], CSteelRaw{});
}

}  // namespace
}  // namespace kesto
