#include "canvas/recording_canvas.h"
#include "conversion_control/input_boxes.h"
#include "conversion_control/polar_diagram.h"
#include "conversion_control/rectangular_diagram.h"
#include "math/mod_math.h"

#include <gtest/gtest.h>

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

// What a drawing records on a fresh W x H canvas.
std::string recorded(const std::string &drawing, float W, float H)
{
    RecordingCanvas canvas(W, H);
    draw(canvas, drawing);
    return canvas.calls;
}

// The grid and its labels: everything up to the font going back to 8 at the end.
std::string gridOf(const std::string &calls)
{
    const auto end = calls.rfind("FontSize 8\n");
    return end == std::string::npos ? "<no grid>" : calls.substr(0, end + 11);
}

// How many calls of a kind ("Line", "Print") a recording holds.
std::size_t count(const std::string &calls, const std::string &kind)
{
    std::size_t n = 0;
    for (auto at = calls.find("\n" + kind); at != std::string::npos;
         at = calls.find("\n" + kind, at + 1))
        ++n;
    return n;
}

// Both grids at the design size, 289 x 313, worked out by hand. The centre is
// (144.5, 156.5); the canvas is taller than wide, so two widths of "XXXX" at
// 8.25 pt (33) leave the margins: s = (289 - 33) / 12 = 21.3333, the outer
// ring 6s = 128 from the centre.
TEST(Diagrams, GridsAtTheDesignSize)
{
    const std::string polar = recorded("polar 0 0", 289, 313);
    for (const char *call :
         {"Cls\nCircle 144.5,156.5 r21.3333 #8000000F\n",
          "Circle 144.5,156.5 r128 #8000000F\nLine 144.5,156.5-272.5,156.5 #C0C0C0 w1\n",
          // 15 degrees: 128 cos 15 = 123.639 across, 128 sin 15 = 33.129 up.
          "Line 144.5,156.5-268.139,123.371 #8000000F w1\n",
          "Line 144.5,156.5-144.5,28.5 #C0C0C0 w1\n",
          // "0°" (8.25 x 12.375) centred 0.75 of its width beyond the ring's
          // end; "90°" (12.375 wide) 0.75 of its height above the top.
          "Print 274.562,150.312 8.25pt #000000 0°\n", "Print 138.312,13.0312 8.25pt #000000 90°\n",
          // "Quadrant I" (60 x 18) centred on (cx + 3s, cy - 3s), its signs
          // (30 wide) a line below; "Quadrant III" (72) on (cx - 3s, cy + 3s).
          "FontSize 12\nBox 178.5,83.5-238.5,101.5 #FFFFFF fill #FFFFFF\n"
          "Print 178.5,83.5 12pt #808080 Quadrant I\n",
          "Print 193.5,101.5 12pt #808080 (+,+)\n", "Print 44.5,211.5 12pt #808080 Quadrant III\n"})
        EXPECT_NE(polar.find(call), std::string::npos) << call;
    // Six rings, 24 spokes, a label every 45 degrees, four names and four signs.
    EXPECT_EQ(count(polar, "Circle"), 6u);
    EXPECT_EQ(count(polar, "Line"), 24u);
    EXPECT_EQ(count(polar, "Print"), 8u + 8u);

    const std::string rectangular = recorded("rectangular 0 0 0 0", 289, 313);
    for (const char *call : {"Cls\nLine 16.5,28.5-272.5,28.5 #8000000F w1\n"
                             "Line 16.5,28.5-16.5,284.5 #8000000F w1\n",
                             "Line 16.5,49.8333-272.5,49.8333 #8000000F w1\n",
                             "Line 16.5,156.5-272.5,156.5 #C0C0C0 w1\n"
                             "Line 144.5,28.5-144.5,284.5 #C0C0C0 w1\n",
                             // X half a size past the right end, Y a text height above the top.
                             "Print 276.625,150.312 8.25pt #000000 X\n"
                             "Print 142.438,16.125 8.25pt #000000 Y\nFontSize 12\n"})
        EXPECT_NE(rectangular.find(call), std::string::npos) << call;
    EXPECT_EQ(count(rectangular, "Line"), 26u);
    // The quadrant labels are the polar grid's.
    EXPECT_EQ(rectangular.substr(rectangular.find("FontSize 12")),
              polar.substr(polar.find("FontSize 12")));
}

// After the grid, unchanged: the red circle through the point, the blue dot on
// it in the direction of the point, and the label 10 above it, kept inside
// the canvas. 289 x 313 is taller than wide: s = (289 - 2 x 16.5) / 12, the
// outer ring 128 from the centre; 600 x 300 is wider than tall:
// s = (300 - 3 x 12.375) / 12, the ring 131.4375; so is 60 x 50:
// s = (50 - 37.125) / 12, the ring 6.4375. The label is at 8 pt, 4 per
// character and 12 high.
TEST(Diagrams, PointAndLabel)
{
    const auto outerRing = [](float W) {
        return W == 289 ? "144.5,156.5 r128" : W == 600 ? "300,150 r131.438" : "30,25 r6.4375";
    };
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
        const std::string pointless =
            std::string(drawing).starts_with("polar") ? "polar 0 0" : "rectangular 0 0 0 0";
        const std::string corner = std::string(box).substr(0, std::string(box).find('-'));
        EXPECT_EQ(recorded(drawing, W, H),
                  recorded(pointless, W, H) + "Circle " + outerRing(W) + " #0000FF\nCircle " + dot +
                      " r5 #FF0000 fill #FF0000\nBox " + box + " #FFFFFF fill #FFFFFF\nPrint " +
                      corner + " 8pt #FF0000 " + label + "\n");
    }
}

// Values whose decimal text has no digit 1 to 9 draw the grid and labels only:
// what a drawing with a point draws before it. A square canvas sizes the grid
// from its height: the outer ring (300 - 37.125) / 2 = 131.4375 from the centre.
TEST(Diagrams, NoPointWithoutASignificantDigit)
{
    EXPECT_NE(recorded("polar 0 45", 300, 300).find("Circle 150,150 r131.438 #8000000F\n"),
              std::string::npos);
    for (const std::string zero : {"0", "-0", "0.000", "0E+05"}) {
        for (const auto &[drawing, withPoint] :
             {std::pair{"polar " + zero + " 45", "polar 5 45"},
              std::pair{"rectangular 5 0 " + zero + " " + zero, "rectangular 5 0 3 4"}}) {
            SCOPED_TRACE(drawing);
            EXPECT_EQ(recorded(drawing, 300, 300), gridOf(recorded(withPoint, 300, 300)));
        }
    }
}

// The first drawing measures in the design font; it leaves the canvas at 8,
// which every later drawing measures with. On 600 x 300 the height rule puts
// the outer ring (300 - 4.5 x size) / 2 from the centre: 127.5 at 10, 132 at 8.
TEST(Diagrams, LaterDrawingsMeasureAtSize8)
{
    for (const auto &[drawing, atSize10, atSize8] :
         {std::tuple{"polar 0 30", "Circle 300,150 r127.5 #8000000F\n",
                     "Circle 300,150 r132 #8000000F\n"},
          std::tuple{"rectangular 5 0 0 0", "Line 172.5,22.5-427.5,22.5 #8000000F w1\n",
                     "Line 168,18-432,18 #8000000F w1\n"}}) {
        SCOPED_TRACE(drawing);
        RecordingCanvas canvas(600, 300, 10);
        draw(canvas, drawing);
        EXPECT_NE(canvas.calls.find(atSize10), std::string::npos);
        EXPECT_EQ(canvas.calls.find(atSize8), std::string::npos);
        canvas.calls.clear();
        draw(canvas, drawing);
        EXPECT_NE(canvas.calls.find(atSize8), std::string::npos);
        RecordingCanvas freshAt8(600, 300, 8);
        draw(freshAt8, drawing);
        EXPECT_EQ(canvas.calls, freshAt8.calls);
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
    EXPECT_EQ(canvas.calls, recorded("polar 0 0", 289, 313));
}

} // namespace
