#include <gtest/gtest.h>

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
