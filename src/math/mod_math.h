#pragma once

// Coordinate math and number texts shared by every part of the calculator.
// Standard C++ only: no toolkit types cross this interface.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace modMath {

// Digits shown after the decimal point of every rounded number. The main
// window sets it to 2 at load and from the significant-values box afterwards.
inline std::int16_t SignificantValues = 0;

// An overflow, a division by zero or an invalid operation: IEEE arithmetic
// does not trap, so every such case is checked and reported with this.
class ArithmeticError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// A text that cannot be read as a number. TextToNumber's message names the
// text, and Text() gives it back to whoever shows it.
class ConversionError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
    ConversionError(const std::string &message, std::string_view text)
        : std::runtime_error(message), m_text(text)
    {}
    [[nodiscard]] const std::string &Text() const noexcept { return m_text; }

private:
    std::string m_text;
};

[[nodiscard]] double GetPi();

// Both take their argument in single precision, as the calculator always has:
// the double is rounded to the nearest float at the call (overflow beyond it).
[[nodiscard]] double RadToDeg(double radians);
[[nodiscard]] double DegToRad(double degrees);

[[nodiscard]] double PolarToX(double r, double angle);
[[nodiscard]] double PolarToY(double r, double angle);
[[nodiscard]] double RectToRadius(double x, double y);
[[nodiscard]] double RectToAngle(double x, double y);
[[nodiscard]] double RealMod(double a, double b);

// Number texts, UTF-8, "." as decimal point and "," between digit groups,
// whatever the user's regional settings.
[[nodiscard]] std::string NumberToText(double v);
[[nodiscard]] double TextToNumber(std::string_view s);
[[nodiscard]] std::string FormatFixed(double v, int n);
[[nodiscard]] std::string FormatSignificant(double v);
[[nodiscard]] bool HasNoSignificantDigit(double v);

// The double rounded to single precision; throws ArithmeticError when it lies
// beyond the single range.
[[nodiscard]] float ToSingle(double v);

// IEEE arithmetic does not trap: a result that may have left the double range
// passes here before it can reach a coordinate or a text. Infinity and NaN
// throw ArithmeticError with a message that names the result as `what`.
[[nodiscard]] double CheckedResult(double v, std::string_view what);

} // namespace modMath
