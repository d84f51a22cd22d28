#include "conversion_control/rectangular_diagram.h"

#include "canvas/draw_primitives.h"
#include "conversion_control/diagram_frame.h"
#include "conversion_control/input_boxes.h"
#include "math/correctly_rounded.h"
#include "math/mod_math.h"

#include <cmath>

namespace {

void drawGrid(Canvas &canvas, const DiagramFrame &frame)
{
    const double s = frame.RingSpacing;
    const double cx = frame.cx;
    const double cy = frame.cy;
    const double outer = kGridSteps * s;
    for (int i = -kGridSteps; i <= kGridSteps; ++i) {
        const OleColor color = i == 0 ? colors::kLightGrey : colors::kButtonFace;
        modMain::DrawLine(canvas, cx - outer, cy + i * s, cx + outer, cy + i * s, color, 1);
        modMain::DrawLine(canvas, cx + i * s, cy - outer, cx + i * s, cy + outer, color, 1);
    }
}

void drawAxisLetters(Canvas &canvas, const DiagramFrame &frame)
{
    const double outer = kGridSteps * frame.RingSpacing;
    // One letter-width beyond the end of the x axis, centred on it.
    double tw = canvas.TextWidth("X");
    double th = canvas.TextHeight("X");
    modMain::DrawText(canvas, frame.cx + outer + tw, frame.cy - th / 2, "X", colors::kBlack,
                      colors::kNone);
    // Centred above the top of the y axis, its bottom edge on the axis end.
    tw = canvas.TextWidth("Y");
    th = canvas.TextHeight("Y");
    modMain::DrawText(canvas, frame.cx - tw / 2, frame.cy - outer - th, "Y", colors::kBlack,
                      colors::kNone);
}

} // namespace

void DrawRectangularDiagram(Canvas &canvas, const InputBoxes &boxes)
{
    const double r = modMath::TextToNumber(boxes.Tag[0]);
    const double x = modMath::TextToNumber(boxes.Tag[2]);
    const double y = modMath::TextToNumber(boxes.Tag[3]);

    const auto started = StartDiagram(canvas);
    if (!started) {
        return;
    }
    const DiagramFrame &frame = *started;

    drawGrid(canvas, frame);
    drawAxisLetters(canvas, frame);
    DrawQuadrantLabels(canvas, frame);

    if (modMath::HasNoSignificantDigit(y) && modMath::HasNoSignificantDigit(x)) {
        return;
    }
    // The dot keeps the direction of (x, y) on the circle of radius 6 s; the
    // label reads its place back off the grid at r / 6 per step.
    const double s = frame.RingSpacing;
    const double outer = kGridSteps * s;
    const double theta = modMath::RectToAngle(x, y);
    const double radians = modMath::DegToRad(theta);
    const double dx = outer * modMath::Cosine(radians);
    const double dy = outer * modMath::Sine(radians);
    modMain::DrawCircle(canvas, frame.cx, frame.cy, outer, colors::kRed, colors::kNone, 0, 360);
    DrawPointMarker(canvas, frame, dx, dy);
    // The grid measures distance: with a negative r its magnitude keeps the
    // label's signs those of x and y and of the quadrant the dot is in.
    const double scale = std::fabs(r) / kGridSteps;
    const double xValue = modMath::CheckedResult(scale * (dx / s), "the point's X");
    const double yValue = modMath::CheckedResult(scale * (dy / s), "the point's Y");
    DrawPointLabel(canvas, frame, dx, dy,
                   "(X=" + modMath::FormatSignificant(xValue) +
                       ", Y=" + modMath::FormatSignificant(yValue) + ")");
}
