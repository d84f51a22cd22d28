#include "platform/crosshair_strip.h"

#include <cmath>

namespace {

// A place reported from a device pixel, divided by the scale factor and
// multiplied back, may come out a hair below that pixel.
constexpr double kPlaceTolerance = 1.0 / 64;

} // namespace

int PictureOrigin(double origin)
{
    return static_cast<int>(std::lround(origin));
}

int CrosshairPixel(double origin, double at, double dpr)
{
    return static_cast<int>(std::floor(origin + at * dpr + kPlaceTolerance));
}

PixelSpan CoveringSpan(int device, int windowOffset, double dpr)
{
    // Rounding the quotients outwards can only widen the span.
    const int first = static_cast<int>(std::floor(device / dpr));
    const int end = static_cast<int>(std::ceil((device + 1) / dpr));
    return {first - windowOffset, end - windowOffset};
}
