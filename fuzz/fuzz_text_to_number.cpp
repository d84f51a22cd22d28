// Arbitrary bytes as a typed or stored number text.

#include "fuzz_support.h"

#include <cerrno>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// An independent reading of the number grammar: blanks, an optional sign,
// digits with "," anywhere before the point, an optional "." and digits (at
// least one digit in all), an optional exponent with at least one digit,
// blanks.
bool isNumberText(std::string_view s)
{
    std::size_t i = 0;
    const auto skip = [&](auto accepted) {
        std::size_t count = 0;
        while (i < s.size() && accepted(s[i])) {
            ++i;
            ++count;
        }
        return count;
    };
    const auto sign = [&] {
        if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
            ++i;
        }
    };
    skip([](char c) { return c == ' '; });
    sign();
    std::size_t digits = 0;
    while (i < s.size() && (isDigit(s[i]) || s[i] == ',')) {
        digits += isDigit(s[i]) ? 1 : 0;
        ++i;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        digits += skip(isDigit);
    }
    if (digits == 0) {
        return false;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        sign();
        if (skip(isDigit) == 0) {
            return false;
        }
    }
    skip([](char c) { return c == ' '; });
    return i == s.size();
}

// The text as the C library reads it, "," removed: an independent nearest
// double to compare with, for texts that TextToNumber accepted.
double referenceValue(std::string_view text, bool &outOfRange)
{
    std::string plain;
    for (const char c : text) {
        if (c != ',' && c != ' ') {
            plain += c;
        }
    }
    errno = 0;
    const double v = std::strtod(plain.c_str(), nullptr);
    outOfRange = errno == ERANGE && std::isinf(v);
    return v;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    double v = 0;
    try {
        v = modMath::TextToNumber(text);
    } catch (const modMath::ConversionError &) {
        fuzz::require(!isNumberText(text), "a number text was refused", fuzz::quote(text));
        return 0;
    } catch (const modMath::ArithmeticError &) {
        fuzz::require(isNumberText(text), "ArithmeticError for a text that is no number",
                      fuzz::quote(text));
        bool outOfRange = false;
        referenceValue(text, outOfRange);
        fuzz::require(outOfRange, "ArithmeticError for a text within the double range",
                      fuzz::quote(text));
        return 0;
    } catch (const std::exception &e) {
        fuzz::fail("TextToNumber threw neither ConversionError nor ArithmeticError",
                   fuzz::quote(text) + ": " + e.what());
    }
    fuzz::require(std::isfinite(v), "TextToNumber returned a non-finite value", fuzz::quote(text));
    fuzz::require(isNumberText(text), "a text that is no number was read", fuzz::quote(text));

    bool outOfRange = false;
    const double reference = referenceValue(text, outOfRange);
    // Only the 15-digit text of the largest double may read beyond the range:
    // it reads as the largest, so that every written text reads back.
    if (!outOfRange) {
        fuzz::require(v == reference, "TextToNumber is not the nearest double",
                      fuzz::quote(text) + " read " + fuzz::describe(v) + ", nearest is " +
                          fuzz::describe(reference));
    } else {
        fuzz::require(std::fabs(v) == std::numeric_limits<double>::max(),
                      "a text beyond the double range read as a number",
                      fuzz::quote(text) + " read " + fuzz::describe(v));
    }

    const std::string written = modMath::NumberToText(v);
    const double again = fuzz::readBack(written, "NumberToText");
    fuzz::require(modMath::NumberToText(again) == written,
                  "the 15-digit text does not survive a round trip",
                  fuzz::quote(text) + " -> " + fuzz::quote(written) + " -> " +
                      fuzz::quote(modMath::NumberToText(again)));
    return 0;
}
