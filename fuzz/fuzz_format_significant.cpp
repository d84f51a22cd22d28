// The display form of any double under any significant-values setting.
// Input: 8 bytes of double, 2 bytes of setting (negative and 32767 included).

#include "fuzz_support.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const double v = input.float64();
    const std::int16_t setting = input.int16();
    if (!std::isfinite(v)) {
        return 0;
    }
    modMath::SignificantValues = setting;

    std::string shown;
    try {
        shown = modMath::FormatSignificant(v);
    } catch (const std::exception &e) {
        fuzz::fail("FormatSignificant threw for a finite value",
                   fuzz::describe(v) + ", setting " + std::to_string(setting) + ": " + e.what());
    }
    const std::string call =
        fuzz::describe(v) + ", setting " + std::to_string(setting) + ": " + fuzz::quote(shown);
    fuzz::require(!fuzz::showsNonFinite(shown), "FormatSignificant shows inf or NaN", call);

    // The setting counts digits after the point; it caps what is shown.
    const int places = fuzz::placesOf(shown);
    fuzz::require(places <= std::max<int>(setting, 0),
                  "FormatSignificant shows more places than the setting", call);
    fuzz::require(fuzz::isFixedText(shown, places), "FormatSignificant wrote a malformed text",
                  call);
    const double read = fuzz::readBack(shown, "FormatSignificant");
    fuzz::require(fuzz::withinPlaces(read, v, places),
                  "FormatSignificant is off by more than half a unit in its last place",
                  call + " reads " + fuzz::describe(read));
    return 0;
}
