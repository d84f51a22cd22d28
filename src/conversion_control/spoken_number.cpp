#include "conversion_control/spoken_number.h"

#include <cstddef>

namespace {

// Beyond the 15 significant digits the calculator keeps, digits are a count.
constexpr std::size_t kLongestSaidWhole = 15;

[[nodiscard]] bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::string SpokenNumber(std::string_view shown)
{
    const bool negative = !shown.empty() && shown.front() == '-';
    std::string digits;
    std::size_t whole = 0;
    bool afterPoint = false;
    for (std::size_t i = negative ? 1 : 0; i < shown.size(); ++i) {
        const char c = shown[i];
        if (isDigit(c)) {
            digits += c;
            whole += afterPoint ? 0 : 1;
        } else if (c == '.' && !afterPoint) {
            afterPoint = true;
        } else if (c != ',' || afterPoint) {
            return std::string(shown);
        }
    }
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos || first >= whole || whole - first <= kLongestSaidWhole) {
        return std::string(shown);
    }
    const std::size_t last = digits.find_last_not_of('0');
    std::string said = negative ? "-" : "";
    said += digits[first];
    if (last > first) {
        said += '.';
        said.append(digits, first + 1, last - first);
    }
    return said + " times 10 to the power " + std::to_string(whole - first - 1);
}
