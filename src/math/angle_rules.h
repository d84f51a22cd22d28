#pragma once

// The quadrant rules for the angle of a rectangular point (x, y), in the order
// they are tried. RectToAngle applies the first that holds; the worked
// solution shows all of them as its rule table and highlights those that hold.

#include <array>

namespace modMath {

// How a coordinate compares with 0 in a rule's condition.
enum class Compare
{
    Below,   // < 0
    AtMost,  // <= 0
    Zero,    // = 0
    AtLeast, // >= 0
    Above    // > 0
};

struct AngleRule
{
    Compare X;
    Compare Y;
    // True: the angle is the arctangent of y / x plus Degrees. False: the
    // point lies on an axis and its angle is Degrees itself.
    bool Arctangent;
    int Degrees;
};

inline constexpr std::array<AngleRule, 6> kAngleRules{{
    {Compare::Above, Compare::AtLeast, true, 0},
    {Compare::Zero, Compare::Above, false, 90},
    {Compare::Below, Compare::AtLeast, true, 180},
    {Compare::Zero, Compare::Below, false, 270},
    {Compare::Below, Compare::AtMost, true, 180},
    {Compare::Above, Compare::AtMost, true, 360},
}};

[[nodiscard]] constexpr bool Holds(Compare compare, double v)
{
    switch (compare) {
    case Compare::Below:
        return v < 0;
    case Compare::AtMost:
        return v <= 0;
    case Compare::Zero:
        return v == 0;
    case Compare::AtLeast:
        return v >= 0;
    case Compare::Above:
        return v > 0;
    }
    return false;
}

[[nodiscard]] constexpr bool Holds(const AngleRule &rule, double x, double y)
{
    return Holds(rule.X, x) && Holds(rule.Y, y);
}

// The first rule that holds for (x, y); null at the origin, where none does.
[[nodiscard]] const AngleRule *FirstAngleRule(double x, double y);

// RadToDeg(arctangent of y / x): through single precision, as every angle on
// its way to degrees. A quotient beyond the double range throws ArithmeticError.
[[nodiscard]] double AtnDegrees(double x, double y);

} // namespace modMath
