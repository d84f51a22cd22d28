// Any double through the full-precision text and the fixed-digit text, and
// back. Input: 8 bytes of double, 1 byte of places (taken modulo 41).

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const double v = input.float64();
    const int places = input.byte() % 41;
    if (!std::isfinite(v)) {
        return 0;
    }
    const std::string value = fuzz::describe(v);

    const std::string text = modMath::NumberToText(v);
    fuzz::require(!fuzz::showsNonFinite(text), "NumberToText shows inf or NaN", value);
    const double read = fuzz::readBack(text, "NumberToText");
    fuzz::require(
        modMath::NumberToText(read) == text, "the 15-digit text does not survive a round trip",
        value + ": " + fuzz::quote(text) + " -> " + fuzz::quote(modMath::NumberToText(read)));
    // Half a unit of the 15th digit is at most 5E-15 of the value; reading
    // the text back adds at most half a unit in the double's last place.
    fuzz::require(std::fabs(read - v) <= 5.2e-15 * std::fabs(v),
                  "the 15-digit text is not the value rounded to 15 digits",
                  value + ": " + fuzz::quote(text));

    const std::string fixed = modMath::FormatFixed(v, places);
    const std::string call =
        value + ", " + std::to_string(places) + " places: " + fuzz::quote(fixed);
    fuzz::require(!fuzz::showsNonFinite(fixed), "FormatFixed shows inf or NaN", call);
    fuzz::require(fuzz::isFixedText(fixed, places),
                  "FormatFixed did not write grouped digits and exactly the places asked", call);
    const double fixedRead = fuzz::readBack(fixed, "FormatFixed");
    fuzz::require(fuzz::withinPlaces(fixedRead, v, places),
                  "FormatFixed is off by more than half a unit in its last place",
                  call + " reads " + fuzz::describe(fixedRead));
    return 0;
}
