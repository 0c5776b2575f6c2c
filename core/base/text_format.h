// printf-style formatting into a std::string: the detail lines, messages and reports use the
// C formats ("%f", "%6.3f", "%.0f") of the stored texts.
#pragma once

#include <string>

namespace kesto {

std::string strprintf(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace kesto
