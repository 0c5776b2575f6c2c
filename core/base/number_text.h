// Numbers typed into dialog fields: what a field accepts and how a stored number is shown.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include "base/message_text.h"

namespace kesto {

// The message for a field that does not hold a number.
inline constexpr const char* kNotANumberMessage = KESTO_MESSAGE("数字を入力してください。");

// A decimal number with optional sign, fraction and exponent, blanks around it allowed. Empty
// text, trailing characters, hexadecimal, infinity and NaN are refused.
std::optional<double> parseNumberText(std::string_view text);

// A stored number as a field shows it: 15 significant digits, no trailing zeros ("27.16",
// "1840", "12.6" for 8.4 × 1.5). Callers that must keep the exact stored value compare a field's
// text with this one and keep the stored value when it is unchanged.
std::string formatNumberText(double value);

}  // namespace kesto
