// The display form of any double under any significant-values setting.
// Input: 8 bytes of double, 2 bytes of setting (negative and 32767 included).

#include "fuzz_support.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const double v = input.Double();
    const std::int16_t setting = input.Int16();
    if (!std::isfinite(v)) {
        return 0;
    }
    modMath::SignificantValues = setting;

    std::string shown;
    try {
        shown = modMath::FormatSignificant(v);
    } catch (const std::exception &e) {
        fuzz::Fail("FormatSignificant threw for a finite value",
                   fuzz::Describe(v) + ", setting " + std::to_string(setting) + ": " + e.what());
    }
    const std::string call =
        fuzz::Describe(v) + ", setting " + std::to_string(setting) + ": " + fuzz::Quote(shown);
    fuzz::Require(!fuzz::ShowsNonFinite(shown), "FormatSignificant shows inf or NaN", call);

    // The setting counts digits after the point; it caps what is shown.
    const int places = fuzz::PlacesOf(shown);
    fuzz::Require(places <= std::max<int>(setting, 0),
                  "FormatSignificant shows more places than the setting", call);
    fuzz::Require(fuzz::IsFixedText(shown, places), "FormatSignificant wrote a malformed text",
                  call);
    const double read = fuzz::ReadBack(shown, "FormatSignificant");
    fuzz::Require(fuzz::WithinPlaces(read, v, places),
                  "FormatSignificant is off by more than half a unit in its last place",
                  call + " reads " + fuzz::Describe(read));
    return 0;
}
