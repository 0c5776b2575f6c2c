#include <gtest/gtest.h>

#include <string>

#include "base/text_format.h"

namespace kesto {
namespace {

TEST(Strprintf, FormatsShortAndLongTexts) {
    EXPECT_EQ(strprintf("%s,%f,%.0f", "G+K", 1.5, 649.5), "G+K,1.500000,650");
    EXPECT_EQ(strprintf("%s", ""), "");
    // Around the size that is formatted in one pass.
    for (std::size_t n : {510u, 511u, 512u, 513u, 5000u}) {
        const std::string text(n, 'x');
        EXPECT_EQ(strprintf("[%s]", text.c_str()), "[" + text + "]") << n;
    }
}

}  // namespace
}  // namespace kesto
