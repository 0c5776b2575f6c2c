#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "base/text_lines.h"

namespace kesto {
namespace {

TEST(TextLines, KeepsLinesEndToEndWithTheirLineEnds) {
    TextLines lines = {"", "-----[C1]-----"};
    lines.addf("%s,%f,%d", "G", 1.5, 3);
    lines.push_back("a\rb");
    EXPECT_EQ(lines.text(), "\r\n-----[C1]-----\r\nG,1.500000,3\r\na\rb\r\n");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[2], "G,1.500000,3");
    EXPECT_EQ(lines.back(), "a\rb");
    EXPECT_EQ(lines.offset(2), 18u);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.end() - 1),
              (std::vector<std::string>{"-----[C1]-----", "G,1.500000,3"}));
    EXPECT_EQ(lines, (std::vector<std::string>{"", "-----[C1]-----", "G,1.500000,3", "a\rb"}));
    EXPECT_NE(lines, (std::vector<std::string>{"", "-----[C1]-----", "G,1.500000,3"}));

    lines.assign({"x"});
    EXPECT_EQ(lines, TextLines{"x"});
    lines.clear();
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(lines.text(), "");
}

// A line formatted from its checked pieces carries printf's bytes: widths, precisions, values
// handed to the C library, text after the last conversion, and lines that outgrow the room a
// cleared buffer keeps.
TEST(TextLines, FormatsCheckedLinesAsPrintfDoes) {
    const double values[] = {0.0, -0.0, 0.5, 2.5, -649.5, 0.9999996, 999.9995, 1234567.125,
                             0x1p52, 1e300, -std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN()};
    const std::string longText(3000, 'x');
    TextLines lines;
    std::vector<std::string> expected;
    for (int round = 0; round < 2; ++round) {
        for (const double v : values) {
            lines.addf("ﾀｲﾌﾟ,%f,%.0f,%.3f|%8.2f|%4s|%5d|%.9f,", v, v, v, v, "ab", -42, v);
            char buffer[2048];
            std::snprintf(buffer, sizeof buffer, "ﾀｲﾌﾟ,%f,%.0f,%.3f|%8.2f|%4s|%5d|%.9f,", v, v, v,
                          v, "ab", -42, v);
            expected.emplace_back(buffer);
        }
        lines.addf("[%s]%d", longText.c_str(), 7);
        expected.push_back("[" + longText + "]7");
        ASSERT_EQ(lines, expected) << "round " << round;
        lines.clear();
        expected.clear();
    }
}

}  // namespace
}  // namespace kesto
