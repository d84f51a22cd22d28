#pragma once

// Reading the significant-values box: which texts set the setting and to what.

#include <cstdint>
#include <optional>
#include <string_view>

// The setting a typed text asks for, or nothing when the text is blank, not a
// number, or outside the 16-bit range. Blanks around the number, a sign, a
// fraction and an exponent are accepted; halves round to the even neighbour.
[[nodiscard]] std::optional<std::int16_t> SignificantValuesFromText(std::string_view text);
