#include <gtest/gtest.h>

#include "base/archive.h"
#include "model/stress.h"
#include "test_support.h"

namespace kesto {
namespace {

using test::bytesOf;

TEST(ArchiveWriter, NumbersAreLittleEndian) {
    ArchiveWriter w;
    w.byte(0xAB, "b");
    w.word(0x1234, "w");
    w.dword(0x89ABCDEFu, "d");
    w.real(1.5, "r");
    EXPECT_EQ(w.bytes(), bytesOf("AB 34 12 EF CD AB 89 00 00 00 00 00 00 F8 3F"));
}

TEST(ArchiveWriter, StringPrefixesChangeAt255And65534Bytes) {
    struct Row {
        std::size_t length;
        std::string prefix;
    };
    const Row rows[] = {
        {0, bytesOf("00")},
        {254, bytesOf("FE")},
        {255, bytesOf("FF FF 00")},
        {65533, bytesOf("FF FD FF")},
        {65534, bytesOf("FF FF FF FE FF 00 00")},
        {70000, bytesOf("FF FF FF 70 11 01 00")},
    };
    for (const auto& row : rows) {
        ArchiveWriter w;
        w.text(std::string(row.length, 'x'), "s");
        ASSERT_EQ(w.bytes().size(), row.prefix.size() + row.length) << row.length;
        EXPECT_EQ(w.bytes().substr(0, row.prefix.size()), row.prefix) << row.length;

        ArchiveReader r(w.bytes(), "t");
        std::string back;
        r.text(back, "s");
        EXPECT_EQ(back.size(), row.length);
        EXPECT_TRUE(r.atEnd());
    }
}

TEST(ArchiveWriter, StringsAreStoredInCodePage932) {
    ArchiveWriter w;
    w.text("G:常時", "label");
    EXPECT_EQ(w.bytes(), bytesOf("06 47 3A 8F ED 8E 9E"));
}

TEST(ArchiveWriter, TextWithoutCodePage932CodeIsRefused) {
    ArchiveWriter w("out.kso");
    EXPECT_THROW(w.text("\xF0\x9F\x98\x80", "mark"), FileFormatError);
}

TEST(ArchiveWriter, CountsAboveFFFEUseTheDwordForm) {
    ArchiveWriter w;
    w.writeCount(0xFFFE);
    w.writeCount(0xFFFF);
    w.writeCount(70000);
    EXPECT_EQ(w.bytes(), bytesOf("FE FF  FF FF FF FF 00 00  FF FF 70 11 01 00"));
}

TEST(ArchiveWriter, ClassAndObjectIndexesShareOneCounter) {
    // Two stress cases then one combination: the first CStressName gets class index 1 and
    // object index 2, the second is tagged 0x8001 (object 3), and CStringTable is a new class
    // with index 4, so its second object is tagged 0x8004.
    OwnedList<CStressName> names;
    names.append(CStressName{"G", 1, 1, 1});
    names.append(CStressName{"K", 1, 1, 1});
    OwnedList<CStringTable> combos;
    combos.append(CStringTable{"G"});
    combos.append(CStringTable{"K"});
    ArchiveWriter w;
    objectList(w, names, "CStressName");
    objectList(w, combos, "CStringTable");
    const std::string factors = bytesOf("00 00 00 00 00 00 F0 3F") +
                                bytesOf("00 00 00 00 00 00 F0 3F") +
                                bytesOf("00 00 00 00 00 00 F0 3F");
    const std::string reserved = bytesOf("00 00  00 00 00 00 00 00 00 00");
    const std::string expected =
        bytesOf("02 00 FF FF 00 00 0B 00") + "CStressName" + bytesOf("01") + "G" + factors +
        bytesOf("01 80 01") + "K" + factors + bytesOf("02 00 FF FF 00 00 0C 00") + "CStringTable" +
        bytesOf("01") + "G" + reserved + bytesOf("04 80 01") + "K" + reserved;
    EXPECT_EQ(w.bytes(), expected);

    ArchiveReader r(w.bytes(), "t");
    OwnedList<CStressName> names2;
    OwnedList<CStringTable> combos2;
    objectList(r, names2, "CStressName");
    objectList(r, combos2, "CStringTable");
    EXPECT_TRUE(r.atEnd());
    EXPECT_EQ(names2, names);
    EXPECT_EQ(combos2, combos);
}

TEST(ArchiveWriter, ClassIndexesFrom7FFFUseTheBigTag) {
    // 40000 stress objects push the counter past 0x7FFF before CStringTable first appears.
    OwnedList<CStress> many;
    for (int i = 0; i < 40000; ++i) {
        many.append();
    }
    OwnedList<CStringTable> combos;
    combos.append(CStringTable{"G"});
    combos.append(CStringTable{"K"});
    ArchiveWriter w;
    objectList(w, many, "CStress");
    objectList(w, combos, "CStringTable");
    // CStress: class 1, objects 2..40001; CStringTable: class 40002 = 0x9C42.
    const std::string& b = w.bytes();
    const std::string bigTag = bytesOf("FF 7F 42 9C 00 80");
    EXPECT_EQ(b.substr(b.size() - 11 - bigTag.size() - 1, bigTag.size()), bigTag);

    ArchiveReader r(b, "t");
    OwnedList<CStress> many2;
    OwnedList<CStringTable> combos2;
    objectList(r, many2, "CStress");
    objectList(r, combos2, "CStringTable");
    EXPECT_EQ(many2.size(), 40000u);
    EXPECT_EQ(combos2, combos);
}

TEST(ArchiveReader, ReadsTheWideStringForm) {
    // FF FE FF announces UTF-16; 02 code units follow.
    const std::string wide = bytesOf("FF FE FF 02 38 5E 42 66");
    ArchiveReader r(wide, "t");
    std::string s;
    r.text(s, "s");
    EXPECT_EQ(s, "常時");
    EXPECT_TRUE(r.atEnd());
}

// Each malformed input fails with the file name, the byte offset and what was expected. Bytes
// after the error make room for the record the count announces.
const std::string kPadding(32, '\0');

struct BadInput {
    const char* name;
    std::string bytes;
    const char* message;
};

void PrintTo(const BadInput& row, std::ostream* os) {
    *os << row.name;
}

class ArchiveReaderBadInput : public testing::TestWithParam<BadInput> {};

TEST_P(ArchiveReaderBadInput, FailsWithOffsetAndExpectation) {
    const auto& row = GetParam();
    ArchiveReader r(row.bytes, "bad.kso");
    OwnedList<CStress> list;
    try {
        objectList(r, list, "CStress");
        FAIL() << "no error";
    } catch (const FileFormatError& e) {
        EXPECT_EQ(std::string(e.what()), row.message);
        EXPECT_EQ(e.source(), "bad.kso");
        ASSERT_TRUE(e.offset().has_value());
        EXPECT_NE(
            std::string(row.message).find(": byte offset " + std::to_string(*e.offset()) + ":"),
            std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ArchiveReaderBadInput,
    testing::Values(
        BadInput{"Empty", "", "bad.kso: byte offset 0: expected CStress (the file ends early)"},
        BadInput{"HugeCount", bytesOf("FF FF 00 28 6B EE") + std::string(94, '\0'),
                 "bad.kso: byte offset 0: expected count of CStress (a count of 4000000000 "
                 "cannot fit in the 94 bytes left)"},
        BadInput{"ForeignClass", bytesOf("01 00 FF FF 00 00 05 00") + "CFoo1" + kPadding,
                 "bad.kso: byte offset 2: expected a record of class CStress (found class "
                 "\"CFoo1\")"},
        BadInput{"LongClassName", bytesOf("01 00 FF FF 00 00 40 00") + std::string(64, 'C'),
                 "bad.kso: byte offset 2: expected a record of class CStress (class name of 64 "
                 "bytes, at most 63 are allowed)"},
        BadInput{"Schema1", bytesOf("01 00 FF FF 01 00 07 00") + "CStress" + kPadding,
                 "bad.kso: byte offset 2: expected a record of class CStress (schema 1, only 0 "
                 "is known)"},
        BadInput{"UnknownClassIndex", bytesOf("01 00 05 80") + kPadding,
                 "bad.kso: byte offset 2: expected a record of class CStress (unknown class "
                 "index 5)"},
        BadInput{"BackReference", bytesOf("01 00 02 00") + kPadding,
                 "bad.kso: byte offset 2: expected a record of class CStress (a reference to "
                 "the earlier object 2)"},
        BadInput{"NullObject", bytesOf("01 00 00 00") + kPadding,
                 "bad.kso: byte offset 2: expected a record of class CStress (an empty object "
                 "reference)"},
        BadInput{"BigBackReference", bytesOf("01 00 FF 7F 02 00 00 00") + kPadding,
                 "bad.kso: byte offset 2: expected a record of class CStress (a reference to "
                 "the earlier object 2)"},
        BadInput{"StringPastEnd",
                 bytesOf("01 00 FF FF 00 00 07 00") + "CStress" + bytesOf("FE 41") + kPadding,
                 "bad.kso: byte offset 15: expected string CStress.name (its length 254 runs "
                 "past the end of the file)"},
        BadInput{"BadText",
                 bytesOf("01 00 FF FF 00 00 07 00") + "CStress" + bytesOf("01 80") + kPadding,
                 "bad.kso: byte offset 15: expected string CStress.name (the text is not valid "
                 "code page 932 and could not be kept byte for byte: 80)"},
        BadInput{
            "DoubleCut",
            bytesOf("01 00 FF FF 00 00 07 00") + "CStress" + bytesOf("00") + std::string(13, '\0'),
            "bad.kso: byte offset 24: expected CStress.q (the file ends early)"},
        // A record takes at least its tag and the smallest form of its fields (25 bytes for
        // CStress), so two records cannot fit in 40 bytes.
        BadInput{"CountAboveTheSmallestRecords", bytesOf("02 00") + std::string(40, '\0'),
                 "bad.kso: byte offset 0: expected count of CStress (a count of 2 cannot fit in "
                 "the 40 bytes left)"},
        BadInput{"Infinity",
                 bytesOf("01 00 FF FF 00 00 07 00") + "CStress" +
                     bytesOf("00 00 00 00 00 00 00 F0 FF") + std::string(16, '\0'),
                 "bad.kso: byte offset 16: expected a finite number for CStress.m (found an "
                 "infinity)"},
        BadInput{"NaN",
                 bytesOf("01 00 FF FF 00 00 07 00") + "CStress" + bytesOf("00") +
                     std::string(8, '\0') + bytesOf("01 00 00 00 00 00 F8 7F") +
                     std::string(8, '\0'),
                 "bad.kso: byte offset 24: expected a finite number for CStress.q (found NaN)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ArchiveReader, SignatureSplitsAtTheFirstBlank) {
    EXPECT_EQ(splitSignature("Kesto 1.04"),
              std::make_pair(std::string("Kesto"), std::string("1.04")));
    EXPECT_EQ(splitSignature("CSteel 1.00 extra"),
              std::make_pair(std::string("CSteel"), std::string("1.00 extra")));
    EXPECT_EQ(splitSignature("Kesto1.04"), std::make_pair(std::string(), std::string("Kesto1.04")));
    EXPECT_EQ(splitSignature(" Kesto"), std::make_pair(std::string(), std::string(" Kesto")));
}

}  // namespace
}  // namespace kesto
