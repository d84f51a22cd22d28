// MPFR computes each function at 53 bits with a proven rounding. Its exponent
// range is program-wide state, so it is narrowed to the double's only while
// one value is rounded and put back before returning: no other MPFR user in
// the process sees it changed. The scratch number lives on the stack.

#include "math/correctly_rounded.h"

#include <mpfr.h>

namespace modMath {

namespace {

using MpfrFunction = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);

// MPFR's significands lie in [1/2, 1): the smallest subnormal double, 2^-1074,
// has the exponent -1073, and the largest finite double lies below 2^1024.
constexpr mpfr_exp_t kDoubleEmin = -1073;
constexpr mpfr_exp_t kDoubleEmax = 1024;

class DoubleExponentRange
{
public:
    DoubleExponentRange() : m_emin(mpfr_get_emin()), m_emax(mpfr_get_emax())
    {
        mpfr_set_emin(kDoubleEmin);
        mpfr_set_emax(kDoubleEmax);
    }
    ~DoubleExponentRange()
    {
        mpfr_set_emin(m_emin);
        mpfr_set_emax(m_emax);
    }
    DoubleExponentRange(const DoubleExponentRange &) = delete;
    DoubleExponentRange &operator=(const DoubleExponentRange &) = delete;

private:
    mpfr_exp_t m_emin;
    mpfr_exp_t m_emax;
};

double roundedToDouble(MpfrFunction function, double argument)
{
    const DoubleExponentRange range;
    MPFR_DECL_INIT(value, 53);
    // Exact: every double, subnormals too, fits in 53 bits within the range.
    mpfr_set_d(value, argument, MPFR_RNDN);
    int ternary = function(value, value, MPFR_RNDN);
    // A result below the normal range keeps only the bits a subnormal has,
    // rounded once, with the direction of the first rounding breaking ties.
    ternary = mpfr_subnormalize(value, ternary, MPFR_RNDN);
    static_cast<void>(ternary);
    return mpfr_get_d(value, MPFR_RNDN);
}

} // namespace

double Cosine(double radians)
{
    return roundedToDouble(mpfr_cos, radians);
}

double Sine(double radians)
{
    return roundedToDouble(mpfr_sin, radians);
}

double Arctangent(double v)
{
    return roundedToDouble(mpfr_atan, v);
}

} // namespace modMath
