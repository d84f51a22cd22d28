#include "math/correctly_rounded.h"
#include "math/mod_math.h"

#include <gtest/gtest.h>
#include <mpfr.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace modMath;

namespace {

struct HardCase
{
    const char *Name;
    double (*Function)(double);
    double Argument;
    double Expected; // rounded from 600 bits by an independent library
};

} // namespace

// Arguments as the calculator makes them (DegToRad of whole degrees) and at the
// edges of the double range. Some are where a platform's library is a unit in
// the last place off (945 degrees in glibc) or loses most digits near zero.
TEST(CorrectlyRounded, HardCases)
{
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<HardCase> rows{
        {"sin of 180 degrees", Sine, DegToRad(180), 0x1.1a62633145c07p-53},
        {"cos of 90 degrees", Cosine, DegToRad(90), 0x1.1a62633145c07p-54},
        {"cos of 270 degrees", Cosine, DegToRad(270), -0x1.a79394c9e8a0ap-53},
        {"sin of 945 degrees", Sine, DegToRad(945), -0x1.6a09e667f3bb7p-1},
        {"cos of 945 degrees", Cosine, DegToRad(945), -0x1.6a09e667f3be2p-1},
        {"sin of 3600 degrees", Sine, DegToRad(3600), -0x1.60fafbfd97309p-49},
        {"sin of 1E6 degrees", Sine, DegToRad(1e6), -0x1.f838b8c81279ep-1},
        {"cos of 1E30 degrees", Cosine, DegToRad(1e30), -0x1.3b083f5119fb5p-2},
        {"sin of -1E30 degrees", Sine, DegToRad(-1e30), 0x1.e72b0316c04d9p-1},
        {"sin of 0.1 degree", Sine, DegToRad(0.1), 0x1.c9870174c06a9p-10},
        {"sin of 1E22", Sine, 1e22, -0x1.b453ab76bf397p-1},
        {"cos of 1E22", Cosine, 1e22, 0x1.0be2cef01c8f4p-1},
        {"sin of the largest double", Sine, 0x1.fffffffffffffp+1023, 0x1.452fc98b34e97p-8},
        {"cos of the largest double", Cosine, 0x1.fffffffffffffp+1023, -0x1.fffe62ecfab75p-1},
        {"sin of the smallest normal", Sine, 0x1p-1022, 0x1p-1022},
        {"sin of a subnormal", Sine, 0x3p-1074, 0x3p-1074},
        {"cos of the smallest subnormal", Cosine, 0x1p-1074, 1},
        {"atan of 1", Arctangent, 1, 0x1.921fb54442d18p-1},
        {"atan of 0.5", Arctangent, 0.5, 0x1.dac670561bb4fp-2},
        {"atan of 1E-10", Arctangent, 1e-10, 1e-10},
        {"atan of 1E300", Arctangent, 1e300, 0x1.921fb54442d18p+0},
        {"atan of -1E300", Arctangent, -1e300, -0x1.921fb54442d18p+0},
        {"atan of infinity", Arctangent, inf, 0x1.921fb54442d18p+0},
        {"atan of a negative subnormal", Arctangent, -0x1p-1074, -0x1p-1074},
    };
    for (const HardCase &row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(row.Function(row.Argument), row.Expected);
    }
    EXPECT_TRUE(std::signbit(Sine(-0.0)));
    EXPECT_TRUE(std::signbit(Arctangent(-0.0)));
    EXPECT_TRUE(std::isnan(Sine(inf)));
    EXPECT_TRUE(std::isnan(Cosine(std::numeric_limits<double>::quiet_NaN())));
}

TEST(CorrectlyRounded, PiIsTheArctangentOfOneTimesFour)
{
    EXPECT_EQ(GetPi(), 4 * Arctangent(1));
    EXPECT_EQ(GetPi(), kPi);
}

// The texts a user sees where the platform's functions differ: a half turn and
// ten turns (one library gives -1.22460635382238E-14 here), and 945 degrees.
TEST(CorrectlyRounded, ThroughThePolarFormulas)
{
    EXPECT_EQ(NumberToText(PolarToY(5, 180)), "6.12323399573677E-16");
    EXPECT_EQ(NumberToText(PolarToY(5, 3600)), "-1.22464679914735E-14");
    EXPECT_EQ(PolarToY(4, 945), 4 * -0x1.6a09e667f3bb7p-1);
}

// The exponent range is MPFR's program-wide state: rounding leaves it as it was.
TEST(CorrectlyRounded, LeavesMpfrsExponentRangeAsItFoundIt)
{
    const mpfr_exp_t emin = mpfr_get_emin();
    const mpfr_exp_t emax = mpfr_get_emax();
    ASSERT_EQ(mpfr_set_emin(-5000), 0);
    ASSERT_EQ(mpfr_set_emax(5000), 0);
    EXPECT_EQ(Sine(0x3p-1074), 0x3p-1074);
    EXPECT_EQ(mpfr_get_emin(), -5000);
    EXPECT_EQ(mpfr_get_emax(), 5000);
    mpfr_set_emin(emin);
    mpfr_set_emax(emax);
}
