#include "canvas/draw_primitives.h"
#include "canvas/recording_canvas.h"
#include "math/mod_math.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

using namespace modMain;

namespace {

struct CircleRow
{
    const char *name;
    double start;
    double end;
    CallKind kind;
    float expectedStart; // radians, as the canvas receives them
    float expectedEnd;
};

TEST(DrawCircle, ClosedOnlyForExactlyZeroTo360)
{
    const CircleRow rows[] = {
        {"0 to 360: closed circle", 0, 360, CallKind::Circle, 0, 0},
        {"0 to 180: arc up to the negative x axis", 0, 180, CallKind::Arc, 0, 3.14159265358979f},
        {"90 to 360: arc", 90, 360, CallKind::Arc, 1.5707963267949f, 6.28318530717959f},
        {"360 to 0: arc, not a circle", 360, 0, CallKind::Arc, 6.28318530717959f, 0},
        {"0 to 360.000001: arc", 0, 360.000001, CallKind::Arc, 0, 6.28318530717959f},
        // 0.1 enters DegToRad in single precision: 0.100000001490116 degrees.
        {"0.1 to 360: start through single precision", 0.1, 360, CallKind::Arc,
         0.00174532927800176f, 6.28318530717959f},
    };
    for (const CircleRow &row : rows) {
        SCOPED_TRACE(row.name);
        RecordingCanvas canvas(100, 100);
        DrawCircle(canvas, 10.5, 20.25, 7, colors::Red, colors::None, row.start, row.end);
        ASSERT_EQ(canvas.calls.size(), 1u);
        const CanvasCall &call = canvas.calls[0];
        EXPECT_EQ(call.kind, row.kind);
        EXPECT_EQ(call.color, colors::Red);
        EXPECT_FLOAT_EQ(call.args[0], 10.5f);
        EXPECT_FLOAT_EQ(call.args[1], 20.25f);
        EXPECT_FLOAT_EQ(call.args[2], 7.0f);
        if (row.kind == CallKind::Arc) {
            EXPECT_FLOAT_EQ(call.args[3], row.expectedStart);
            EXPECT_FLOAT_EQ(call.args[4], row.expectedEnd);
        }
    }
}

struct FillRow
{
    const char *name;
    ::FillStyle styleBefore;
    OleColor fillBefore;
    OleColor fillArgument;
    ::FillStyle styleAtCall;
    OleColor fillAtCall;
};

// DrawCircle and DrawBox share the rule: a fill colour sets a solid fill for
// the one call only; -1 leaves the canvas's own fill to apply.
TEST(DrawCircleAndBox, FillOnlyForTheCall)
{
    const FillRow rows[] = {
        {"-1 on a transparent canvas: no fill", ::FillStyle::Transparent, colors::Red, colors::None,
         ::FillStyle::Transparent, colors::Red},
        {"-1 on a solid canvas: the canvas's own fill", ::FillStyle::Solid, colors::Red,
         colors::None, ::FillStyle::Solid, colors::Red},
        {"blue: solid blue for the call", ::FillStyle::Transparent, colors::Red, colors::Blue,
         ::FillStyle::Solid, colors::Blue},
        {"black fill colour 0 counts as a colour", ::FillStyle::Transparent, colors::Red,
         colors::Black, ::FillStyle::Solid, colors::Black},
    };
    const std::pair<const char *, std::function<void(Canvas &, OleColor)>> operations[] = {
        {"DrawCircle",
         [](Canvas &c, OleColor fill) { DrawCircle(c, 5, 5, 3, colors::Grey, fill, 0, 360); }},
        {"DrawBox", [](Canvas &c, OleColor fill) { DrawBox(c, 1, 2, 3, 4, colors::Grey, fill); }},
    };
    for (const auto &[operationName, operation] : operations) {
        for (const FillRow &row : rows) {
            SCOPED_TRACE(std::string(operationName) + ": " + row.name);
            RecordingCanvas canvas(100, 100);
            canvas.SetFillStyle(row.styleBefore);
            canvas.SetFillColor(row.fillBefore);
            operation(canvas, row.fillArgument);
            ASSERT_EQ(canvas.calls.size(), 1u);
            EXPECT_EQ(canvas.calls[0].color, colors::Grey);
            EXPECT_EQ(canvas.calls[0].fillStyle, row.styleAtCall);
            EXPECT_EQ(canvas.calls[0].fillColor, row.fillAtCall);
            EXPECT_EQ(canvas.FillStyle(), row.styleBefore);
            EXPECT_EQ(canvas.FillColor(), row.fillBefore);
        }
    }
}

TEST(DrawLine, WidthOnlyForTheCall)
{
    RecordingCanvas canvas(100, 100);
    canvas.SetDrawWidth(3);
    DrawLine(canvas, 1, 2, 30, 40, colors::LightGrey, 1);
    ASSERT_EQ(canvas.calls.size(), 1u);
    EXPECT_EQ(canvas.calls[0].kind, CallKind::Line);
    EXPECT_EQ(canvas.calls[0].args, (std::vector<float>{1, 2, 30, 40}));
    EXPECT_EQ(canvas.calls[0].color, colors::LightGrey);
    EXPECT_EQ(canvas.calls[0].drawWidth, 1);
    EXPECT_EQ(canvas.DrawWidth(), 3);
}

TEST(DrawText, WithoutBackgroundOnlyPrints)
{
    RecordingCanvas canvas(100, 100);
    canvas.SetForeColor(colors::Red);
    DrawText(canvas, 12.5, 7, "45\u00B0", colors::Black, colors::None);
    ASSERT_EQ(canvas.calls.size(), 1u);
    EXPECT_EQ(canvas.calls[0].kind, CallKind::Print);
    EXPECT_EQ(canvas.calls[0].text, "45\u00B0");
    EXPECT_EQ(canvas.calls[0].color, colors::Black);
    EXPECT_EQ(canvas.calls[0].args, (std::vector<float>{12.5f, 7}));
    EXPECT_EQ(canvas.ForeColor(), colors::Red);
    // The text position is left where the text went.
    EXPECT_EQ(canvas.CurrentX(), 12.5f);
    EXPECT_EQ(canvas.CurrentY(), 7.0f);
}

TEST(DrawText, BackgroundFitsTheTextAsGiven)
{
    struct Row
    {
        const char *name;
        std::string text;
        std::string printed;
    };
    const Row rows[] = {
        {"no blanks", "(r=5)", "(r=5)"},
        {"blanks at both ends are measured, not printed", "  a b  ", "a b"},
        {"only blanks", "   ", ""},
        {"a tab is not a blank", "\tx ", "\tx"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        RecordingCanvas canvas(100, 100);
        DrawText(canvas, 10, 20, row.text, colors::Blue, colors::White);
        ASSERT_EQ(canvas.calls.size(), 2u);
        const CanvasCall &box = canvas.calls[0];
        EXPECT_EQ(box.kind, CallKind::Box);
        const float w = 4.125f * float(row.text.size());
        EXPECT_EQ(box.args, (std::vector<float>{10, 20, 10 + w, 20 + 12.375f}));
        EXPECT_EQ(box.color, colors::White);
        EXPECT_EQ(box.fillStyle, ::FillStyle::Solid);
        EXPECT_EQ(box.fillColor, colors::White);
        const CanvasCall &print = canvas.calls[1];
        EXPECT_EQ(print.kind, CallKind::Print);
        EXPECT_EQ(print.text, row.printed);
        EXPECT_EQ(print.color, colors::Blue);
        EXPECT_EQ(print.fillStyle, ::FillStyle::Transparent);
        EXPECT_EQ(canvas.FillStyle(), ::FillStyle::Transparent);
        EXPECT_EQ(canvas.ForeColor(), colors::Black);
    }
}

// A coordinate beyond the single range is refused before the canvas changes.
TEST(Primitives, OverflowLeavesTheCanvasAsItWas)
{
    const std::pair<const char *, std::function<void(Canvas &)>> operations[] = {
        {"DrawCircle centre",
         [](Canvas &c) { DrawCircle(c, 1E39, 0, 5, colors::Blue, colors::Blue, 0, 360); }},
        {"DrawCircle radius",
         [](Canvas &c) { DrawCircle(c, 0, 0, -1E39, colors::Blue, colors::Blue, 0, 360); }},
        {"DrawCircle angle",
         [](Canvas &c) { DrawCircle(c, 0, 0, 5, colors::Blue, colors::Blue, 0, 1E39); }},
        {"DrawLine", [](Canvas &c) { DrawLine(c, 0, 0, 0, 1E39, colors::Red, 4); }},
        {"DrawBox", [](Canvas &c) { DrawBox(c, 0, 0, 1E39, 0, colors::Red, colors::Blue); }},
        {"DrawText", [](Canvas &c) { DrawText(c, 0, -1E39, "a", colors::Blue, colors::White); }},
    };
    for (const auto &[name, operation] : operations) {
        SCOPED_TRACE(name);
        RecordingCanvas canvas(100, 100);
        canvas.SetCurrentX(3);
        EXPECT_THROW(operation(canvas), modMath::ArithmeticError);
        EXPECT_TRUE(canvas.calls.empty());
        EXPECT_EQ(canvas.DrawWidth(), 1);
        EXPECT_EQ(canvas.FillStyle(), ::FillStyle::Transparent);
        EXPECT_EQ(canvas.FillColor(), colors::Black);
        EXPECT_EQ(canvas.ForeColor(), colors::Black);
        EXPECT_EQ(canvas.CurrentX(), 3.0f);
    }
}

// A failing canvas operation still gets its settings back: a fill left solid
// would fill every ring the next drawing makes.
TEST(Primitives, CanvasFailureRestoresTheSettings)
{
    const std::tuple<const char *, CallKind, std::function<void(Canvas &)>> operations[] = {
        {"DrawCircle", CallKind::Circle,
         [](Canvas &c) { DrawCircle(c, 0, 0, 5, colors::Blue, colors::Blue, 0, 360); }},
        {"DrawBox", CallKind::Box,
         [](Canvas &c) { DrawBox(c, 0, 0, 4, 4, colors::Red, colors::Blue); }},
        {"DrawLine", CallKind::Line, [](Canvas &c) { DrawLine(c, 0, 0, 4, 4, colors::Red, 4); }},
        {"DrawText", CallKind::Print,
         [](Canvas &c) { DrawText(c, 0, 0, "a", colors::Blue, colors::White); }},
    };
    for (const auto &[name, kind, operation] : operations) {
        SCOPED_TRACE(name);
        RecordingCanvas canvas(100, 100);
        canvas.failOn = kind;
        EXPECT_THROW(operation(canvas), std::runtime_error);
        EXPECT_EQ(canvas.DrawWidth(), 1);
        EXPECT_EQ(canvas.FillStyle(), ::FillStyle::Transparent);
        EXPECT_EQ(canvas.FillColor(), colors::Black);
        EXPECT_EQ(canvas.ForeColor(), colors::Black);
    }
}

} // namespace
