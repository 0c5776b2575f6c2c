#include <gtest/gtest.h>

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

}  // namespace
}  // namespace kesto
