#pragma once

// The 15-significant-digit decimal form of a double, the one shape in which the
// calculator stores, shows and rounds numbers.

#include <array>

namespace modMath::detail {

inline constexpr int kSignificantDigits = 15;

struct DecimalDigits
{
    bool Negative = false;
    // Exactly 15 digits, the first non-zero unless the value is zero.
    std::array<char, kSignificantDigits> Digits{};
    // Decimal exponent of the first digit.
    int Exponent = 0;
};

// Correctly rounded to 15 significant digits; infinity and NaN throw
// ArithmeticError, so they never reach a text.
[[nodiscard]] DecimalDigits ToDecimalDigits(double v);

} // namespace modMath::detail
