#include "canvas/draw_primitives.h"
#include "canvas/recording_canvas.h"
#include "math/mod_math.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <tuple>

using namespace modMain;
using enum ::FillStyle;

namespace {

// The properties a primitive puts back, and the text position DrawText leaves.
std::string settings(const Canvas &c)
{
    return std::string("w") + std::to_string(c.DrawWidth()) +
           (c.FillStyle() == Solid ? " solid" : " transparent") + hex(c.FillColor()) + " fore" +
           hex(c.ForeColor()) + " at " + at(c.CurrentX(), c.CurrentY());
}

void arc(Canvas &c, double start, double end)
{
    DrawCircle(c, 1, 2, 7, colors::kRed, colors::kNone, start, end);
}
void circleAndBox(Canvas &c, OleColor fill)
{
    DrawCircle(c, 5, 5, 3, colors::kGrey, fill, 0, 360);
    DrawBox(c, 1, 2, 3, 4, colors::kGrey, fill);
}
Canvas &solid(Canvas &c)
{
    c.SetFillStyle(Solid);
    return c;
}
void text(Canvas &c, const char *text)
{
    DrawText(c, 10, 20, text, colors::kBlue, colors::kWhite);
}

// On a canvas at width 3 with fill and text colour red. Arc angles reach the
// canvas in radians; a text at 8 pt is 4 per character and 12 high.
struct Row
{
    const char *Name;
    std::function<void(Canvas &)> Draw;
    const char *Calls;
    const char *After = "w3 transparent #0000FF fore #0000FF at 0,0";
};
const char *const kAtText = "w3 transparent #0000FF fore #0000FF at 10,20";
const Row kRows[] = {
    {"0 to 360: closed circle", [](Canvas &c) { arc(c, 0, 360); }, "Circle 1,2 r7 #0000FF"},
    {"0 to 180: arc to the negative x axis", [](Canvas &c) { arc(c, 0, 180); },
     "Arc 1,2 r7 0-3.14159 #0000FF"},
    {"90 to 360: arc", [](Canvas &c) { arc(c, 90, 360); }, "Arc 1,2 r7 1.5708-6.28319 #0000FF"},
    {"360 to 0: arc", [](Canvas &c) { arc(c, 360, 0); }, "Arc 1,2 r7 6.28319-0 #0000FF"},
    {"0 to 360.000001: arc", [](Canvas &c) { arc(c, 0, 360.000001); },
     "Arc 1,2 r7 0-6.28319 #0000FF"},
    {"0.1 to 360: arc", [](Canvas &c) { arc(c, 0.1, 360); },
     "Arc 1,2 r7 0.00174533-6.28319 #0000FF"},
    // DrawCircle and DrawBox share the fill rule: a fill colour sets a solid
    // fill for the one call only; -1 leaves the canvas's own fill to apply.
    {"fill -1 on a transparent canvas: no fill", [](Canvas &c) { circleAndBox(c, colors::kNone); },
     "Circle 5,5 r3 #808080\nBox 1,2-3,4 #808080"},
    {"fill -1 on a solid canvas: the canvas's own",
     [](Canvas &c) { circleAndBox(solid(c), colors::kNone); },
     "Circle 5,5 r3 #808080 fill #0000FF\nBox 1,2-3,4 #808080 fill #0000FF",
     "w3 solid #0000FF fore #0000FF at 0,0"},
    {"fill blue: solid blue for the call", [](Canvas &c) { circleAndBox(c, colors::kBlue); },
     "Circle 5,5 r3 #808080 fill #FF0000\nBox 1,2-3,4 #808080 fill #FF0000"},
    {"fill black: 0 is a colour", [](Canvas &c) { circleAndBox(c, colors::kBlack); },
     "Circle 5,5 r3 #808080 fill #000000\nBox 1,2-3,4 #808080 fill #000000"},
    {"width 1 on a canvas at 3: for the call",
     [](Canvas &c) { DrawLine(c, 1, 2, 30, 40, colors::kLightGrey, 1); },
     "Line 1,2-30,40 #C0C0C0 w1"},
    {"text without background: only printed",
     [](Canvas &c) { DrawText(c, 12.5, 7, "45\u00B0", colors::kBlack, colors::kNone); },
     "Print 12.5,7 8pt #000000 45\u00B0", "w3 transparent #0000FF fore #0000FF at 12.5,7"},
    {"background box exactly under the text", [](Canvas &c) { text(c, "(r=5)"); },
     "Box 10,20-30,32 #FFFFFF fill #FFFFFF\nPrint 10,20 8pt #FF0000 (r=5)", kAtText},
    {"blanks at both ends: measured, not printed", [](Canvas &c) { text(c, "  a b  "); },
     "Box 10,20-38,32 #FFFFFF fill #FFFFFF\nPrint 10,20 8pt #FF0000 a b", kAtText},
    {"only blanks", [](Canvas &c) { text(c, "   "); },
     "Box 10,20-22,32 #FFFFFF fill #FFFFFF\nPrint 10,20 8pt #FF0000 ", kAtText},
    {"a tab is not a blank", [](Canvas &c) { text(c, "\tx "); },
     "Box 10,20-22,32 #FFFFFF fill #FFFFFF\nPrint 10,20 8pt #FF0000 \tx", kAtText},
};

TEST(Primitives, DrawAndPutTheSettingsBack)
{
    for (const Row &row : kRows) {
        SCOPED_TRACE(row.Name);
        RecordingCanvas canvas(100, 100, 8);
        canvas.SetDrawWidth(3);
        canvas.SetFillColor(colors::kRed);
        canvas.SetForeColor(colors::kRed);
        row.Draw(canvas);
        EXPECT_EQ(canvas.calls, std::string(row.Calls) + "\n");
        EXPECT_EQ(settings(canvas), row.After);
    }
}

// A coordinate beyond the single range is refused before the canvas changes; a
// failing canvas operation still gets its settings back, or a fill left solid
// would fill every ring of the next drawing.
TEST(Primitives, FailureLeavesTheSettingsAsTheyWere)
{
    const std::tuple<const char *, const char *, std::function<void(Canvas &)>> failures[] = {
        {"DrawCircle centre overflows", "",
         [](Canvas &c) { DrawCircle(c, 1E39, 0, 5, colors::kBlue, colors::kBlue, 0, 360); }},
        {"DrawCircle radius overflows", "",
         [](Canvas &c) { DrawCircle(c, 0, 0, -1E39, colors::kBlue, colors::kBlue, 0, 360); }},
        {"DrawLine overflows", "", [](Canvas &c) { DrawLine(c, 0, 0, 0, 1E39, colors::kRed, 4); }},
        {"DrawBox overflows", "",
         [](Canvas &c) { DrawBox(c, 0, 0, 1E39, 0, colors::kRed, colors::kBlue); }},
        {"DrawCircle angle overflows", "",
         [](Canvas &c) { DrawCircle(c, 0, 0, 5, colors::kBlue, colors::kBlue, 0, 1E39); }},
        {"DrawText overflows", "",
         [](Canvas &c) { DrawText(c, 0, -1E39, "a", colors::kBlue, colors::kWhite); }},
        {"DrawCircle: the canvas fails", "Circle",
         [](Canvas &c) { DrawCircle(c, 0, 0, 5, colors::kBlue, colors::kBlue, 0, 360); }},
        {"DrawBox: the canvas fails", "Box",
         [](Canvas &c) { DrawBox(c, 0, 0, 4, 4, colors::kRed, colors::kBlue); }},
        {"DrawLine: the canvas fails", "Line",
         [](Canvas &c) { DrawLine(c, 0, 0, 4, 4, colors::kRed, 4); }},
        {"DrawText: the canvas fails", "Print",
         [](Canvas &c) { DrawText(c, 3, 0, "a", colors::kBlue, colors::kWhite); }},
    };
    for (const auto &[name, failOn, draw] : failures) {
        SCOPED_TRACE(name);
        RecordingCanvas canvas(100, 100, 8);
        canvas.SetCurrentX(3);
        canvas.failOn = failOn;
        if (canvas.failOn.empty()) {
            EXPECT_THROW(draw(canvas), modMath::ArithmeticError);
            EXPECT_EQ(canvas.calls, "");
        } else {
            EXPECT_THROW(draw(canvas), std::runtime_error);
        }
        EXPECT_EQ(settings(canvas), "w1 transparent #000000 fore #000000 at 3,0");
    }
}

} // namespace
