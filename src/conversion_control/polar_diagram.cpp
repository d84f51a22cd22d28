#include "conversion_control/polar_diagram.h"

#include "canvas/draw_primitives.h"
#include "conversion_control/diagram_frame.h"
#include "conversion_control/input_boxes.h"
#include "math/correctly_rounded.h"
#include "math/mod_math.h"

#include <cmath>
#include <string>

namespace {

constexpr int kSpokes = 24;
constexpr const char *kDegreeSign = "\u00B0";

void drawSpokesAndAngleLabels(Canvas &canvas, const DiagramFrame &frame)
{
    const double outer = kGridSteps * frame.RingSpacing;
    for (int j = 1; j <= kSpokes; ++j) {
        const double a = (j - 1) * (360.0 / kSpokes);
        const double radians = modMath::DegToRad(a);
        const double cosA = modMath::Cosine(radians);
        const double sinA = modMath::Sine(radians);
        const double ex = outer * cosA;
        const double ey = outer * sinA;
        const long degrees = std::lround(a);
        const OleColor color = degrees % 90 == 0 ? colors::kLightGrey : colors::kButtonFace;
        modMain::DrawLine(canvas, frame.cx, frame.cy, frame.cx + ex, frame.cy - ey, color, 1);

        if (degrees % 45 != 0) {
            continue;
        }
        // Centred on the end of the spoke and pushed outwards by three quarters
        // of the label's size; drawn now, so later spokes cross earlier labels.
        const std::string label = modMath::NumberToText(a) + kDegreeSign;
        const double tw = canvas.TextWidth(label);
        const double th = canvas.TextHeight(label);
        modMain::DrawText(canvas, (frame.W - tw) / 2 + ex + 0.75 * tw * cosA,
                          (frame.H - th) / 2 - ey - 0.75 * th * sinA, label, colors::kBlack,
                          colors::kNone);
    }
}

} // namespace

void DrawPolarDiagram(Canvas &canvas, const InputBoxes &boxes)
{
    const double r = modMath::TextToNumber(boxes.Tag[0]);
    const double angle = modMath::TextToNumber(boxes.Tag[1]);

    const auto started = StartDiagram(canvas);
    if (!started) {
        return;
    }
    const DiagramFrame &frame = *started;

    for (int i = 1; i <= kGridSteps; ++i) {
        modMain::DrawCircle(canvas, frame.cx, frame.cy, i * frame.RingSpacing, colors::kButtonFace,
                            colors::kNone, 0, 360);
    }
    drawSpokesAndAngleLabels(canvas, frame);
    DrawQuadrantLabels(canvas, frame);

    if (modMath::HasNoSignificantDigit(r)) {
        return;
    }
    // The point sits on the outer ring in the direction Ø whatever r is; r only names it.
    const double outer = kGridSteps * frame.RingSpacing;
    const double dx = modMath::PolarToX(outer, angle);
    const double dy = modMath::PolarToY(outer, angle);
    modMain::DrawCircle(canvas, frame.cx, frame.cy, outer, colors::kRed, colors::kNone, 0, 360);
    DrawPointMarker(canvas, frame, dx, dy);
    DrawPointLabel(canvas, frame, dx, dy,
                   "(r=" + modMath::FormatSignificant(r) +
                       ", \u00D8=" + modMath::FormatSignificant(angle) + kDegreeSign + ")");
}
