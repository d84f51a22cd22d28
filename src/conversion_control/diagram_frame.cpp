#include "conversion_control/diagram_frame.h"

#include "canvas/draw_primitives.h"
#include "math/mod_math.h"

#include <array>

namespace {

constexpr float LabelFontSize = 12.0f;
constexpr float DrawingFontSize = 8.0f;
constexpr double MarkerRadius = 5.0;
constexpr double LabelGap = 10.0;

struct QuadrantLabel
{
    int xSign; // direction of the quadrant centre, y upwards
    int ySign;
    const char *name;
    const char *signs;
    const char *bareSigns;
};

constexpr std::array<QuadrantLabel, 4> QuadrantLabels{{
    {+1, +1, "Quadrant I", "(+,+)", "+,+"},
    {-1, +1, "Quadrant II", "(-,+)", "-,+"},
    {-1, -1, "Quadrant III", "(-,-)", "-,-"},
    {+1, -1, "Quadrant IV", "(+,-)", "+,-"},
}};

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
        frame.RingSpacing = (double(frame.H) - 3 * t) / 2 / 6;
    } else {
        const double t = canvas.TextWidth("XXXX");
        frame.RingSpacing = (double(frame.W) - 2 * t) / 2 / 6;
    }
    return frame;
}

std::optional<DiagramFrame> StartDiagram(Canvas &canvas)
{
    canvas.Cls();
    const DiagramFrame frame = MeasureDiagramFrame(canvas);
    if (frame.RingSpacing <= 0) {
        canvas.SetFontSize(DrawingFontSize);
        return std::nullopt;
    }
    return frame;
}

void DrawQuadrantLabels(Canvas &canvas, const DiagramFrame &frame)
{
    const double offset = 6.0 / 2 * frame.RingSpacing;
    canvas.SetFontSize(LabelFontSize);
    // All names first, then all sign labels one line below them.
    for (const QuadrantLabel &q : QuadrantLabels) {
        const double tw = canvas.TextWidth(q.name);
        const double th = canvas.TextHeight(q.name);
        modMain::DrawText(canvas, frame.cx + q.xSign * offset - tw / 2,
                          frame.cy - q.ySign * offset - th / 2, q.name, colors::Grey,
                          colors::White);
    }
    for (const QuadrantLabel &q : QuadrantLabels) {
        const double tw = canvas.TextWidth(q.signs);
        const double th = canvas.TextHeight(q.signs);
        const double lineHeight = canvas.TextHeight(q.bareSigns);
        modMain::DrawText(canvas, frame.cx + q.xSign * offset - tw / 2,
                          frame.cy - q.ySign * offset - th / 2 + lineHeight, q.signs, colors::Grey,
                          colors::White);
    }
    canvas.SetFontSize(DrawingFontSize);
}

void DrawPointMarker(Canvas &canvas, const DiagramFrame &frame, double dx, double dy)
{
    modMain::DrawCircle(canvas, frame.cx + dx, frame.cy - dy, MarkerRadius, colors::Blue,
                        colors::Blue, 0, 360);
}

void DrawPointLabel(Canvas &canvas, const DiagramFrame &frame, double dx, double dy,
                    const std::string &text)
{
    const double tw = canvas.TextWidth(text);
    const double th = canvas.TextHeight(text);
    double lx = frame.cx + dx - tw / 2;
    double ly = frame.cy - dy - th - LabelGap;
    // The right and bottom tests compare in single precision, as the canvas size is.
    if (lx < 0)
        lx = 0;
    else if (modMath::ToSingle(lx + tw) > frame.W)
        lx = frame.W - tw;
    // ly + th + 10 is the dot's own y: the label is only moved up when the dot
    // lies below the canvas.
    if (ly < 0)
        ly = 0;
    else if (modMath::ToSingle(ly + th + LabelGap) > frame.H)
        ly = frame.H - th;
    modMain::DrawText(canvas, lx, ly, text, colors::Blue, colors::White);
}
