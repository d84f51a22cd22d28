// Number texts: the full-precision decimal text, reading typed and stored
// texts, and fixed digits after the point with digit grouping.

#include "math/decimal_digits.h"
#include "math/mod_math.h"
#include "math/number_grammar.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <system_error>

namespace modMath {

namespace detail {

DecimalDigits ToDecimalDigits(double v)
{
    (void)CheckedResult(v, "the value");
    // "d.ddddddddddddddde-XXX" at most.
    std::array<char, 32> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v,
                                         std::chars_format::scientific, kSignificantDigits - 1);
    (void)ec; // The buffer is large enough for every finite double.
    DecimalDigits result;
    const char *p = buffer.data();
    if (*p == '-') {
        result.Negative = true;
        ++p;
    }
    result.Digits[0] = *p++;
    ++p; // the point
    for (int i = 1; i < kSignificantDigits; ++i) {
        result.Digits[i] = *p++;
    }
    ++p; // 'e'
    const bool negativeExponent = *p == '-';
    ++p;
    int exponent = 0;
    std::from_chars(p, end, exponent);
    result.Exponent = negativeExponent ? -exponent : exponent;
    return result;
}

} // namespace detail

namespace {

using detail::DecimalDigits;
using detail::kSignificantDigits;

// Number of digits left once trailing zeros are removed (at least one).
int significantLength(const DecimalDigits &d)
{
    int length = kSignificantDigits;
    while (length > 1 && d.Digits[length - 1] == '0') {
        --length;
    }
    return length;
}

void appendExponent(std::string &text, int exponent)
{
    text += 'E';
    text += exponent < 0 ? '-' : '+';
    const int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude < 10) {
        text += '0';
    }
    text += std::to_string(magnitude);
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

[[noreturn]] void throwUnreadable(std::string_view text)
{
    throw ConversionError(std::string(1, '"').append(text).append("\" is not a number"), text);
}

// Moves i past the digits from there on; the count of digits it passed.
std::size_t skipDigits(std::string_view s, std::size_t &i, bool groupSeparators = false)
{
    std::size_t digits = 0;
    for (; i < s.size() && (isDigit(s[i]) || (groupSeparators && s[i] == ',')); ++i) {
        digits += isDigit(s[i]) ? 1 : 0;
    }
    return digits;
}

// Decimal exponent of the first non-zero digit, for a value out of the double
// range, saturated far beyond any double. whole: the whole part's digits.
long long leadingExponent(const NumberParts &n, const std::string &whole, std::string &significant)
{
    constexpr long long kFar = 1'000'000'000'000LL;
    long long exponent = 0;
    if (n.HasExponent) {
        const auto digits = n.ExponentDigits;
        const auto [ptr, ec] =
            std::from_chars(digits.data(), digits.data() + digits.size(), exponent);
        (void)ptr;
        if (ec == std::errc::result_out_of_range || exponent > kFar) {
            exponent = kFar;
        }
        if (n.NegativeExponent) {
            exponent = -exponent;
        }
    }
    const std::string all = whole + std::string(n.Fraction);
    const auto first = all.find_first_not_of('0');
    significant = all.substr(first);
    while (!significant.empty() && significant.back() == '0') {
        significant.pop_back();
    }
    return exponent + static_cast<long long>(whole.size()) - 1 - static_cast<long long>(first);
}

// The digits of |v| times 10^places, rounded to a whole number with halves
// away from zero on the 15-digit decimal text; leading zeros may stand before
// them, and a value that rounds to zero may leave none.
std::string scaledDigits(const DecimalDigits &d, int places)
{
    std::string digits;
    const long long shift = static_cast<long long>(d.Exponent) - (kSignificantDigits - 1) + places;
    if (shift >= 0) {
        digits.reserve(static_cast<std::size_t>(kSignificantDigits + shift));
        digits.assign(d.Digits.data(), kSignificantDigits);
        digits.append(static_cast<std::size_t>(shift), '0');
    } else if (shift >= -kSignificantDigits) {
        const auto kept = static_cast<std::size_t>(kSignificantDigits + shift);
        // A leading "0" takes the carry of a rounding such as 9.99 to 10.0.
        digits.reserve(kept + 1);
        digits.push_back('0');
        digits.append(d.Digits.data(), kept);
        if (d.Digits[kept] >= '5') {
            std::size_t i = digits.size();
            while (digits[i - 1] == '9') {
                digits[--i] = '0';
            }
            ++digits[i - 1];
        }
    }
    return digits;
}

// digits: |value| times 10^places as a whole number without leading zeros.
// The whole part gets "," between groups of three, the fraction `places` digits.
std::string groupedText(std::string digits, std::size_t places, bool negative)
{
    if (digits.size() < places + 1) {
        digits.insert(0, places + 1 - digits.size(), '0');
    }
    const std::size_t wholeLength = digits.size() - places;
    std::string text;
    text.reserve(digits.size() + wholeLength / 3 + 2);
    if (negative) {
        text += '-';
    }
    for (std::size_t i = 0; i < wholeLength; ++i) {
        if (i > 0 && (wholeLength - i) % 3 == 0) {
            text += ',';
        }
        text += digits[i];
    }
    if (places > 0) {
        text += '.';
        text.append(digits, wholeLength, places);
    }
    return text;
}

} // namespace

std::string NumberToText(double v)
{
    if (v == 0) {
        return "0";
    }
    const DecimalDigits d = detail::ToDecimalDigits(v);
    const int length = significantLength(d);
    const int e = d.Exponent;
    std::string text;
    text.reserve(24);
    if (d.Negative) {
        text += '-';
    }
    if (e >= -4 && e <= 14) {
        if (e < 0) {
            text += "0.";
            text.append(static_cast<std::size_t>(-e - 1), '0');
            text.append(d.Digits.data(), static_cast<std::size_t>(length));
        } else {
            const int whole = e + 1;
            for (int i = 0; i < whole; ++i) {
                text += i < length ? d.Digits[i] : '0';
            }
            if (length > whole) {
                text += '.';
                text.append(d.Digits.data() + whole, static_cast<std::size_t>(length - whole));
            }
        }
    } else {
        text += d.Digits[0];
        if (length > 1) {
            text += '.';
            text.append(d.Digits.data() + 1, static_cast<std::size_t>(length - 1));
        }
        appendExponent(text, e);
    }
    return text;
}

std::optional<NumberParts> ScanNumber(std::string_view s, NumberSyntax syntax)
{
    const auto skipBlanks = [&](std::size_t &i) {
        while (i < s.size() && syntax.Blanks.find(s[i]) != std::string_view::npos) {
            ++i;
        }
    };
    NumberParts n;
    std::size_t i = 0;
    skipBlanks(i);
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
        n.Negative = s[i] == '-';
        ++i;
    }
    std::size_t start = i;
    std::size_t digits = skipDigits(s, i, syntax.GroupSeparators);
    n.Whole = s.substr(start, i - start);
    if (i < s.size() && s[i] == '.') {
        start = ++i;
        digits += skipDigits(s, i);
        n.Fraction = s.substr(start, i - start);
    }
    if (digits == 0) {
        return std::nullopt;
    }
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        ++i;
        n.HasExponent = true;
        if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
            n.NegativeExponent = s[i] == '-';
            ++i;
        }
        start = i;
        if (skipDigits(s, i) == 0) {
            return std::nullopt;
        }
        n.ExponentDigits = s.substr(start, i - start);
    }
    skipBlanks(i);
    if (i != s.size()) {
        return std::nullopt;
    }
    return n;
}

double NumberValue(const NumberParts &n, std::string_view text)
{
    std::string whole;
    whole.reserve(n.Whole.size());
    for (const char c : n.Whole) {
        if (c != ',') {
            whole += c;
        }
    }
    std::string clean;
    clean.reserve(whole.size() + n.Fraction.size() + n.ExponentDigits.size() + 4);
    clean += whole.empty() ? "0" : whole;
    if (!n.Fraction.empty()) {
        clean += '.';
        clean += n.Fraction;
    }
    if (n.HasExponent) {
        clean += n.NegativeExponent ? "e-" : "e";
        clean += n.ExponentDigits;
    }
    double value = 0;
    const auto [ptr, ec] = std::from_chars(clean.data(), clean.data() + clean.size(), value);
    if (ec == std::errc() && ptr == clean.data() + clean.size()) {
        return n.Negative ? -value : value;
    }
    if (ec != std::errc::result_out_of_range) {
        throwUnreadable(text);
    }
    std::string significant;
    const long long exponent = leadingExponent(n, whole, significant);
    if (exponent < 0) {
        // Below the smallest double: as near to zero as a double gets.
        return n.Negative ? -0.0 : 0.0;
    }
    // The 15-digit text of the largest double lies just above it; every text
    // the calculator writes must read back, so that one reads as the largest.
    if (exponent == 308 && significant <= "179769313486232") {
        const double largest = std::numeric_limits<double>::max();
        return n.Negative ? -largest : largest;
    }
    throw ArithmeticError("Overflow: \"" + std::string(text) + "\" is beyond the range of numbers");
}

double TextToNumber(std::string_view s)
{
    const std::optional<NumberParts> parts = ScanNumber(s, kBoxNumber);
    if (!parts) {
        throwUnreadable(s);
    }
    return NumberValue(*parts, s);
}

std::string FormatFixed(double v, int n)
{
    const int places = n < 0 ? 0 : n;
    std::string digits;
    bool negative = false;
    if (v != 0) {
        const DecimalDigits d = detail::ToDecimalDigits(v);
        negative = d.Negative;
        digits = scaledDigits(d, places);
    }
    const auto firstNonZero = digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos) {
        // No "-" before a value that rounds to zero.
        return groupedText("0", static_cast<std::size_t>(places), false);
    }
    return groupedText(digits.substr(firstNonZero), static_cast<std::size_t>(places), negative);
}

} // namespace modMath
