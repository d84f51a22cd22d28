#pragma once

// The grammar every number text of the calculator follows: blanks, an optional
// sign, digits, an optional point and fraction, an optional exponent, blanks.
// The boxes and the significant-values box differ only in which blanks they
// allow and whether "," may stand among the digits.

#include <optional>
#include <string_view>

namespace modMath {

struct NumberSyntax
{
    // Characters skipped before and after the number.
    std::string_view Blanks;
    // Whether "," may stand anywhere among the digits before the point.
    bool GroupSeparators;
};

// What TextToNumber reads: the texts typed into and stored in the boxes.
inline constexpr NumberSyntax kBoxNumber{" ", true};

// Views into the scanned text.
struct NumberParts
{
    bool Negative = false;
    std::string_view Whole; // the digits before the point, "," included
    std::string_view Fraction;
    bool HasExponent = false;
    bool NegativeExponent = false;
    std::string_view ExponentDigits;
};

// Empty unless the whole text is one number with at least one digit before
// its exponent (5. and .5 count) and, with an exponent, at least one after it.
[[nodiscard]] std::optional<NumberParts> ScanNumber(std::string_view text, NumberSyntax syntax);

// The double nearest to the scanned number; a value below the smallest double
// is zero of its sign. Beyond the largest it throws ArithmeticError naming
// `text`, except that the largest double's 15-digit text reads as that double.
[[nodiscard]] double NumberValue(const NumberParts &parts, std::string_view text);

} // namespace modMath
