#include "canvas/recording_canvas.h"
#include "conversion_control/conversion_commands.h"
#include "conversion_control/polar_diagram.h"
#include "conversion_control/rectangular_diagram.h"
#include "math/mod_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr OleColor Transparent = 0xDEADu; // marks "fill as the canvas leaves it"

// The calls a drawing is expected to make, written down from the drawing's
// description: an independent account to compare the recording with.
class ExpectedCalls
{
public:
    std::vector<CanvasCall> calls;

    void cls() { add(CallKind::Cls, {}, 0); }
    void fontSize(float size) { add(CallKind::FontSize, {size}, 0); }
    void ring(double x, double y, double radius, OleColor color)
    {
        add(CallKind::Circle, {x, y, radius}, color);
    }
    void dot(double x, double y)
    {
        add(CallKind::Circle, {x, y, 5}, colors::Blue);
        calls.back().fillStyle = ::FillStyle::Solid;
        calls.back().fillColor = colors::Blue;
    }
    void line(double x1, double y1, double x2, double y2, OleColor color)
    {
        add(CallKind::Line, {x1, y1, x2, y2}, color);
    }
    // A text at font size `size`; with a background a solid box comes first.
    void text(double x, double y, const std::string &text, float size, OleColor fore, OleColor back)
    {
        if (back != colors::None) {
            add(CallKind::Box,
                {x, y, x + RecordingCanvas::WidthAt(size, text),
                 y + RecordingCanvas::HeightAt(size)},
                back);
            calls.back().fillStyle = ::FillStyle::Solid;
            calls.back().fillColor = back;
        }
        add(CallKind::Print, {x, y}, fore, text);
        calls.back().fontSize = size;
    }

    // The quadrant names and sign labels around (cx, cy), half the outer radius out.
    void quadrantLabels(double cx, double cy, double s)
    {
        fontSize(12);
        const double w = RecordingCanvas::WidthAt(12, "x"); // per character
        const double h = RecordingCanvas::HeightAt(12);
        const double q = 3 * s;
        text(cx + q - 10 * w / 2, cy - q - h / 2, "Quadrant I", 12, colors::Grey, colors::White);
        text(cx - q - 11 * w / 2, cy - q - h / 2, "Quadrant II", 12, colors::Grey, colors::White);
        text(cx - q - 12 * w / 2, cy + q - h / 2, "Quadrant III", 12, colors::Grey, colors::White);
        text(cx + q - 11 * w / 2, cy + q - h / 2, "Quadrant IV", 12, colors::Grey, colors::White);
        text(cx + q - 5 * w / 2, cy - q + h / 2, "(+,+)", 12, colors::Grey, colors::White);
        text(cx - q - 5 * w / 2, cy - q + h / 2, "(-,+)", 12, colors::Grey, colors::White);
        text(cx - q - 5 * w / 2, cy + q + h / 2, "(-,-)", 12, colors::Grey, colors::White);
        text(cx + q - 5 * w / 2, cy + q + h / 2, "(+,-)", 12, colors::Grey, colors::White);
        fontSize(8);
    }

private:
    void add(CallKind kind, std::vector<double> args, OleColor color, std::string text = {})
    {
        CanvasCall call{kind,       {}, color, std::move(text), 0, 1, ::FillStyle::Transparent,
                        Transparent};
        for (const double a : args)
            call.args.push_back(float(a));
        calls.push_back(std::move(call));
    }
};

void expectSameCalls(const std::vector<CanvasCall> &actual, const std::vector<CanvasCall> &expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        SCOPED_TRACE("call " + std::to_string(i) + " " + expected[i].text);
        const CanvasCall &a = actual[i];
        const CanvasCall &e = expected[i];
        ASSERT_EQ(a.kind, e.kind);
        ASSERT_EQ(a.args.size(), e.args.size());
        for (std::size_t k = 0; k < a.args.size(); ++k)
            EXPECT_NEAR(a.args[k], e.args[k], 1E-3) << "argument " << k;
        EXPECT_EQ(a.color, e.color);
        EXPECT_EQ(a.text, e.text);
        if (e.kind == CallKind::Line) {
            EXPECT_EQ(a.drawWidth, 1);
        }
        if (e.kind == CallKind::Print) {
            EXPECT_EQ(a.fontSize, e.fontSize);
        }
        if (e.kind == CallKind::Circle || e.kind == CallKind::Box) {
            if (e.fillColor == Transparent) {
                EXPECT_EQ(a.fillStyle, ::FillStyle::Transparent);
            } else {
                EXPECT_EQ(a.fillStyle, ::FillStyle::Solid);
                EXPECT_EQ(a.fillColor, e.fillColor);
            }
        }
    }
}

InputBoxes polarTags(const std::string &r, const std::string &angle)
{
    InputBoxes boxes;
    boxes.Tag[0] = r;
    boxes.Tag[1] = angle;
    return boxes;
}

InputBoxes rectangularTags(const std::string &r, const std::string &x, const std::string &y)
{
    InputBoxes boxes;
    boxes.Tag[0] = r;
    boxes.Tag[2] = x;
    boxes.Tag[3] = y;
    return boxes;
}

// Polar grid and its labels on a W x H canvas whose text was measured at `size`.
ExpectedCalls polarGrid(double W, double H, double s, float size)
{
    ExpectedCalls e;
    e.cls();
    const double cx = W / 2;
    const double cy = H / 2;
    for (int i = 1; i <= 6; ++i)
        e.ring(cx, cy, i * s, colors::ButtonFace);
    const char *labels[] = {"0\u00B0",   "45\u00B0",  "90\u00B0",  "135\u00B0",
                            "180\u00B0", "225\u00B0", "270\u00B0", "315\u00B0"};
    for (int j = 0; j < 24; ++j) {
        const double rad = modMath::DegToRad(15.0 * j);
        const double ex = 6 * s * std::cos(rad);
        const double ey = 6 * s * std::sin(rad);
        e.line(cx, cy, cx + ex, cy - ey, j % 6 == 0 ? colors::LightGrey : colors::ButtonFace);
        if (j % 3 == 0) {
            const std::string label = labels[j / 3];
            const double tw = RecordingCanvas::WidthAt(size, label);
            const double th = RecordingCanvas::HeightAt(size);
            e.text((W - tw) / 2 + ex + 0.75 * tw * std::cos(rad),
                   (H - th) / 2 - ey - 0.75 * th * std::sin(rad), label, size, colors::Black,
                   colors::None);
        }
    }
    e.quadrantLabels(cx, cy, s);
    return e;
}

// Square grid, axes and axis letters on a W x H canvas measured at `size`.
ExpectedCalls rectangularGrid(double W, double H, double s, float size)
{
    ExpectedCalls e;
    e.cls();
    const double cx = W / 2;
    const double cy = H / 2;
    for (int i = -6; i <= 6; ++i) {
        const OleColor color = i == 0 ? colors::LightGrey : colors::ButtonFace;
        e.line(cx - 6 * s, cy + i * s, cx + 6 * s, cy + i * s, color);
        e.line(cx + i * s, cy - 6 * s, cx + i * s, cy + 6 * s, color);
    }
    const double w = RecordingCanvas::WidthAt(size, "X");
    const double h = RecordingCanvas::HeightAt(size);
    e.text(cx + 6 * s + w, cy - h / 2, "X", size, colors::Black, colors::None);
    e.text(cx - w / 2, cy - 6 * s - h, "Y", size, colors::Black, colors::None);
    e.quadrantLabels(cx, cy, s);
    return e;
}

class Diagrams : public ::testing::Test
{
protected:
    void SetUp() override { modMath::SignificantValues = 2; }
};

// 289 x 313 is taller than wide: s = (289 - 2 x 16.5) / 12 at the design font 8.25.
constexpr double DesignS = (289 - 2 * 16.5) / 12;
// 600 x 300 is wider than tall: s = (300 - 3 x 12.375) / 12.
constexpr double WideS = (300 - 3 * 12.375) / 12;

TEST_F(Diagrams, PolarWholeDrawingAtTheDesignSize)
{
    RecordingCanvas canvas(289, 313);
    DrawPolarDiagram(canvas, polarTags("5", "130"));

    ExpectedCalls e = polarGrid(289, 313, DesignS, 8.25f);
    const double dx = modMath::PolarToX(6 * DesignS, 130);
    const double dy = modMath::PolarToY(6 * DesignS, 130);
    e.ring(144.5, 156.5, 6 * DesignS, colors::Red);
    e.dot(144.5 + dx, 156.5 - dy);
    // 13 characters at size 8: 52 x 12, centred 10 pixels above the dot.
    e.text(144.5 + dx - 26, 156.5 - dy - 12 - 10, "(r=5, \u00D8=130\u00B0)", 8, colors::Blue,
           colors::White);
    expectSameCalls(canvas.calls, e.calls);
    EXPECT_EQ(canvas.FontSize(), 8.0f);
}

TEST_F(Diagrams, PolarWholeDrawingOnAWideCanvas)
{
    RecordingCanvas canvas(600, 300);
    DrawPolarDiagram(canvas, polarTags("2.5", "-45"));

    ExpectedCalls e = polarGrid(600, 300, WideS, 8.25f);
    const double dx = modMath::PolarToX(6 * WideS, -45);
    const double dy = modMath::PolarToY(6 * WideS, -45);
    e.ring(300, 150, 6 * WideS, colors::Red);
    e.dot(300 + dx, 150 - dy);
    e.text(300 + dx - 30, 150 - dy - 22, "(r=2.5, \u00D8=-45\u00B0)", 8, colors::Blue,
           colors::White);
    expectSameCalls(canvas.calls, e.calls);
}

TEST_F(Diagrams, RectangularWholeDrawingAtTheDesignSize)
{
    RecordingCanvas canvas(289, 313);
    DrawRectangularDiagram(canvas, rectangularTags("5", "3", "4"));

    ExpectedCalls e = rectangularGrid(289, 313, DesignS, 8.25f);
    const double rad = modMath::DegToRad(modMath::RectToAngle(3, 4));
    const double dx = 6 * DesignS * std::cos(rad);
    const double dy = 6 * DesignS * std::sin(rad);
    e.ring(144.5, 156.5, 6 * DesignS, colors::Red);
    e.dot(144.5 + dx, 156.5 - dy);
    e.text(144.5 + dx - 20, 156.5 - dy - 22, "(X=3, Y=4)", 8, colors::Blue, colors::White);
    expectSameCalls(canvas.calls, e.calls);
    EXPECT_EQ(canvas.FontSize(), 8.0f);
}

TEST_F(Diagrams, RectangularWholeDrawingOnAWideCanvas)
{
    RecordingCanvas canvas(600, 300);
    DrawRectangularDiagram(canvas, rectangularTags("5", "-3", "-4"));

    ExpectedCalls e = rectangularGrid(600, 300, WideS, 8.25f);
    const double rad = modMath::DegToRad(modMath::RectToAngle(-3, -4));
    const double dx = 6 * WideS * std::cos(rad);
    const double dy = 6 * WideS * std::sin(rad);
    e.ring(300, 150, 6 * WideS, colors::Red);
    e.dot(300 + dx, 150 - dy);
    e.text(300 + dx - 24, 150 - dy - 22, "(X=-3, Y=-4)", 8, colors::Blue, colors::White);
    expectSameCalls(canvas.calls, e.calls);
}

// Where the dot lands, as a direction from the centre in units of the outer radius.
struct PointRow
{
    const char *name;
    InputBoxes boxes;
    double dirX; // right
    double dirY; // up
    const char *label;
};

void expectPoint(const RecordingCanvas &canvas, const PointRow &row, double cx, double cy, double s)
{
    const auto circles = canvas.callsOf(CallKind::Circle);
    ASSERT_GE(circles.size(), 2u);
    const CanvasCall &red = circles[circles.size() - 2];
    EXPECT_EQ(red.color, colors::Red);
    EXPECT_NEAR(red.args[2], 6 * s, 1E-3);
    const CanvasCall &dot = circles.back();
    EXPECT_EQ(dot.color, colors::Blue);
    EXPECT_EQ(dot.fillStyle, ::FillStyle::Solid);
    EXPECT_NEAR(dot.args[0], cx + 6 * s * row.dirX, 1E-3);
    EXPECT_NEAR(dot.args[1], cy - 6 * s * row.dirY, 1E-3);
    EXPECT_EQ(canvas.calls.back().text, row.label);
}

TEST_F(Diagrams, PolarPointOnTheOuterRingInTheDirectionOfTheAngle)
{
    const PointRow rows[] = {
        {"0: right end of the horizontal axis", polarTags("5", "0"), 1, 0, "(r=5, \u00D8=0\u00B0)"},
        {"90: top", polarTags("5", "90"), 0, 1, "(r=5, \u00D8=90\u00B0)"},
        {"270: bottom", polarTags("5", "270"), 0, -1, "(r=5, \u00D8=270\u00B0)"},
        {"360 as 0, label not normalised", polarTags("5", "360"), 1, 0, "(r=5, \u00D8=360\u00B0)"},
        {"-90 as 270", polarTags("5", "-90"), 0, -1, "(r=5, \u00D8=-90\u00B0)"},
        {"negative r: direction of the angle itself", polarTags("-5", "0"), 1, 0,
         "(r=-5, \u00D8=0\u00B0)"},
        {"r too small to show still draws", polarTags("1E-05", "180"), -1, 0,
         "(r=0, \u00D8=180\u00B0)"},
        {"labels rounded as shown", polarTags("4.33012701892219", "30.0000008348261"),
         std::cos(modMath::DegToRad(30.0000008348261)),
         std::sin(modMath::DegToRad(30.0000008348261)), "(r=4.33, \u00D8=30\u00B0)"},
    };
    for (const PointRow &row : rows) {
        SCOPED_TRACE(row.name);
        RecordingCanvas canvas(289, 313);
        DrawPolarDiagram(canvas, row.boxes);
        expectPoint(canvas, row, 144.5, 156.5, DesignS);
    }
}

TEST_F(Diagrams, RectangularPointOnTheCircleInTheDirectionOfXY)
{
    const double d = std::sqrt(0.5);
    const PointRow rows[] = {
        {"(3, 4)", rectangularTags("5", "3", "4"), 0.6, 0.8, "(X=3, Y=4)"},
        {"(300, 400): same place, other label", rectangularTags("500", "300", "400"), 0.6, 0.8,
         "(X=300, Y=400)"},
        {"x = 0, y > 0: the point is still drawn, at the top", rectangularTags("5", "0", "5"), 0, 1,
         "(X=0, Y=5)"},
        {"x = 0, y < 0: bottom", rectangularTags("5", "0", "-5"), 0, -1, "(X=0, Y=-5)"},
        {"y = 0, x < 0: left", rectangularTags("2", "-2", "0"), -1, 0, "(X=-2, Y=0)"},
        {"(-1, -1)", rectangularTags("1.4142135623731", "-1", "-1"), -d, -d, "(X=-1, Y=-1)"},
        {"only y has a significant digit", rectangularTags("0.001", "0", "0.001"), 0, 1,
         "(X=0, Y=0)"},
        // r = -5, Ø = 30 converted: the label repeats x and y, signs included.
        {"negative r: label keeps the signs of x and y",
         rectangularTags("-5", "-4.33012701892219", "-2.5"), -std::cos(M_PI / 6),
         -std::sin(M_PI / 6), "(X=-4.33, Y=-2.5)"},
    };
    for (const PointRow &row : rows) {
        SCOPED_TRACE(row.name);
        RecordingCanvas canvas(289, 313);
        DrawRectangularDiagram(canvas, row.boxes);
        expectPoint(canvas, row, 144.5, 156.5, DesignS);
    }
}

// Values whose decimal text has no digit 1 to 9 draw the grid and labels only.
TEST_F(Diagrams, NoPointWithoutASignificantDigit)
{
    for (const char *zero : {"0", "-0", "0.000", "0E+05"}) {
        SCOPED_TRACE(zero);
        RecordingCanvas polar(289, 313);
        DrawPolarDiagram(polar, polarTags(zero, "45"));
        expectSameCalls(polar.calls, polarGrid(289, 313, DesignS, 8.25f).calls);

        RecordingCanvas rectangular(289, 313);
        DrawRectangularDiagram(rectangular, rectangularTags("5", zero, zero));
        expectSameCalls(rectangular.calls, rectangularGrid(289, 313, DesignS, 8.25f).calls);
    }
}

struct LabelRow
{
    const char *name;
    float W, H;
    const char *angle;
    double expectedX, expectedY; // NAN: not clamped, centred over the dot
};

// The point label stays inside the canvas at the left, the top and the right.
TEST_F(Diagrams, PointLabelKeptInsideTheCanvas)
{
    // Labels "(r=5, Ø=...°)" at size 8: 4 per character, 12 high.
    const LabelRow rows[] = {
        {"left edge: x = 0", 289, 313, "180", 0, 156.5 - 22},
        {"right edge: ends exactly at W", 289, 313, "0", 289 - 4 * 11, 156.5 - 22},
        {"top edge: y = 0", 600, 300, "90", 300 - 4 * 12 / 2.0, 0},
        {"top-left corner", 60, 50, "135", 0, 0},
        {"inside: centred 10 above the dot", 289, 313, "130", NAN, NAN},
        {"bottom: stays above the dot", 289, 313, "270", 144.5 - 4 * 13 / 2.0,
         156.5 + 6 * DesignS - 22},
    };
    for (const LabelRow &row : rows) {
        SCOPED_TRACE(row.name);
        RecordingCanvas canvas(row.W, row.H);
        DrawPolarDiagram(canvas, polarTags("5", row.angle));
        const CanvasCall dot = canvas.callsOf(CallKind::Circle).back();
        const CanvasCall &print = canvas.calls.back();
        const CanvasCall &box = canvas.calls[canvas.calls.size() - 2];
        const double tw = RecordingCanvas::WidthAt(8, print.text);
        const double x = std::isnan(row.expectedX) ? dot.args[0] - tw / 2 : row.expectedX;
        const double y = std::isnan(row.expectedY) ? dot.args[1] - 22 : row.expectedY;
        EXPECT_NEAR(print.args[0], x, 1E-3);
        EXPECT_NEAR(print.args[1], y, 1E-3);
        EXPECT_EQ(box.kind, CallKind::Box);
        EXPECT_NEAR(box.args[0], x, 1E-3);
        EXPECT_GE(box.args[0], 0.0f);
        EXPECT_GE(box.args[1], 0.0f);
        EXPECT_LE(box.args[2], row.W);
    }
}

TEST_F(Diagrams, RectangularLabelKeptInsideTheCanvas)
{
    RecordingCanvas canvas(600, 300);
    DrawRectangularDiagram(canvas, rectangularTags("5", "0", "5"));
    EXPECT_NEAR(canvas.calls.back().args[1], 0, 1E-6);

    RecordingCanvas left(289, 313);
    DrawRectangularDiagram(left, rectangularTags("5", "-5", "0"));
    EXPECT_NEAR(left.calls.back().args[0], 0, 1E-6);

    RecordingCanvas right(289, 313);
    DrawRectangularDiagram(right, rectangularTags("5", "5", "0"));
    const CanvasCall &box = right.calls[right.calls.size() - 2];
    EXPECT_NEAR(box.args[2], 289, 1E-3);
}

// The first drawing measures in the design font; it leaves the canvas at 8,
// which every later drawing measures with.
TEST_F(Diagrams, LaterDrawingsMeasureAtSize8)
{
    RecordingCanvas polar(289, 313);
    DrawPolarDiagram(polar, polarTags("5", "30"));
    polar.calls.clear();
    DrawPolarDiagram(polar, polarTags("5", "30"));
    EXPECT_EQ(polar.FontSize(), 8.0f);
    EXPECT_NEAR(polar.callsOf(CallKind::Circle)[0].args[2], (289 - 2 * 16.0) / 12, 1E-4);
    EXPECT_EQ(polar.callsOf(CallKind::Print)[0].fontSize, 8.0f);

    RecordingCanvas rectangular(600, 300, 10);
    DrawRectangularDiagram(rectangular, rectangularTags("5", "3", "4"));
    EXPECT_EQ(rectangular.callsOf(CallKind::Print)[0].fontSize, 10.0f);
    rectangular.calls.clear();
    DrawRectangularDiagram(rectangular, rectangularTags("5", "0", "0"));
    expectSameCalls(rectangular.calls, rectangularGrid(600, 300, (300 - 3 * 12.0) / 12, 8).calls);
}

// A canvas no larger than its text margins (s <= 0) is cleared and left empty.
TEST_F(Diagrams, NoRoomForTheGridDrawsNothing)
{
    struct Row
    {
        const char *name;
        float W, H;
    };
    const Row rows[] = {
        {"width rule, s = 0", 33, 200},
        {"width rule, s < 0", 20, 200},
        {"height rule, s = 0", 200, 37.125f},
        {"height rule, s < 0", 200, 10},
        {"empty", 0, 0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        RecordingCanvas polar(row.W, row.H);
        EXPECT_NO_THROW(DrawPolarDiagram(polar, polarTags("5", "30")));
        RecordingCanvas rectangular(row.W, row.H);
        EXPECT_NO_THROW(DrawRectangularDiagram(rectangular, rectangularTags("5", "3", "4")));
        for (const RecordingCanvas *canvas : {&polar, &rectangular}) {
            ASSERT_EQ(canvas->calls.size(), 2u);
            EXPECT_EQ(canvas->calls[0].kind, CallKind::Cls);
            EXPECT_EQ(canvas->calls[1].kind, CallKind::FontSize);
            EXPECT_EQ(canvas->FontSize(), 8.0f);
        }
    }
}

// Stored texts are read before anything is drawn: an unreadable one leaves the
// previous drawing in place.
TEST_F(Diagrams, UnreadableTagThrowsBeforeDrawing)
{
    for (const std::string &bad : {std::string(""), std::string("-"), std::string("1-2")}) {
        SCOPED_TRACE(bad);
        RecordingCanvas canvas(289, 313);
        EXPECT_THROW(DrawPolarDiagram(canvas, polarTags(bad, "30")), modMath::ConversionError);
        EXPECT_THROW(DrawPolarDiagram(canvas, polarTags("5", bad)), modMath::ConversionError);
        EXPECT_THROW(DrawRectangularDiagram(canvas, rectangularTags(bad, "3", "4")),
                     modMath::ConversionError);
        EXPECT_THROW(DrawRectangularDiagram(canvas, rectangularTags("5", bad, "4")),
                     modMath::ConversionError);
        EXPECT_THROW(DrawRectangularDiagram(canvas, rectangularTags("5", "3", bad)),
                     modMath::ConversionError);
        EXPECT_TRUE(canvas.calls.empty());
    }
}

// An angle beyond the single range ends the drawing where it is needed: the
// grid stays, no point is drawn.
TEST_F(Diagrams, AngleOverflowEndsTheDrawingAfterTheGrid)
{
    RecordingCanvas canvas(289, 313);
    EXPECT_THROW(DrawPolarDiagram(canvas, polarTags("5", "1E+39")), modMath::ArithmeticError);
    expectSameCalls(canvas.calls, polarGrid(289, 313, DesignS, 8.25f).calls);
}

} // namespace
