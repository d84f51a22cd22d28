// Degrees and radians, the polar and rectangular formulas and the whole-number
// remainder. Every overflow, division by zero and invalid result is checked by
// hand, because IEEE arithmetic in C++ does not trap.

#include "math/angle_rules.h"
#include "math/correctly_rounded.h"
#include "math/mod_math.h"

#include <cmath>
#include <limits>
#include <string>

namespace modMath {

namespace {

// The smallest magnitude that rounds to infinity in single precision: the
// largest float plus half its last place (the tie goes to the even infinity).
constexpr double kSingleOverflowThreshold = 0x1.ffffffp127;

// Whole number, halves to the even neighbour (the default rounding mode).
double roundHalfEven(double v)
{
    return std::nearbyint(v);
}

float narrowed(double v, const char *what)
{
    if (std::fabs(v) >= kSingleOverflowThreshold) {
        throw ArithmeticError(std::string("Overflow: ") + what +
                              " is beyond the single-precision range");
    }
    return static_cast<float>(CheckedResult(v, what));
}

} // namespace

double CheckedResult(double v, std::string_view what)
{
    if (std::isinf(v)) {
        throw ArithmeticError("Overflow: " + std::string(what) + " is beyond the range of numbers");
    }
    if (std::isnan(v)) {
        throw ArithmeticError("Invalid operation: " + std::string(what) + " is not a number");
    }
    return v;
}

float ToSingle(double v)
{
    return narrowed(v, "a coordinate");
}

double GetPi()
{
    return kPi;
}

double RadToDeg(double radians)
{
    const double x = narrowed(radians, "the angle");
    return (x * 180.0) / GetPi();
}

double DegToRad(double degrees)
{
    const double x = narrowed(degrees, "the angle");
    return (x * GetPi()) / 180.0;
}

double PolarToX(double r, double angle)
{
    return CheckedResult(Cosine(DegToRad(angle)) * r, "x");
}

double PolarToY(double r, double angle)
{
    return CheckedResult(Sine(DegToRad(angle)) * r, "y");
}

double RectToRadius(double x, double y)
{
    // Exactly rounded squares: the result must not depend on how pow is built.
    const double sum = CheckedResult(x * x, "x squared") + CheckedResult(y * y, "y squared");
    return std::sqrt(CheckedResult(sum, "x squared + y squared"));
}

const AngleRule *FirstAngleRule(double x, double y)
{
    for (const AngleRule &rule : kAngleRules) {
        if (Holds(rule, x, y)) {
            return &rule;
        }
    }
    return nullptr;
}

double AtnDegrees(double x, double y)
{
    return RadToDeg(Arctangent(CheckedResult(y / x, "y / x")));
}

double RectToAngle(double x, double y)
{
    const AngleRule *rule = FirstAngleRule(x, y);
    if (rule == nullptr) {
        return 0;
    }
    if (!rule->Arctangent) {
        return rule->Degrees;
    }
    const double atn = AtnDegrees(x, y);
    // Rule 1 adds nothing rather than 0, which would turn an arctangent of -0
    // into +0.
    return rule->Degrees == 0 ? atn : atn + rule->Degrees;
}

double RealMod(double a, double b)
{
    const double roundedA = roundHalfEven(a);
    const double roundedB = roundHalfEven(b);
    const double sign = roundedA > 0 ? 1.0 : (roundedA < 0 ? -1.0 : 0.0);
    const double A = std::fabs(roundedA);
    const double B = std::fabs(roundedB);
    if (B == 0) {
        throw ArithmeticError(A == 0 ? "Invalid operation: 0 divided by 0"
                                     : "Division by zero in the remainder");
    }
    const double q = roundHalfEven(A / B);
    double m = A - B * q;
    if (m < 0) {
        m += B;
    }
    return std::fabs(m) * sign;
}

} // namespace modMath
