#pragma once

// Cosine, sine and arctangent rounded correctly: the double nearest to the
// exact value (ties to even), subnormal results included. The platform's
// mathematics libraries differ in the last bits, and some lose most digits
// near zero; these give the same double on every platform.

namespace modMath {

// π rounded to the nearest double, 3.141592653589793, which is also
// 4 × Arctangent(1).
inline constexpr double kPi = 0x1.921fb54442d18p+1;

[[nodiscard]] double Cosine(double radians);
[[nodiscard]] double Sine(double radians);
[[nodiscard]] double Arctangent(double v);

} // namespace modMath
