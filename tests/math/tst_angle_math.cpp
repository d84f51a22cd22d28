#include "math/angle_rules.h"
#include "math/mod_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

using namespace modMath;

namespace {

struct TwoArgumentCase
{
    const char *Name;
    double A, B;
    const char *Expected; // the 15-digit decimal text of the result
};

void expectText(double (*f)(double, double), const std::vector<TwoArgumentCase> &rows)
{
    for (const auto &row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(NumberToText(f(row.A, row.B)), row.Expected);
    }
}

} // namespace

TEST(AngleMath, PiAndTheSinglePrecisionAnglePath)
{
    EXPECT_EQ(GetPi(), 3.141592653589793);
    // 0.1 enters as the float 0.100000001490116.
    EXPECT_EQ(NumberToText(DegToRad(0.1)), "0.00174532927800176");
    EXPECT_EQ(RadToDeg(std::atan(1.0)), 45.00000125223908);
    // Multiplication comes first: (x * 180) / pi; x * (180 / pi) would give
    // 157.56339366097637, a unit in the last place lower.
    EXPECT_EQ(RadToDeg(2.75), 157.5633936609764);
    // The largest float, 3.40282346638529E+38, still converts.
    EXPECT_EQ(DegToRad(3.4028234e38), 5.939047335254988e36);
}

TEST(AngleMath, AnglesBeyondTheSingleRangeOverflow)
{
    EXPECT_THROW((void)DegToRad(3.5e38), ArithmeticError);
    EXPECT_THROW((void)RadToDeg(-1e300), ArithmeticError);
    EXPECT_THROW((void)PolarToX(5, 1e39), ArithmeticError);
    EXPECT_THROW((void)PolarToY(5, -1e39), ArithmeticError);
    // The largest float plus less than half its last place still rounds down.
    EXPECT_NO_THROW((void)DegToRad(0x1.fffffefffffffp127));
    EXPECT_THROW((void)DegToRad(0x1.ffffffp127), ArithmeticError);
}

TEST(AngleMath, PolarFormulas)
{
    expectText(PolarToX, {{"30 degrees", 5, 30, "4.33012701892219"},
                          {"90 degrees: tiny, not zero", 5, 90, "3.06161699786838E-16"},
                          {"180 degrees", 5, 180, "-5"},
                          {"-30 degrees", 5, -30, "4.33012701892219"},
                          {"0.1 degree", 5, 0.1, "4.99999238456621"},
                          {"270 degrees: tiny negative", 5, 270, "-9.18485099360515E-16"}});
    expectText(PolarToY, {{"30 degrees", 5, 30, "2.5"},
                          {"90 degrees", 5, 90, "5"},
                          {"180 degrees: tiny, not zero", 5, 180, "6.12323399573677E-16"},
                          {"-30 degrees", 5, -30, "-2.5"},
                          {"0.1 degree", 5, 0.1, "0.00872664195952851"},
                          {"360 degrees: tiny negative", 5, 360, "-1.22464679914735E-15"}});
}

TEST(AngleMath, RectangularRadius)
{
    EXPECT_EQ(RectToRadius(3, 4), 5);
    EXPECT_EQ(RectToRadius(-3, -4), 5);
    EXPECT_EQ(RectToRadius(0, 0), 0);
    EXPECT_EQ(RectToRadius(1e154, 0), 1e154);
    EXPECT_THROW((void)RectToRadius(1.4e154, 0), ArithmeticError);
    EXPECT_THROW((void)RectToRadius(0, -1.4e154), ArithmeticError);
    // Each square fits, their sum does not.
    EXPECT_THROW((void)RectToRadius(1.2e154, 1.2e154), ArithmeticError);
}

TEST(AngleMath, QuadrantRulesOfTheAngle)
{
    expectText(RectToAngle,
               {{"rule 1 diagonal", 1, 1, "45.0000012522391"},
                {"rule 3 diagonal", -1, 1, "134.999998747761"},
                {"rule 5 diagonal", -1, -1, "225.000001252239"},
                {"rule 6 diagonal", 1, -1, "314.999998747761"},
                {"rule 1 (3,4)", 3, 4, "53.1301017798049"},
                {"rule 3 (-3,4)", -3, 4, "126.869898220195"},
                {"rule 5 (-3,-4)", -3, -4, "233.130101779805"},
                {"rule 6 (3,-4)", 3, -4, "306.869898220195"},
                {"positive x axis is rule 1", 5, 0, "0"},
                {"negative x axis is rule 3: exactly 180", -5, 0, "180"},
                {"positive y axis is rule 2", 0, 5, "90"},
                {"negative y axis is rule 4", 0, -5, "270"},
                {"origin is rule 7", 0, 0, "0"},
                {"single precision crosses 90 from rule 1", 1e-20, 1, "90.0000025044782"},
                {"single precision crosses 90 from rule 3", -1e-20, 1, "89.9999974955218"},
                {"rule 6 rounds to exactly 360", 1, -1e-20, "360"},
                {"rule 5 rounds to exactly 180", -1, -1e-20, "180"},
                {"back from the polar formulas", 4.33012701892219, 2.5, "30.0000008348261"}});
    EXPECT_EQ(RectToAngle(1, -1e-20), 360);
    EXPECT_EQ(RectToAngle(-0.0, 0.0), 0);
}

// The rule the angle follows, and so the row the worked solution names, for
// points in each quadrant, on each half axis and at the origin.
TEST(AngleMath, FirstRuleThatHolds)
{
    const struct
    {
        double X, Y;
        int Rule; // 1 to 6 in table order; 0: none
    } rows[] = {{3, 4, 1},       {5, 0, 1},  {5, -0.0, 1},   {0, 5, 2},   {-0.0, 5, 2},
                {-3, 4, 3},      {-5, 0, 3}, {0, -5, 4},     {-3, -4, 5}, {3, -4, 6},
                {1, -1e-300, 6}, {0, 0, 0},  {-0.0, -0.0, 0}};
    for (const auto &row : rows) {
        SCOPED_TRACE(std::to_string(row.X) + ", " + std::to_string(row.Y));
        const AngleRule *rule = FirstAngleRule(row.X, row.Y);
        EXPECT_EQ(rule == nullptr ? 0 : rule - kAngleRules.data() + 1, row.Rule);
    }
}

TEST(AngleMath, CheckedResultNamesWhatLeftTheRange)
{
    EXPECT_EQ(CheckedResult(-1.5, "x"), -1.5);
    EXPECT_EQ(CheckedResult(std::numeric_limits<double>::max(), "x"),
              std::numeric_limits<double>::max());
    const struct
    {
        double V;
        const char *Message;
    } rows[] = {
        {std::numeric_limits<double>::infinity(), "Overflow: x is beyond the range of numbers"},
        {-std::numeric_limits<double>::infinity(), "Overflow: x is beyond the range of numbers"},
        {std::numeric_limits<double>::quiet_NaN(), "Invalid operation: x is not a number"}};
    for (const auto &row : rows) {
        try {
            (void)CheckedResult(row.V, "x");
            ADD_FAILURE() << row.Message;
        } catch (const ArithmeticError &e) {
            EXPECT_STREQ(e.what(), row.Message);
        }
    }
}

TEST(AngleMath, AngleQuotientBeyondTheDoubleRangeOverflows)
{
    EXPECT_THROW((void)RectToAngle(1e-300, 1e300), ArithmeticError);
    EXPECT_THROW((void)RectToAngle(-1e-300, -1e300), ArithmeticError);
    // An underflowing quotient is no fault.
    EXPECT_EQ(RectToAngle(1e300, 1e-300), 0);
}

TEST(AngleMath, RemainderRoundsBothOperandsHalvesToEven)
{
    expectText(RealMod, {{"one turn and 5", 725, 360, "5"},
                         {"one and a half turns", 540, 360, "180"},
                         {"two and a half turns", 900, 360, "180"},
                         {"a whole turn", 360, 360, "0"},
                         {"negative keeps its sign", -30, 360, "-30"},
                         {"negative beyond a turn", -725, 360, "-5"},
                         {"45.5 rounds up to even 46", 45.5, 360, "46"},
                         {"44.5 rounds down to even 44", 44.5, 360, "44"},
                         {"-0.4 rounds to 0", -0.4, 360, "0"},
                         {"divisor's sign does not matter", 10, -3, "1"},
                         {"dividend's sign does", -10, 3, "-1"},
                         {"divisor 2.5 rounds to 2", 7, 2.5, "1"},
                         {"divisor 3.5 rounds to 4", 7, 3.5, "3"}});
}

TEST(AngleMath, RemainderByZeroFails)
{
    EXPECT_THROW((void)RealMod(5, 0), ArithmeticError);
    EXPECT_THROW((void)RealMod(5, 0.4), ArithmeticError);
    EXPECT_THROW((void)RealMod(0, -0.5), ArithmeticError);
}
