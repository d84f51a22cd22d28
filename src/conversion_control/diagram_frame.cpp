#include "conversion_control/diagram_frame.h"

#include "canvas/draw_primitives.h"
#include "conversion_control/quadrant.h"
#include "math/mod_math.h"

#include <string>

namespace {

constexpr float kLabelFontSize = 12.0f;
constexpr float kDrawingFontSize = 8.0f;
constexpr double kMarkerRadius = 5.0;
constexpr double kLabelGap = 10.0;

// "(+,-)" for the quadrant's label, "+,-" to measure the line it stands on.
std::string signsOf(QuadrantId quadrant, bool parenthesized)
{
    std::string signs = {XSign(quadrant) > 0 ? '+' : '-', ',', YSign(quadrant) > 0 ? '+' : '-'};
    return parenthesized ? "(" + signs + ")" : signs;
}

} // namespace

DiagramFrame MeasureDiagramFrame(const Canvas &canvas)
{
    DiagramFrame frame;
    frame.W = canvas.ScaleWidth();
    frame.H = canvas.ScaleHeight();
    frame.cx = double(frame.W) / 2;
    frame.cy = double(frame.H) / 2;
    if (frame.cx >= frame.cy) {
        const double t = canvas.TextHeight("XXXX");
        frame.RingSpacing = (double(frame.H) - 3 * t) / 2 / kGridSteps;
    } else {
        const double t = canvas.TextWidth("XXXX");
        frame.RingSpacing = (double(frame.W) - 2 * t) / 2 / kGridSteps;
    }
    return frame;
}

std::optional<DiagramFrame> StartDiagram(Canvas &canvas)
{
    canvas.Cls();
    const DiagramFrame frame = MeasureDiagramFrame(canvas);
    if (frame.RingSpacing <= 0) {
        canvas.SetFontSize(kDrawingFontSize);
        return std::nullopt;
    }
    return frame;
}

void DrawQuadrantLabels(Canvas &canvas, const DiagramFrame &frame)
{
    // Halfway out to the outer ring, on the diagonal of each quadrant.
    const double offset = kGridSteps / 2.0 * frame.RingSpacing;
    canvas.SetFontSize(kLabelFontSize);
    // All names first, then all sign labels one line below them.
    for (const QuadrantId q : kQuadrants) {
        const std::string name(QuadrantName(q));
        const double tw = canvas.TextWidth(name);
        const double th = canvas.TextHeight(name);
        modMain::DrawText(canvas, frame.cx + XSign(q) * offset - tw / 2,
                          frame.cy - YSign(q) * offset - th / 2, name, colors::kGrey,
                          colors::kWhite);
    }
    for (const QuadrantId q : kQuadrants) {
        const std::string signs = signsOf(q, true);
        const double tw = canvas.TextWidth(signs);
        const double th = canvas.TextHeight(signs);
        const double lineHeight = canvas.TextHeight(signsOf(q, false));
        modMain::DrawText(canvas, frame.cx + XSign(q) * offset - tw / 2,
                          frame.cy - YSign(q) * offset - th / 2 + lineHeight, signs, colors::kGrey,
                          colors::kWhite);
    }
    canvas.SetFontSize(kDrawingFontSize);
}

void DrawPointMarker(Canvas &canvas, const DiagramFrame &frame, double dx, double dy)
{
    modMain::DrawCircle(canvas, frame.cx + dx, frame.cy - dy, kMarkerRadius, colors::kBlue,
                        colors::kBlue, 0, 360);
}

void DrawPointLabel(Canvas &canvas, const DiagramFrame &frame, double dx, double dy,
                    const std::string &text)
{
    const double tw = canvas.TextWidth(text);
    const double th = canvas.TextHeight(text);
    double lx = frame.cx + dx - tw / 2;
    double ly = frame.cy - dy - th - kLabelGap;
    // The right and bottom tests compare in single precision, as the canvas size is.
    if (lx < 0) {
        lx = 0;
    } else if (modMath::ToSingle(lx + tw) > frame.W) {
        lx = frame.W - tw;
    }
    // ly + th + 10 is the dot's own y: the label is only moved up when the dot
    // lies below the canvas.
    if (ly < 0) {
        ly = 0;
    } else if (modMath::ToSingle(ly + th + kLabelGap) > frame.H) {
        ly = frame.H - th;
    }
    modMain::DrawText(canvas, lx, ly, text, colors::kBlue, colors::kWhite);
}
