#include "conversion_control/pointer_readout.h"

#include "canvas/canvas.h"
#include "conversion_control/diagram_frame.h"
#include "conversion_control/quadrant.h"
#include "math/correctly_rounded.h"
#include "math/mod_math.h"

#include <cmath>

namespace {

// Offsets from the centre, positive to the left of and above it.
struct CentreOffset
{
    double dx;
    double dy;
    double RingSpacing;
};

[[nodiscard]] CentreOffset offsetOf(const Canvas &canvas, float x, float y)
{
    const DiagramFrame frame = MeasureDiagramFrame(canvas);
    if (frame.RingSpacing == 0) {
        throw modMath::ArithmeticError("Division by zero");
    }
    return {frame.cx - x, frame.cy - y, frame.RingSpacing};
}

[[nodiscard]] QuadrantId quadrantOf(const CentreOffset &p)
{
    return QuadrantOfDiagramPlace(-p.dx, p.dy);
}

[[nodiscard]] double angleShown(const CentreOffset &p)
{
    // 1E-8 instead of 0 keeps the vertical through the centre out of a division
    // by zero; the arctangent passes through single precision on its way to
    // degrees, so straight up reads 89.99999749552184, not 90.
    const double q = p.dx == 0 ? 1E-8 : p.dx;
    const double theta = modMath::RadToDeg(modMath::Arctangent(p.dy / q));
    switch (quadrantOf(p)) {
    case QuadrantId::I:
        return std::fabs(theta);
    case QuadrantId::II:
    case QuadrantId::III:
        return 180 - theta;
    case QuadrantId::IV:
        break;
    }
    return 360 - theta;
}

} // namespace

PolarReading PolarReadout(const Canvas &polar, float x, float y, std::string_view rText)
{
    const double r = modMath::TextToNumber(rText);
    const CentreOffset p = offsetOf(polar, x, y);
    const double d = modMath::RectToRadius(p.dx, p.dy);
    const double steps = modMath::CheckedResult(d / p.RingSpacing, "the distance in grid steps");
    const double radius = modMath::CheckedResult(r / kGridSteps * steps, "the radius");
    return {radius, angleShown(p), quadrantOf(p)};
}

RectangularReading RectangularReadout(const Canvas &rectangular, float x, float y,
                                      std::string_view rText)
{
    const double r = modMath::TextToNumber(rText);
    const CentreOffset p = offsetOf(rectangular, x, y);
    // Right and up are positive, while dx grows to the left. The magnitude of r
    // keeps the signs those of the quadrant named beside them, as in the
    // diagram's point label.
    const double scale = std::fabs(r) / kGridSteps;
    const double xSteps = modMath::CheckedResult(p.dx / p.RingSpacing, "x in grid steps");
    const double xValue = modMath::CheckedResult(-(scale * xSteps), "X");
    const double ySteps = modMath::CheckedResult(p.dy / p.RingSpacing, "y in grid steps");
    const double yValue = modMath::CheckedResult(scale * ySteps, "Y");
    return {xValue, yValue, quadrantOf(p)};
}
