// Arbitrary bytes as a typed or stored number text.

#include "fuzz_support.h"

#include <cerrno>
#include <cstdlib>
#include <string>

namespace {

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
        return 0;
    } catch (const modMath::ArithmeticError &) {
        bool outOfRange = false;
        referenceValue(text, outOfRange);
        fuzz::Require(outOfRange, "ArithmeticError for a text within the double range",
                      fuzz::Quote(text));
        return 0;
    } catch (const std::exception &e) {
        fuzz::Fail("TextToNumber threw neither ConversionError nor ArithmeticError",
                   fuzz::Quote(text) + ": " + e.what());
    }
    fuzz::Require(std::isfinite(v), "TextToNumber returned a non-finite value", fuzz::Quote(text));

    bool outOfRange = false;
    const double reference = referenceValue(text, outOfRange);
    // Only the 15-digit text of the largest double may read beyond the range:
    // it reads as the largest, so that every written text reads back.
    if (!outOfRange) {
        fuzz::Require(v == reference, "TextToNumber is not the nearest double",
                      fuzz::Quote(text) + " read " + fuzz::Describe(v) + ", nearest is " +
                          fuzz::Describe(reference));
    } else {
        fuzz::Require(std::fabs(v) == std::numeric_limits<double>::max(),
                      "a text beyond the double range read as a number",
                      fuzz::Quote(text) + " read " + fuzz::Describe(v));
    }

    const std::string written = modMath::NumberToText(v);
    const double again = fuzz::ReadBack(written, "NumberToText");
    fuzz::Require(modMath::NumberToText(again) == written,
                  "the 15-digit text does not survive a round trip",
                  fuzz::Quote(text) + " -> " + fuzz::Quote(written) + " -> " +
                      fuzz::Quote(modMath::NumberToText(again)));
    return 0;
}
