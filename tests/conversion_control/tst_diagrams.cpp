#include "canvas/recording_canvas.h"
#include "conversion_control/conversion_commands.h"
#include "conversion_control/polar_diagram.h"
#include "conversion_control/rectangular_diagram.h"
#include "math/mod_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>

namespace {

// Draws "polar" or "rectangular" from the stored texts that follow: r, Ø, x, y.
void draw(RecordingCanvas &canvas, const std::string &drawing)
{
    std::istringstream words(drawing);
    std::string kind;
    InputBoxes boxes;
    words >> kind >> boxes.Tag[0] >> boxes.Tag[1] >> boxes.Tag[2] >> boxes.Tag[3];
    (kind == "polar" ? DrawPolarDiagram : DrawRectangularDiagram)(canvas, boxes);
}

// The expected calls, written down from the drawing's description: an
// independent account to compare the recording with.

// A text at `pt` points; with a background a solid box comes first.
void text(std::string &e, double x, double y, const std::string &t, float pt, OleColor fore,
          OleColor back = colors::kNone)
{
    const std::string box = at(x + RecordingCanvas::WidthAt(pt, t), y + 1.5 * pt);
    if (back != colors::kNone)
        e += "Box " + at(x, y) + "-" + box + hex(back) + " fill" + hex(back) + "\n";
    e += "Print " + at(x, y) + " " + num(pt) + "pt" + hex(fore) + " " + t + "\n";
}

// The grid step, from the height when the canvas is at least as wide as tall:
// 3 text heights or 2 widths of "XXXX" at `pt` points leave the margins.
double step(double W, double H, float pt = 8.25f)
{
    return W >= H ? (H - 3 * 1.5 * pt) / 12 : (W - 2 * 4 * pt / 2) / 12;
}

// The grid, its labels and the quadrant labels on a W x H canvas measured at `pt`.
std::string grid(const std::string &drawing, double W, double H, float pt = 8.25f)
{
    const double cx = W / 2, cy = H / 2, s = step(W, H, pt), o = 6 * s;
    std::string e = "Cls\n";
    if (drawing.starts_with("polar")) {
        for (int i = 1; i <= 6; ++i)
            e += "Circle " + at(cx, cy) + " r" + num(i * s) + " #8000000F\n";
        for (int j = 0; j < 24; ++j) {
            const double a = 15 * j * M_PI / 180, ex = o * std::cos(a), ey = o * std::sin(a);
            e += "Line " + at(cx, cy) + "-" + at(cx + ex, cy - ey) +
                 (j % 6 ? " #8000000F w1\n" : " #C0C0C0 w1\n");
            const std::string label = std::to_string(15 * j) + "\u00B0";
            const double tw = RecordingCanvas::WidthAt(pt, label), th = 1.5 * pt;
            if (j % 3 == 0)
                text(e, (W - tw) / 2 + ex + 0.75 * tw * std::cos(a),
                     (H - th) / 2 - ey - 0.75 * th * std::sin(a), label, pt, colors::kBlack);
        }
    } else {
        for (int i = -6; i <= 6; ++i) {
            const std::string color = i ? " #8000000F w1\n" : " #C0C0C0 w1\n";
            e += "Line " + at(cx - o, cy + i * s) + "-" + at(cx + o, cy + i * s) + color;
            e += "Line " + at(cx + i * s, cy - o) + "-" + at(cx + i * s, cy + o) + color;
        }
        text(e, cx + o + pt / 2, cy - 0.75 * pt, "X", pt, colors::kBlack);
        text(e, cx - pt / 4, cy - o - 1.5 * pt, "Y", pt, colors::kBlack);
    }
    // Names centred half the outer radius out in each quadrant, the signs one line below.
    const char *labels[] = {"Quadrant I", "Quadrant II", "Quadrant III", "Quadrant IV",
                            "(+,+)",      "(-,+)",       "(-,-)",        "(+,-)"};
    e += "FontSize 12\n"; // 6 per character, 18 high
    for (int k = 0; k < 8; ++k) {
        const std::string t = labels[k];
        const double x = cx + (k % 4 == 0 || k % 4 == 3 ? 3 : -3) * s - 3 * t.size();
        text(e, x, cy + (k % 4 < 2 ? -3 : 3) * s - 9 + (k < 4 ? 0 : 18), t, 12, colors::kGrey,
             colors::kWhite);
    }
    e += "FontSize 8\n";
    return e;
}

// After the grid: the red circle through the point, the blue dot on it in the
// direction of the point, and the label 10 above it, kept inside the canvas.
// 289 x 313 is taller than wide: s = (289 - 2 x 16.5) / 12, the outer ring 128
// from the centre; 600 x 300 is wider than tall: s = (300 - 3 x 12.375) / 12.
// The label is at 8 pt, 4 per character and 12 high.
TEST(Diagrams, PointAndLabel)
{
    const std::tuple<const char *, float, float, const char *, const char *, const char *,
                     const char *>
        rows[] = {
            {"polar at the design size", 289, 313, "polar 5 130", "62.2232,58.4463",
             "36.2232,36.4463-88.2232,48.4463", "(r=5, \u00D8=130\u00B0)"},
            {"polar on a wide canvas", 600, 300, "polar 2.5 -45", "392.94,242.94",
             "362.94,220.94-422.94,232.94", "(r=2.5, \u00D8=-45\u00B0)"},
            {"rectangular at the design size", 289, 313, "rectangular 5 0 3 4", "221.3,54.1",
             "201.3,32.1-241.3,44.1", "(X=3, Y=4)"},
            {"rectangular on a wide canvas", 600, 300, "rectangular 5 0 -3 -4", "221.137,255.15",
             "197.137,233.15-245.137,245.15", "(X=-3, Y=-4)"},
            {"0: right end of the axis, label ends exactly at W", 289, 313, "polar 5 0",
             "272.5,156.5", "245,134.5-289,146.5", "(r=5, \u00D8=0\u00B0)"},
            {"90: top", 289, 313, "polar 5 90", "144.5,28.5", "120.5,6.5-168.5,18.5",
             "(r=5, \u00D8=90\u00B0)"},
            {"270: bottom, the label 10 above the dot", 289, 313, "polar 5 270", "144.5,284.5",
             "118.5,262.5-170.5,274.5", "(r=5, \u00D8=270\u00B0)"},
            {"360 as 0, label not normalised", 289, 313, "polar 5 360", "272.5,156.5",
             "237,134.5-289,146.5", "(r=5, \u00D8=360\u00B0)"},
            {"-90 as 270", 289, 313, "polar 5 -90", "144.5,284.5", "118.5,262.5-170.5,274.5",
             "(r=5, \u00D8=-90\u00B0)"},
            {"negative r: direction of the angle itself", 289, 313, "polar -5 0", "272.5,156.5",
             "241,134.5-289,146.5", "(r=-5, \u00D8=0\u00B0)"},
            {"r too small to show still draws, label at x = 0", 289, 313, "polar 1E-05 180",
             "16.5,156.5", "0,134.5-52,146.5", "(r=0, \u00D8=180\u00B0)"},
            {"labels rounded as shown", 289, 313, "polar 4.33012701892219 30.0000008348261",
             "255.351,92.5", "225.351,70.5-285.351,82.5", "(r=4.33, \u00D8=30\u00B0)"},
            {"top edge: label at y = 0", 600, 300, "polar 5 90", "300,18.5625", "276,0-324,12",
             "(r=5, \u00D8=90\u00B0)"},
            {"top-left corner", 60, 50, "polar 5 135", "25.448,20.448", "0,0-52,12",
             "(r=5, \u00D8=135\u00B0)"},
            {"(300, 400): where (3, 4) is, other label", 289, 313, "rectangular 500 0 300 400",
             "221.3,54.1", "193.3,32.1-249.3,44.1", "(X=300, Y=400)"},
            {"x = 0, y > 0: still drawn, at the top", 289, 313, "rectangular 5 0 0 5", "144.5,28.5",
             "124.5,6.5-164.5,18.5", "(X=0, Y=5)"},
            {"x = 0, y < 0: bottom", 289, 313, "rectangular 5 0 0 -5", "144.5,284.5",
             "122.5,262.5-166.5,274.5", "(X=0, Y=-5)"},
            {"y = 0, x < 0: left, label at x = 0", 289, 313, "rectangular 2 0 -2 0", "16.5,156.5",
             "0,134.5-44,146.5", "(X=-2, Y=0)"},
            {"y = 0, x > 0: right, label ends at W", 289, 313, "rectangular 5 0 5 0", "272.5,156.5",
             "249,134.5-289,146.5", "(X=5, Y=0)"},
            {"(-1, -1)", 289, 313, "rectangular 1.4142135623731 0 -1 -1", "53.9903,247.01",
             "29.9903,225.01-77.9903,237.01", "(X=-1, Y=-1)"},
            {"only y has a significant digit", 289, 313, "rectangular 0.001 0 0 0.001",
             "144.5,28.5", "124.5,6.5-164.5,18.5", "(X=0, Y=0)"},
            {"negative r: label keeps the signs of x and y", 289, 313,
             "rectangular -5 0 -4.33012701892219 -2.5", "33.6487,220.5", "0,198.5-68,210.5",
             "(X=-4.33, Y=-2.5)"},
            {"rectangular, top edge", 600, 300, "rectangular 5 0 0 5", "300,18.5625",
             "280,0-320,12", "(X=0, Y=5)"},
        };
    modMath::SignificantValues = 2;
    for (const auto &[name, W, H, drawing, dot, box, label] : rows) {
        SCOPED_TRACE(name);
        RecordingCanvas canvas(W, H);
        draw(canvas, drawing);
        const std::string corner = std::string(box).substr(0, std::string(box).find('-'));
        EXPECT_EQ(canvas.calls,
                  grid(drawing, W, H) + "Circle " + at(W / 2, H / 2) + " r" + num(6 * step(W, H)) +
                      " #0000FF\nCircle " + dot + " r5 #FF0000 fill #FF0000\nBox " + box +
                      " #FFFFFF fill #FFFFFF\nPrint " + corner + " 8pt #FF0000 " + label + "\n");
    }
}

// Values whose decimal text has no digit 1 to 9 draw the grid and labels only;
// a square canvas sizes the grid from its height.
TEST(Diagrams, NoPointWithoutASignificantDigit)
{
    for (const std::string zero : {"0", "-0", "0.000", "0E+05"}) {
        for (const std::string &drawing :
             {"polar " + zero + " 45", "rectangular 5 0 " + zero + " " + zero}) {
            SCOPED_TRACE(drawing);
            RecordingCanvas canvas(300, 300);
            draw(canvas, drawing);
            EXPECT_EQ(canvas.calls, grid(drawing, 300, 300));
        }
    }
}

// The first drawing measures in the design font; it leaves the canvas at 8,
// which every later drawing measures with.
TEST(Diagrams, LaterDrawingsMeasureAtSize8)
{
    for (const std::string drawing : {"polar 0 30", "rectangular 5 0 0 0"}) {
        SCOPED_TRACE(drawing);
        RecordingCanvas canvas(600, 300, 10);
        draw(canvas, drawing);
        EXPECT_EQ(canvas.calls, grid(drawing, 600, 300, 10));
        canvas.calls.clear();
        draw(canvas, drawing);
        EXPECT_EQ(canvas.calls, grid(drawing, 600, 300, 8));
    }
}

// A canvas no larger than its text margins (s <= 0) is cleared and left empty.
TEST(Diagrams, NoRoomForTheGridDrawsNothing)
{
    const std::tuple<const char *, float, float> rows[] = {{"width rule, s = 0", 33, 200},
                                                           {"width rule, s < 0", 20, 200},
                                                           {"height rule, s = 0", 200, 37.125f},
                                                           {"height rule, s < 0", 200, 10},
                                                           {"empty", 0, 0}};
    for (const auto &[name, W, H] : rows) {
        for (const char *drawing : {"polar 5 30", "rectangular 5 0 3 4"}) {
            SCOPED_TRACE(std::string(name) + ", " + drawing);
            RecordingCanvas canvas(W, H);
            EXPECT_NO_THROW(draw(canvas, drawing));
            EXPECT_EQ(canvas.calls, "Cls\nFontSize 8\n");
        }
    }
}

// Stored texts are read before anything is drawn, so an unreadable one leaves
// the previous drawing; an angle beyond the single range ends the drawing
// where it is needed, after the grid.
TEST(Diagrams, FaultsEndTheDrawing)
{
    for (const std::string bad : {"", "-", "1-2"}) {
        RecordingCanvas canvas(289, 313);
        for (const auto &[polar, i] :
             {std::pair{true, 0}, {true, 1}, {false, 0}, {false, 2}, {false, 3}}) {
            SCOPED_TRACE((polar ? "polar, tag " : "rectangular, tag ") + std::to_string(i) + ": " +
                         bad);
            InputBoxes boxes;
            boxes.Tag[i] = bad;
            EXPECT_THROW(polar ? DrawPolarDiagram(canvas, boxes)
                               : DrawRectangularDiagram(canvas, boxes),
                         modMath::ConversionError);
        }
        EXPECT_EQ(canvas.calls, "");
    }
    RecordingCanvas canvas(289, 313);
    EXPECT_THROW(draw(canvas, "polar 5 1E+39"), modMath::ArithmeticError);
    EXPECT_EQ(canvas.calls, grid("polar", 289, 313));
}

} // namespace
