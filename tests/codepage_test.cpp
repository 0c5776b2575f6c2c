#include <gtest/gtest.h>
#include <iconv.h>

#include <optional>
#include <string>

#include "base/codepage.h"
#include "test_support.h"

namespace kesto {
namespace {

using test::bytesOf;

TEST(Codepage, DecodesAndEncodesJapaneseText) {
    // "常時" in code page 932 is 8F ED 8E 9E.
    EXPECT_EQ(decodeCp932(bytesOf("8F ED 8E 9E")), std::optional<std::string>("常時"));
    EXPECT_EQ(encodeCp932("常時"), std::optional<std::string>(bytesOf("8F ED 8E 9E")));
    // Half-width katakana "ﾙｰﾄ" are single bytes D9 B0 C4.
    EXPECT_EQ(encodeCp932("ﾙｰﾄ"), std::optional<std::string>(bytesOf("D9 B0 C4")));
    // The square of "□-350x350x16.0" is 81 A0.
    EXPECT_EQ(encodeCp932("□"), std::optional<std::string>(bytesOf("81 A0")));
}

TEST(Codepage, RefusesBytesThatAreNotCodePage932) {
    EXPECT_FALSE(decodeCp932(bytesOf("80")));
    EXPECT_FALSE(decodeCp932(bytesOf("81")));        // lead byte without trail byte
    EXPECT_FALSE(decodeCp932(bytesOf("41 82 FF")));  // invalid trail byte
}

TEST(Codepage, RefusesCodesThatWouldNotBeStoredAgainUnchanged) {
    // 87 90 (≒ in the NEC row) decodes to the same character as 81 E0 and would be stored as
    // 81 E0; such text is refused rather than silently changed.
    EXPECT_FALSE(decodeCp932(bytesOf("87 90")));
    EXPECT_TRUE(decodeCp932(bytesOf("81 E0")));
}

TEST(Codepage, EncodingFailsForCharactersWithoutCode) {
    EXPECT_FALSE(encodeCp932("\xF0\x9F\x98\x80"));  // an emoji
    EXPECT_FALSE(encodeCp932("한"));
}

// The C library's conversion of one text, for comparison.
std::optional<std::string> iconvToCp932(const std::string& utf8) {
    static const iconv_t cd = iconv_open("CP932", "UTF-8");
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::string out(utf8.size() * 4 + 8, '\0');
    char* src = const_cast<char*>(utf8.data());
    std::size_t srcLeft = utf8.size();
    char* dst = out.data();
    std::size_t dstLeft = out.size();
    if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1)) {
        return std::nullopt;
    }
    out.resize(out.size() - dstLeft);
    return out;
}

std::string utf8Of(char32_t cp) {
    if (cp < 0x80) {
        return std::string(1, static_cast<char>(cp));
    }
    if (cp < 0x800) {
        return {static_cast<char>(0xC0 | cp >> 6), static_cast<char>(0x80 | (cp & 0x3F))};
    }
    return {static_cast<char>(0xE0 | cp >> 12), static_cast<char>(0x80 | (cp >> 6 & 0x3F)),
            static_cast<char>(0x80 | (cp & 0x3F))};
}

// Encoding looks codes up in a table filled from iconv; every character of the Basic
// Multilingual Plane, alone and inside a text, must come out as iconv writes it, and so must
// text that is not well-formed UTF-8.
TEST(Codepage, EncodesEveryCharacterAsIconvDoes) {
    for (char32_t cp = 1; cp < 0x10000; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF) {
            continue;
        }
        const std::string text = "a" + utf8Of(cp) + "b" + utf8Of(cp);
        ASSERT_EQ(encodeCp932(text), iconvToCp932(text)) << std::hex << static_cast<unsigned>(cp);
        const auto code = iconvToCp932(utf8Of(cp));
        ASSERT_EQ(cp932Length(text), 2 + 2 * (code ? code->size() : 1)) << std::hex << static_cast<unsigned>(cp);
    }
    for (const std::string bad : {"\xC0\x80", "\xE0\x80\x80", "\xED\xA0\x80", "x\xE3\x81", "\x81",
                                  "\xE3\x81\xC2\x80", "\xF4\x90\x80\x80"}) {
        EXPECT_EQ(encodeCp932(bad), iconvToCp932(bad));
        EXPECT_FALSE(encodeCp932(bad));
    }
    std::string out = "kept";
    EXPECT_FALSE(appendCp932(out, "常時한"));
    EXPECT_EQ(out, "kept");
    EXPECT_TRUE(appendCp932(out, "常時"));
    EXPECT_EQ(out, "kept" + bytesOf("8F ED 8E 9E"));
}

TEST(Codepage, ByteLengthCountsCodePageBytes) {
    EXPECT_EQ(cp932Length("ＳＩ単位"), 8u);
    EXPECT_EQ(cp932Length("ﾙｰﾄ1-1"), 6u);
    EXPECT_EQ(cp932Length("abc"), 3u);
    EXPECT_EQ(cp932Length("a\xF0\x9F\x98\x80"
                          "b"),
              3u);  // an uncodable character counts one
}

TEST(Codepage, DecodesUtf16) {
    EXPECT_EQ(decodeUtf16le(bytesOf("38 5E 42 66")), std::optional<std::string>("常時"));
}

}  // namespace
}  // namespace kesto
