#include "main_window/significant_setting.h"

#include "math/mod_math.h"
#include "math/number_grammar.h"

#include <cmath>
#include <limits>

namespace {

// Blanks or tabs around the number, no group separators: what the platform's
// own reading of a number takes.
constexpr modMath::NumberSyntax kSettingNumber{" \t", false};

} // namespace

std::optional<std::int16_t> SignificantValuesFromText(std::string_view text)
{
    const auto parts = modMath::ScanNumber(text, kSettingNumber);
    if (!parts) {
        return std::nullopt;
    }
    double value = 0;
    try {
        value = modMath::NumberValue(*parts, text);
    } catch (const modMath::ArithmeticError &) {
        return std::nullopt; // far beyond the 16-bit range
    } catch (const modMath::ConversionError &) {
        return std::nullopt;
    }
    // Halves to the even neighbour, the default rounding mode.
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}
