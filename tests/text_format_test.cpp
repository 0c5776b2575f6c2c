#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

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

std::string cFormat(const char* format, double value) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

// Every "%f" the program writes must carry the bytes of the C library's printf: values of every
// magnitude, exact ties (k / 2^(p+1) lies halfway between two p-digit decimals for odd k),
// values just around ties, zeros, and the ranges handed back to the C library.
TEST(Strprintf, FixedNotationHasTheBytesOfPrintf) {
    std::vector<double> values = {0.0,
                                  -0.0,
                                  0.5,
                                  1.5,
                                  2.5,
                                  -2.5,
                                  649.5,
                                  0.0078125,
                                  9.9999995,
                                  0.1,
                                  1e-7,
                                  -1e-9,
                                  4.9999999999999996e-7,
                                  0x1p52,
                                  0x1p52 - 1,
                                  4503599.6270496,
                                  1e15,
                                  1e300,
                                  -1e300,
                                  std::numeric_limits<double>::denorm_min(),
                                  std::numeric_limits<double>::max(),
                                  std::numeric_limits<double>::infinity(),
                                  -std::numeric_limits<double>::infinity(),
                                  std::numeric_limits<double>::quiet_NaN()};
    std::mt19937_64 rng(20261208);
    for (int i = 0; i < 12000; ++i) {
        const double mantissa = std::ldexp(static_cast<double>(rng() >> 11), -53);
        const int exponent = static_cast<int>(rng() % 80) - 40;
        const double x = mantissa * std::pow(10.0, exponent) * (rng() % 2 ? 1 : -1);
        values.push_back(x);
        values.push_back(std::nextafter(x, 0.0));
        const int p = static_cast<int>(rng() % 10);
        const double tie = std::ldexp(static_cast<double>(2 * (rng() % 100000000) + 1), -(p + 1));
        values.push_back(tie);
        values.push_back(std::nextafter(tie, 0.0));
        values.push_back(std::nextafter(tie, 1e300));
    }
    const char* formats[] = {"%f",   "%.0f", "%.1f", "%.2f",  "%.3f",  "%.4f",  "%.5f",
                             "%.7f", "%.8f", "%.9f", "%.12f", "%6.3f", "%7.2f", "%4.2f"};
    for (const double x : values) {
        for (const char* format : formats) {
            ASSERT_EQ(strprintf(format, x), cFormat(format, x)) << format << " of " << x;
        }
    }
}

TEST(Strprintf, OtherConversionsHaveTheBytesOfPrintf) {
    EXPECT_EQ(strprintf("%d|%i|%5d|%d", 42, -7, 3, INT_MIN), "42|-7|    3|-2147483648");
    EXPECT_EQ(strprintf("[%6s][%2s]", "ab", "long"), "[    ab][long]");
    EXPECT_EQ(strprintf("100%% %s", "done"), "100% done");
    // Flags, length modifiers and other conversions go to the C library, arguments and all.
    EXPECT_EQ(
        strprintf("%s %-5d| %05.1f %+d %u %ld %c %e %x", "a", 7, 2.25, 3, 4u, 5L, 'z', 0.5, 255),
        "a 7    | 002.2 +3 4 5 z 5.000000e-01 ff");
    EXPECT_EQ(strprintf("%.2s|%.3d|%f", "abc", 5, 1.0), "ab|005|1.000000");
}

TEST(Strprintf, AppendsToAText) {
    std::string out = "x=";
    appendf(out, "%.1f,%d", 1.25, 3);
    appendFixed(out, -0.0005, 3);
    EXPECT_EQ(out, "x=1.2,3-0.001");
}

}  // namespace
}  // namespace kesto
