#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "base/archive.h"
#include "legacy_file.h"
#include "model/document_file.h"
#include "model/new_document.h"
#include "test_support.h"

namespace kesto {
namespace {

using test::bytesOf;
using test::LegacyFile;

DocumentData newDocument() {
    DocumentData doc;
    installBuiltInDefaults(doc.conditions);
    doc.buildingDate = "2026/12/08 09:30";
    doc.conditions.pages.append(makeNewPage(doc.conditions, 1));
    return doc;
}

TEST(DocumentFile, NewDocumentStartsWithSignatureTextsAndReservedWord) {
    const std::string file = serializeDocument(newDocument());
    const std::string expected = bytesOf("0A") + "Kesto 1.04" + bytesOf("00 10") +
                                 "2026/12/08 09:30" + bytesOf("00 00 00") +
                                 bytesOf("01 00");  // unitSystem 1
    EXPECT_EQ(file.substr(0, expected.size()), expected);
    // Routes 1/1, elongation 1, average 1, distinguish 1, no detail file, loss 0, rounding 1,
    // no rib in cantilever.
    EXPECT_EQ(file.substr(expected.size(), 9), bytesOf("01 01 01 01 01 00 00 01 00"));
}

TEST(DocumentFile, RoundTripKeepsEveryInput) {
    DocumentData doc = newDocument();
    doc.buildingName = "テスト事務所棟";
    doc.buildingComment = "一行目\r\n二行目";
    doc.unitSystem = 0;
    auto& c = doc.conditions;
    c.routeX = 2;
    c.gammaY = 1.75;
    c.boltTableName = "ABR.tbl";
    c.boltFsMode = 1;
    CKesto& p = c.pages[0];
    p.mark = "C1-ｱ";
    p.columnKind = 1;
    p.columnSection = "H-400x200x8.0x13";
    p.inputAa = 123.25;
    p.ultimateM[1][0] = -45.5;
    p.basicStresses[1][1].q = 3.25;
    CKesto& second = c.pages.append(p);
    second.mark = "C2";

    const std::string file = serializeDocument(doc);
    const DocumentData back = parseDocument(file, "doc.kso");
    EXPECT_EQ(back.formatSignature, "Kesto 1.04");
    EXPECT_EQ(back.buildingName, doc.buildingName);
    EXPECT_EQ(back.buildingComment, doc.buildingComment);
    EXPECT_EQ(back.unitSystem, 0);
    EXPECT_EQ(back.conditions.pages, doc.conditions.pages);
    EXPECT_EQ(back.conditions.stressNames, doc.conditions.stressNames);
    EXPECT_EQ(back.conditions.routeX, 2);
    EXPECT_EQ(back.conditions.gammaY, 1.75);
    EXPECT_EQ(back.conditions.boltTableName, "ABR.tbl");
    EXPECT_EQ(back.conditions.boltFsMode, 1);
    EXPECT_EQ(serializeDocument(back), file);
}

TEST(DocumentFile, SeventyThousandPagesUseTheDwordCount) {
    DocumentData doc = newDocument();
    doc.conditions.pages.clear();
    for (int i = 0; i < 70000; ++i) {
        CKesto& page = doc.conditions.pages.append(makeNewPage(doc.conditions, 1));
        page.mark = "C" + std::to_string(i);
        page.basicStresses[0][0].n = i * 0.5;
    }
    const std::string file = serializeDocument(doc);
    // The page count follows the last combination list: FF FF then 70000 as a dword.
    const std::string count = bytesOf("FF FF 70 11 01 00");
    const std::string firstPage = bytesOf("FF FF 00 00 06 00") + "CKesto";
    const auto at = file.find(count + firstPage);
    ASSERT_NE(at, std::string::npos);

    const DocumentData back = parseDocument(file, "big.kso");
    ASSERT_EQ(back.conditions.pages.size(), 70000u);
    EXPECT_EQ(back.conditions.pages[69999].mark, "C69999");
    EXPECT_EQ(back.conditions.pages[69999].basicStresses[0][0].n, 69999 * 0.5);
    EXPECT_EQ(serializeDocument(back), file);
}

TEST(DocumentFile, RefusesForeignAndNewerFiles) {
    auto fileWith = [](const std::string& signature) {
        ArchiveWriter w;
        w.text(signature, "signature");
        return w.take() + std::string(200, '\0');
    };
    for (const char* foreign : {"Other 1.04", "Kesto1.04", " Kesto 1.04", "kesto 1.04", ""}) {
        try {
            parseDocument(fileWith(foreign), "x.kso");
            FAIL() << foreign;
        } catch (const DocumentRefused& e) {
            EXPECT_STREQ(e.what(), "Kestoのデータではありません。");
        }
    }
    for (const char* newer : {"Kesto 1.05", "Kesto 2.00", "Kesto 1.04a"}) {
        try {
            parseDocument(fileWith(newer), "x.kso");
            FAIL() << newer;
        } catch (const DocumentRefused& e) {
            EXPECT_STREQ(e.what(),
                         "データの読み込み異常です。\nプログラムをバージョンアップして下さい。");
        }
    }
}

TEST(DocumentFile, Format101GetsTheDefaultsOfLaterFields) {
    const DocumentData doc = parseDocument(LegacyFile("1.01").withOnePage(), "old.kso");
    const CKestoCnt& c = doc.conditions;
    EXPECT_EQ(doc.unitSystem, 1);
    EXPECT_EQ(c.routeX, 2);
    EXPECT_EQ(c.ribInBoltCantilever, 0);
    EXPECT_EQ(c.gammaX, 2.5);
    EXPECT_EQ(c.hSteelTableName, "H.tbl");
    EXPECT_EQ(c.boltTableName, "ABoltShape.tbl");
    EXPECT_EQ(c.gammaStressName, "E");
    EXPECT_EQ(c.route3NgCheck, 0);
    EXPECT_EQ(c.useAnchorBlock, 1);
    EXPECT_EQ(c.concreteShearCheck, 1);
    EXPECT_EQ(c.boltClearance, 5.0);
    EXPECT_EQ(c.boltAeMode, 1);
    EXPECT_EQ(c.boltFsMode, 1);
    EXPECT_EQ(c.basePlateFb1Mode, 1);
    ASSERT_EQ(c.pages.size(), 1u);
}

TEST(DocumentFile, FormatsBefore101AreGravityUnits) {
    const DocumentData doc = parseDocument(LegacyFile("1.00").withOnePage(), "old.kso");
    EXPECT_EQ(doc.unitSystem, 0);
    EXPECT_EQ(doc.conditions.boltTableName, "ABoltShape.tbl");
}

TEST(DocumentFile, Format102PagesGetPedestalDefaultsFromThePlate) {
    const DocumentData doc = parseDocument(LegacyFile("1.02").withOnePage(), "old.kso");
    EXPECT_EQ(doc.conditions.ribInBoltCantilever, 1);
    const CKesto& p = doc.conditions.pages[0];
    EXPECT_EQ(p.mark, "P1");
    EXPECT_EQ(p.plateB, 500);
    EXPECT_EQ(p.plateD, 600);
    EXPECT_EQ(p.useAnchorBlock, 1);
    EXPECT_EQ(p.concreteShearCheck, 1);
    EXPECT_EQ(p.pedestalB, 600);
    EXPECT_EQ(p.pedestalD, 700);
    EXPECT_EQ(p.anchorBlockB, 500);
    EXPECT_EQ(p.anchorBlockD, 140);
    EXPECT_EQ(p.boltLength, 600);
    EXPECT_EQ(p.inputAa, 0);
    EXPECT_EQ(p.inputAc, 0);
    // The old layout interleaves the ultimate forces with stored results.
    EXPECT_EQ(p.ultimateN[0][0], 1);
    EXPECT_EQ(p.ultimateN[0][1], 2);
    EXPECT_EQ(p.ultimateN[1][0], 11);
    EXPECT_EQ(p.ultimateN[1][1], 12);
    EXPECT_EQ(p.ultimateQ[1][1], 0.5);
    EXPECT_EQ(p.ratioMax[1][1], 0.18);
    // The stored messages are stale: the page is recalculated when the document opens.
    EXPECT_TRUE(p.errorMessages.empty());
    ASSERT_EQ(p.basicStresses[1].size(), 1u);
    EXPECT_EQ(p.basicStresses[1][0], (CStress{"G", 1.0, 2.0, 30.0}));
}

TEST(DocumentFile, Format103ReadsRouteThreeOptionsButOldFormulaOptions) {
    const DocumentData doc = parseDocument(LegacyFile("1.03").withOnePage(), "old.kso");
    const CKestoCnt& c = doc.conditions;
    EXPECT_EQ(c.route3NgCheck, 1);
    EXPECT_EQ(c.useAnchorBlock, 0);
    EXPECT_EQ(c.concreteShearCheck, 0);
    EXPECT_EQ(c.boltClearance, 7.5);
    EXPECT_EQ(c.boltAeMode, 1);
    EXPECT_EQ(c.boltFsMode, 1);
    EXPECT_EQ(c.basePlateFb1Mode, 1);
    const CKesto& p = c.pages[0];
    EXPECT_EQ(p.useAnchorBlock, 0);
    EXPECT_EQ(p.pedestalB, 700);
    EXPECT_EQ(p.anchorBlockB, 450);
    EXPECT_EQ(p.inputAa, 0);
    EXPECT_EQ(p.ultimateN[0][1], 4);  // N, Q, M per sense: 1 2 3, 4 5 6, ...
    EXPECT_EQ(p.ultimateM[1][1], 12);
}

TEST(DocumentFile, Format104ReadsEveryField) {
    const DocumentData doc = parseDocument(LegacyFile("1.04").withOnePage(), "new.kso");
    EXPECT_EQ(doc.conditions.boltTableName, "A.tbl");
    EXPECT_EQ(doc.conditions.boltAeMode, 0);
    EXPECT_EQ(doc.conditions.pages[0].inputAa, 11);
    EXPECT_EQ(doc.conditions.pages[0].inputAc, 22);
}

TEST(DocumentFile, DefaultDataFileHoldsUnitAndConditionsBody) {
    CKestoCnt c;
    installBuiltInDefaults(c);
    c.routeY = 0;
    const std::string file = serializeDefaults(0, c);
    const std::string expected =
        bytesOf("0A") + "Kesto 1.04" + bytesOf("00") + bytesOf("00 00") + bytesOf("01 00");
    EXPECT_EQ(file.substr(0, expected.size()), expected);
    const DefaultData back = parseDefaults(file, "KestoBase.def");
    EXPECT_EQ(back.unitSystem, 0);
    EXPECT_EQ(back.conditions.routeY, 0);
    EXPECT_EQ(back.conditions.stressNames, c.stressNames);
    EXPECT_EQ(back.conditions.ultimateCombos, c.ultimateCombos);
    EXPECT_TRUE(back.conditions.pages.empty());
}

// Every cut of a valid file fails cleanly, and random damage either reads or fails cleanly.
// Reads every page of `file` a page at a time into one page, and returns the head.
DocumentData readPageByPage(std::string_view file, std::vector<CKesto>& pages) {
    DocumentData head;
    PageReader reader(file, "doc.kso", head);
    // What the page held before must not show through.
    CKesto page;
    page.mark = "前の柱";
    page.ratioMax[1][1] = 9;
    page.errorMessages = {"前のエラー"};
    page.basicStresses[0].append(CStress{"E", 1, 2, 3});
    while (reader.next(page)) {
        pages.push_back(page);
    }
    return head;
}

TEST(DocumentFile, PagesReadOneAtATimeAreThoseOfTheWholeFile) {
    DocumentData current = newDocument();
    CKesto& second = current.conditions.pages.append(current.conditions.pages[0]);
    second.mark = "C2";
    second.rotated = 1;
    second.basicStresses[1].append(CStress{"K", -4, 5.5, 60});
    current.conditions.pages.append(CKesto{}).mark = "C3";
    const std::string files[] = {LegacyFile("1.00").withOnePage(),
                                 LegacyFile("1.02").withOnePage(1),
                                 LegacyFile("1.04").withOnePage(), serializeDocument(current)};
    for (const std::string& file : files) {
        DocumentData whole = parseDocument(file, "doc.kso");
        std::vector<CKesto> pages;
        const DocumentData head = readPageByPage(file, pages);
        ASSERT_EQ(pages.size(), whole.conditions.pages.size());
        for (std::size_t i = 0; i < pages.size(); ++i) {
            EXPECT_EQ(pages[i], whole.conditions.pages[i]) << whole.formatSignature << " " << i;
        }
        EXPECT_TRUE(head.conditions.pages.empty());
        whole.conditions.pages.clear();
        EXPECT_EQ(serializeDocument(head), serializeDocument(whole)) << whole.formatSignature;
    }
}

TEST(DocumentFile, TruncationAtEveryLengthFailsCleanly) {
    DocumentData doc = newDocument();
    doc.conditions.pages.append(doc.conditions.pages[0]).mark = "C2";
    const std::string file = serializeDocument(doc);
    for (std::size_t n = 0; n < file.size(); ++n) {
        EXPECT_THROW(parseDocument(file.substr(0, n), "cut.kso"), FileFormatError) << n;
        std::vector<CKesto> pages;
        EXPECT_THROW(readPageByPage(file.substr(0, n), pages), FileFormatError) << n;
        const std::string cut = file.substr(0, n);
        EXPECT_THROW(PageReader(cut, "cut.kso", doc).readThrough(), FileFormatError) << n;
    }
}

TEST(DocumentFile, RandomByteChangesReadOrFailCleanly) {
    const std::string file = serializeDocument(newDocument());
    std::mt19937 random(20261208);
    int failed = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string damaged = file;
        const int changes = 1 + round % 4;
        for (int i = 0; i < changes; ++i) {
            damaged[random() % damaged.size()] = static_cast<char>(random() & 0xFF);
        }
        try {
            parseDocument(damaged, "damaged.kso");
        } catch (const FileFormatError&) {
            ++failed;
        } catch (const DocumentRefused&) {
            ++failed;
        }
    }
    EXPECT_GT(failed, 0);
}

TEST(DocumentFile, HugeCountInASmallFileFailsAtOnce) {
    ArchiveWriter w;
    w.text("Kesto 1.04", "s");
    for (int i = 0; i < 3; ++i) {
        w.text("", "s");
    }
    w.word(0, "r");
    w.word(1, "u");
    w.writeU16(0xFFFF);
    w.writeU32(4000000000u);  // where the first option bytes are read as a count ...
    std::string file = w.take() + std::string(60, '\0');
    file.resize(100, '\0');
    EXPECT_THROW(parseDocument(file, "small.kso"), FileFormatError);

    // ... and as the page count proper.
    DocumentData doc = newDocument();
    doc.conditions.pages.clear();
    std::string body = serializeDocument(doc);
    body.resize(body.size() - 2);
    body += bytesOf("FF FF 00 28 6B EE");
    try {
        parseDocument(body, "pages.kso");
        FAIL();
    } catch (const FileFormatError& e) {
        EXPECT_NE(std::string(e.what()).find("a count of 4000000000 cannot fit"),
                  std::string::npos);
    }
}

// Any number of stored messages costs no memory: they are checked and skipped.
TEST(DocumentFile, OldStoredMessagesAreCheckedButNotKept) {
    const DocumentData doc =
        parseDocument(LegacyFile("1.02").withOnePage(1'000'000), "messages.kso");
    EXPECT_TRUE(doc.conditions.pages[0].errorMessages.empty());
    EXPECT_TRUE(doc.conditions.pages[0].ngMessages.empty());

    std::string damaged = LegacyFile("1.02").withOnePage();
    const auto at = damaged.find(*encodeCp932("古いエラー"));
    damaged[at] = '\x80';
    EXPECT_THROW(parseDocument(damaged, "damaged.kso"), FileFormatError);
}

// A writer describes each class once. A file that describes its class again before every other
// record still reads in time proportional to its size: a reference never searches the classes.
TEST(DocumentFile, ClassesDescribedAgainAndAgainReadInLinearTime) {
    DocumentData doc = newDocument();
    doc.conditions.stressNames.clear();
    doc.conditions.longTermCombos.clear();
    doc.conditions.shortTermCombos.clear();
    doc.conditions.ultimateCombos.clear();
    doc.conditions.pages.clear();
    std::string file = serializeDocument(doc);
    file.resize(file.size() - 10);  // the five empty lists

    constexpr std::uint32_t kPairs = 400'000;
    const std::string name = "CStressName";
    const CStressName record{"G", 1, 1, 1};
    ArchiveWriter w;
    w.writeCount(2 * kPairs);
    std::uint32_t counter = 1;  // the file's one index counter
    for (std::uint32_t i = 0; i < kPairs; ++i) {
        const std::uint32_t classIndex = counter;
        w.writeU16(0xFFFF);
        w.writeU16(0);
        w.writeU16(static_cast<std::uint16_t>(name.size()));
        for (char c : name) {
            w.writeU8(static_cast<std::uint8_t>(c));
        }
        fields(w, record);
        w.writeU16(0x7FFF);
        w.writeU32(0x80000000u | classIndex);
        fields(w, record);
        counter += 3;  // the class, its object, the second object
    }
    for (int list = 0; list < 4; ++list) {
        w.writeCount(0);
    }
    const DocumentData back = parseDocument(file + w.bytes(), "classes.kso");
    ASSERT_EQ(back.conditions.stressNames.size(), 2 * kPairs);
    EXPECT_EQ(back.conditions.stressNames.back(), record);
}

// What opens can be written back and imported from its dump: the reader refuses a code outside
// its range and a number that is not finite, naming the field and its byte offset.
TEST(DocumentFile, ValuesTheProgramCannotHoldAreRefusedWithFieldAndOffset) {
    DocumentData doc = newDocument();
    doc.conditions.pages[0].plateB = 123.25;
    const std::string file = serializeDocument(doc);
    // Signature 11 bytes, building texts 1 + 17 + 1, reserved word 2: the unit is at 32.
    ASSERT_EQ(file.substr(32, 3), bytesOf("01 00 01"));
    const std::size_t gammaX = 34 + 9;
    double plateB = 123.25;
    std::string plateBytes(8, '\0');
    std::memcpy(plateBytes.data(), &plateB, 8);
    const std::size_t plateAt = file.find(plateBytes);
    ASSERT_NE(plateAt, std::string::npos);

    const auto refusal = [&](std::size_t at, const std::string& bytes) {
        std::string damaged = file;
        damaged.replace(at, bytes.size(), bytes);
        try {
            parseDocument(damaged, "x.kso");
        } catch (const FileFormatError& e) {
            return std::string(e.what());
        }
        return std::string("accepted");
    };
    EXPECT_EQ(refusal(32, bytesOf("07 00")),
              "x.kso: byte offset 32: expected unitSystem from 0 to 1 (found 7)");
    EXPECT_EQ(refusal(32, bytesOf("FF FF")),
              "x.kso: byte offset 32: expected unitSystem from 0 to 1 (found 65535)");
    EXPECT_EQ(refusal(35, bytesOf("03")),
              "x.kso: byte offset 35: expected routeY from 0 to 2 (found 3)");
    EXPECT_EQ(refusal(gammaX, bytesOf("00 00 00 00 00 00 F8 7F")),
              "x.kso: byte offset 43: expected a finite number for gammaX (found NaN)");
    EXPECT_EQ(refusal(plateAt, bytesOf("00 00 00 00 00 00 F0 FF")),
              "x.kso: byte offset " + std::to_string(plateAt) +
                  ": expected a finite number for plateB (found an infinity)");

    std::string defaults = serializeDefaults(1, doc.conditions);
    defaults.replace(12, 2, bytesOf("02 00"));
    try {
        parseDefaults(defaults, "KestoBase.def");
        ADD_FAILURE() << "accepted";
    } catch (const FileFormatError& e) {
        EXPECT_STREQ(e.what(),
                     "KestoBase.def: byte offset 12: expected unitSystem from 0 to 1 "
                     "(found 2)");
    }
}

}  // namespace
}  // namespace kesto
