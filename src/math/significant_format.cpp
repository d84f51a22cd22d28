// The display form of a number under the significant-values setting, which
// counts digits after the decimal point.

#include "math/mod_math.h"

#include <cmath>

namespace modMath {

std::string FormatSignificant(double v)
{
    const int places = SignificantValues < 0 ? 0 : SignificantValues;
    const std::string text = NumberToText(v);
    const auto point = text.find('.');
    if (point == std::string::npos) {
        return FormatFixed(v, 0);
    }
    // Characters after the point; in the exponent form the exponent counts too.
    const auto after = static_cast<int>(text.size() - point - 1);
    if (after < places) {
        return FormatFixed(v, after);
    }
    const double rounded = TextToNumber(FormatFixed(v, places));
    const double whole = std::trunc(rounded);
    if (rounded != whole) {
        return FormatFixed(rounded, places);
    }
    return FormatFixed(whole, 0);
}

bool HasNoSignificantDigit(double v)
{
    // Every non-zero value's decimal text holds a digit 1 to 9.
    return v == 0;
}

} // namespace modMath
