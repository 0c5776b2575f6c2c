// The zero test and π shared by every formula of the program.
#pragma once

#include <cmath>

namespace kesto {

// A value counts as zero below this magnitude.
inline constexpr double kZeroTolerance = 1e-10;
inline bool isZero(double x) {
    return std::fabs(x) < kZeroTolerance;
}
// Positive and not zero by the zero test.
inline bool isPositive(double x) {
    return x >= kZeroTolerance;
}

// π to the ten digits of the stored formulas, so that results match the stored documents.
inline constexpr double kPi = 3.141592654;

}  // namespace kesto
