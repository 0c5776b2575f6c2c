#include "tables/table_files.h"

#include <gtest/gtest.h>

#include <random>

#include "base/archive.h"
#include "report_test_support.h"
#include "table_test_support.h"

namespace kesto {
namespace {

using testing::Bytes;
using testing::TempFolder;

CSteel sampleH() {
    CSteel r;
    r.name = "H-200x100x5.5x8";
    r.shapeType = 0;
    r.shapeFlags = {0, 1, 0, 0, 0, 0, 9};
    r.depth = 200;
    r.width = 100;
    r.webThickness = 5.5;
    r.flangeThickness = 8;
    r.filletRadius = 11;
    r.reservedDim = 0.5;
    double v = 1.25;
    for (double* p :
         {&r.area, &r.shearAreaX, &r.shearAreaY, &r.inertiaX, &r.inertiaY, &r.radiusX, &r.radiusY,
          &r.radiusB, &r.modulusX, &r.modulusY, &r.plasticModulusX, &r.plasticModulusY}) {
        *p = v;
        v += 1.0;
    }
    return r;
}

CSteel sampleTube() {
    CSteel r;
    r.name = "□-200x200x6.0";
    r.shapeType = 1;
    r.depth = 200;
    r.width = 200;
    r.webThickness = 6;
    r.filletRadius = 15;
    r.area = 45.32;
    return r;
}

void steelFields(Bytes& b, const CSteel& r) {
    b.str(r.name).u8(r.shapeType);
    for (auto f : r.shapeFlags) {
        b.u8(f);
    }
    for (double v :
         {r.depth, r.width, r.webThickness, r.flangeThickness, r.filletRadius, r.reservedDim,
          r.area, r.shearAreaX, r.shearAreaY, r.inertiaX, r.inertiaY, r.radiusX, r.radiusY,
          r.radiusB, r.modulusX, r.modulusY, r.plasticModulusX, r.plasticModulusY}) {
        b.real(v);
    }
}

std::string sectionBytes(const std::string& signature, const std::string& comment) {
    Bytes b;
    b.str(signature).str(comment).u16(2).newClass("CSteel");
    steelFields(b, sampleH());
    b.u16(0x8001);
    steelFields(b, sampleTube());
    return b.str();
}

const CABolt kM30{"M30", 30, 31.5, 7.07, 4.95};
const CABolt kM24{"M24", 24, 25.5, 4.52, 3.53};

void boltFields(Bytes& b, const CABolt& r) {
    b.str(r.name).real(r.shankDiameter).real(r.holeDiameter).real(r.shankArea).real(r.threadArea);
}

OwnedList<CSteel> sectionRows() {
    OwnedList<CSteel> rows;
    rows.append(sampleH());
    rows.append(sampleTube());
    return rows;
}

TEST(SectionTableFile, LayoutByteForByte) {
    const std::string expected = sectionBytes("CSteel 1.00", "");
    EXPECT_EQ(serializeSectionTable(sectionRows(), ""), expected);
    // Start of the file: 0B "CSteel 1.00", 00, 02 00, FF FF 00 00 06 00 "CSteel".
    EXPECT_EQ(expected.substr(0, 25), std::string("\x0B"
                                                  "CSteel 1.00"
                                                  "\x00"
                                                  "\x02\x00"
                                                  "\xFF\xFF\x00\x00\x06\x00"
                                                  "CSteel",
                                                  25));

    const auto file = parseSectionTable(expected, "t");
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(file->signature, "CSteel 1.00");
    EXPECT_EQ(file->comment, "");
    EXPECT_EQ(file->rows, sectionRows());
}

TEST(SectionTableFile, CommentInCodePage932) {
    const std::string bytes = serializeSectionTable(sectionRows(), "標準Ｈ形鋼");
    EXPECT_EQ(bytes, sectionBytes("CSteel 1.00", "標準Ｈ形鋼"));
    EXPECT_EQ(parseSectionTable(bytes, "t")->comment, "標準Ｈ形鋼");
}

TEST(SectionTableFile, SignatureRules) {
    struct Case {
        const char* signature;
        bool accepted;
    };
    const Case cases[] = {
        {"CSteel 1.00", true},     {"CSteel 2.50", true},  {"CSteel x", true},
        {"CSteel ", true},         {"CSteel", false},      {" CSteel 1.00", false},
        {"CSteel1.00", false},     {"csteel 1.00", false}, {"CABolt 1.01", false},
        {"CSteelRaw 1.00", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseSectionTable(sectionBytes(c.signature, ""), "t").has_value(), c.accepted)
            << c.signature;
    }
}

TEST(SectionTableFile, EmptyTableIsCountZero) {
    const std::string bytes = serializeSectionTable({}, "");
    EXPECT_EQ(bytes, Bytes().str("CSteel 1.00").str("").u16(0).str());
    TempFolder dir;
    writeFileAtomic(dir.file("e.tbl"), bytes);
    OwnedList<CSteel> table = sectionRows();
    std::string comment = "old";
    EXPECT_EQ(readSectionTable(dir.file("e.tbl"), table, comment), 0);
    EXPECT_TRUE(table.empty());
    EXPECT_EQ(comment, "");
}

TEST(SectionTableFile, ReadAndWriteStatuses) {
    TempFolder dir;
    OwnedList<CSteel> table;
    table.append(sampleTube());
    std::string comment = "kept";
    // Missing file and wrong class word: status 1, table and comment unchanged.
    EXPECT_EQ(readSectionTable(dir.file("none.tbl"), table, comment), 1);
    writeFileAtomic(dir.file("bolt.tbl"), serializeBoltTable({}, "x"));
    EXPECT_EQ(readSectionTable(dir.file("bolt.tbl"), table, comment), 1);
    writeFileAtomic(dir.file("alone.tbl"), sectionBytes("CSteel", "x"));
    EXPECT_EQ(readSectionTable(dir.file("alone.tbl"), table, comment), 1);
    EXPECT_EQ(table.size(), 1u);
    EXPECT_EQ(comment, "kept");

    EXPECT_EQ(writeSectionTable(dir.file("s.tbl"), sectionRows(), "c"), 0);
    EXPECT_EQ(readFile(dir.file("s.tbl")), sectionBytes("CSteel 1.00", "c"));
    // An H-shape file read into the tube table: every row keeps its own shape code.
    EXPECT_EQ(readSectionTable(dir.file("s.tbl"), table, comment), 0);
    EXPECT_EQ(table[0].shapeType, 0);
    EXPECT_EQ(table[1].shapeType, 1);
    EXPECT_EQ(comment, "c");

    EXPECT_EQ(writeSectionTable(dir.file("no/such/folder.tbl"), table, ""), 1);
    // A comment that code page 932 cannot hold: status 1 and the old file stays.
    EXPECT_EQ(writeSectionTable(dir.file("s.tbl"), table, "\xF0\x9F\x98\x80"), 1);
    EXPECT_EQ(readFile(dir.file("s.tbl")), sectionBytes("CSteel 1.00", "c"));
}

std::string boltBytes(const std::string& signature, const std::string* comment) {
    Bytes b;
    b.str(signature);
    if (comment != nullptr) {
        b.str(*comment);
    }
    b.u16(2).newClass("CABolt");
    boltFields(b, kM30);
    b.u16(0x8001);
    boltFields(b, kM24);
    return b.str();
}

TEST(BoltTableFile, LayoutByteForByte) {
    OwnedList<CABolt> rows;
    rows.append(kM30);
    rows.append(kM24);
    const std::string comment = "切削並目";
    EXPECT_EQ(serializeBoltTable(rows, comment), boltBytes("CABolt 1.01", &comment));
    const auto file = parseBoltTable(boltBytes("CABolt 1.01", &comment), "t");
    ASSERT_TRUE(file);
    EXPECT_EQ(file->comment, comment);
    EXPECT_EQ(file->rows, rows);
}

TEST(BoltTableFile, VersionBelow101HasNoComment) {
    const auto old = parseBoltTable(boltBytes("CABolt 1.00", nullptr), "t");
    ASSERT_TRUE(old);
    EXPECT_EQ(old->comment, "");
    ASSERT_EQ(old->rows.size(), 2u);
    EXPECT_EQ(old->rows[1], kM24);
    const std::string c = "c";
    EXPECT_EQ(parseBoltTable(boltBytes("CABolt 1.02", &c), "t")->comment, "c");
    EXPECT_FALSE(parseBoltTable(boltBytes("CABolt", nullptr), "t"));
    EXPECT_FALSE(parseBoltTable(boltBytes("CSteel 1.00", &c), "t"));

    TempFolder dir;
    writeFileAtomic(dir.file("b.tbl"), boltBytes("CABolt 1.00", nullptr));
    OwnedList<CABolt> table;
    std::string comment = "old";
    EXPECT_EQ(readBoltTable(dir.file("b.tbl"), table, comment), 0);
    EXPECT_EQ(comment, "");
    EXPECT_EQ(table.size(), 2u);
    EXPECT_EQ(readBoltTable(dir.file("missing.tbl"), table, comment), 1);
    EXPECT_EQ(writeBoltTable(dir.file("w.tbl"), table, "x"), 0);
    const std::string x = "x";
    EXPECT_EQ(readFile(dir.file("w.tbl")), boltBytes("CABolt 1.01", &x));
}

TEST(SteelGradeTableFile, LayoutByteForByte) {
    OwnedList<CSteelRaw> rows;
    rows.append(CSteelRaw{"SN400", 0, 235, 215});
    rows.append(CSteelRaw{"BCR295", 2, 295, 295});
    Bytes b;
    b.str("CSteelRaw 1.00").u16(2).newClass("CSteelRaw");
    b.str("SN400").u8(0).real(235).real(215);
    b.u16(0x8001).str("BCR295").u8(2).real(295).real(295);
    EXPECT_EQ(serializeSteelGradeTable(rows), b.str());
    EXPECT_EQ(parseSteelGradeTable(b.str(), "t").rows, rows);
    // The signature text is not examined when the table is read.
    Bytes other;
    other.str("anything").u16(1).newClass("CSteelRaw").str("SS400").u8(0).real(2.4).real(2.2);
    EXPECT_EQ(parseSteelGradeTable(other.str(), "t").rows[0].fThick, 2.2);
}

TEST(ConcreteTableFile, LayoutByteForByte) {
    OwnedList<CConcreteRaw> rows;
    CConcreteRaw c;
    c.name = "Fc21";
    c.concreteKind = 3;
    c.directInput = 1;
    c.fc = 21;
    c.compression = {7, 14};
    c.shear = {0.7, 1.05};
    c.bondDeformedTop = {1, 2};
    c.bondDeformedOther = {3, 4};
    c.bondRoundTop = {5, 6};
    c.bondRoundOther = {7, 8};
    rows.append(c);
    rows.append(CConcreteRaw{.name = "Fc24", .fc = 24});
    Bytes b;
    b.u16(2).newClass("CConcreteRaw").str("Fc21").u16(3).u16(1).real(21);
    for (double v : {7.0, 14.0, 0.7, 1.05, 1.0, 2.0, 3.0, 4.0, 5.0, 6.0, 7.0, 8.0}) {
        b.real(v);
    }
    b.u16(0x8001).str("Fc24").u16(0).u16(0).real(24);
    for (int i = 0; i < 12; ++i) {
        b.real(0);
    }
    EXPECT_EQ(serializeConcreteTable(rows), b.str());
    EXPECT_EQ(parseConcreteTable(b.str(), "t"), rows);
    EXPECT_EQ(serializeConcreteTable({}), std::string("\0\0", 2));
}

// Every proper prefix of a good file is refused with a message and the table stays as it was.
TEST(TableFilesBadInput, TruncatedFilesFailCleanly) {
    const std::string full = sectionBytes("CSteel 1.00", "c");
    TempFolder dir;
    for (std::size_t n = 0; n < full.size(); ++n) {
        writeFileAtomic(dir.file("t.tbl"), full.substr(0, n));
        OwnedList<CSteel> table;
        table.append(sampleTube());
        std::string comment = "kept";
        EXPECT_THROW(readSectionTable(dir.file("t.tbl"), table, comment), FileFormatError) << n;
        EXPECT_EQ(table.size(), 1u);
        EXPECT_EQ(comment, "kept");
    }
}

TEST(TableFilesBadInput, DamagedStructures) {
    struct Case {
        std::string bytes;
        std::string message;
    };
    const std::string head = Bytes().str("CSteel 1.00").str("").str();
    const Case cases[] = {
        {head + Bytes().u16(0xFFFF).u32(0x7FFFFFFF).str(), "a count of 2147483647 cannot fit"},
        {head + Bytes().u16(60000).str(), "a count of 60000 cannot fit"},
        {head + Bytes().u16(1).newClass("CSteelX").raw(std::string(200, '\0')).str(),
         "found class \"CSteelX\""},
        {head + Bytes()
                    .u16(1)
                    .u16(0xFFFF)
                    .u16(1)
                    .u16(6)
                    .raw("CSteel")
                    .raw(std::string(200, '\0'))
                    .str(),
         "schema 1"},
        {head + Bytes().u16(1).u16(0x0001).raw(std::string(200, '\0')).str(),
         "a reference to the earlier object 1"},
        {head + Bytes().u16(1).u16(0x8005).raw(std::string(200, '\0')).str(),
         "unknown class index 5"},
        {Bytes().u8(0xFF).u16(5000).raw("CSteel").str(), "runs past the end"},
    };
    for (const auto& c : cases) {
        try {
            parseSectionTable(c.bytes, "x.tbl");
            ADD_FAILURE() << "accepted: " << c.message;
        } catch (const FileFormatError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
            EXPECT_EQ(std::string(e.what()).rfind("x.tbl: byte offset ", 0), 0u) << e.what();
        }
    }
    EXPECT_THROW(parseConcreteTable(Bytes().u16(0xFFFF).u32(100000).str(), "c"), FileFormatError);
    EXPECT_THROW(parseSteelGradeTable(
                     Bytes().str("CSteelRaw 1.00").u16(1).newClass("CConcreteRaw").str(), "s"),
                 FileFormatError);
}

TEST(TableFilesBadInput, RandomBytesNeverCrash) {
    std::mt19937 rng(20261208);
    for (int i = 0; i < 2000; ++i) {
        std::string bytes(rng() % 200, '\0');
        for (auto& ch : bytes) {
            ch = static_cast<char>(rng());
        }
        if (i % 2 == 0 && bytes.size() > 14) {
            bytes.replace(0, 12,
                          std::string("\x0B"
                                      "CSteel 1.00",
                                      12));
        }
        for (auto parse : {+[](const std::string& b) { (void)parseSectionTable(b, "r"); },
                           +[](const std::string& b) { (void)parseBoltTable(b, "r"); },
                           +[](const std::string& b) { (void)parseSteelGradeTable(b, "r"); },
                           +[](const std::string& b) { (void)parseConcreteTable(b, "r"); }}) {
            try {
                parse(bytes);
            } catch (const FileFormatError&) {
            }
        }
        (void)detectStoredFileKind(bytes);
    }
}

TEST(StoredFileKind, Detection) {
    EXPECT_EQ(detectStoredFileKind(sectionBytes("CSteel 1.00", "")), StoredFileKind::sectionTable);
    EXPECT_EQ(detectStoredFileKind(serializeBoltTable({}, "")), StoredFileKind::boltTable);
    EXPECT_EQ(detectStoredFileKind(serializeSteelGradeTable({})), StoredFileKind::steelGradeTable);
    OwnedList<CSteelRaw> grades;
    grades.append(CSteelRaw{"SN400", 0, 235, 215});
    Bytes other;
    other.str("other text").raw(serializeSteelGradeTable(grades).substr(15));
    EXPECT_EQ(detectStoredFileKind(other.str()), StoredFileKind::steelGradeTable);
    OwnedList<CConcreteRaw> concrete;
    concrete.append(CConcreteRaw{.name = "Fc21", .fc = 21});
    EXPECT_EQ(detectStoredFileKind(serializeConcreteTable(concrete)),
              StoredFileKind::concreteTable);
    EXPECT_EQ(detectStoredFileKind(serializeConcreteTable({})), StoredFileKind::concreteTable);
    EXPECT_EQ(detectStoredFileKind(Bytes().str("Kesto 1.04").str("").str()),
              StoredFileKind::document);
    EXPECT_EQ(detectStoredFileKind(""), StoredFileKind::unknown);
    EXPECT_EQ(detectStoredFileKind("hello world"), StoredFileKind::unknown);
}

}  // namespace
}  // namespace kesto
