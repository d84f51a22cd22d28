#pragma once

// A number as a screen reader is to say it. A listener follows "85,000,000"
// but not a hundred groups of digits: a number with more than 15 digits before
// the point is said as its leading digits and its power of ten.

#include <string>
#include <string_view>

// shown: the number as the screen shows it, "," separators and all, or any
// other text, which is said as it stands. "-85,000,…,000.00" (308 digits
// before the point) is said "-8.5 times 10 to the power 307".
[[nodiscard]] std::string SpokenNumber(std::string_view shown);
