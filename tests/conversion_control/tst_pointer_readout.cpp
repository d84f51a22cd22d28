#include "canvas/recording_canvas.h"
#include "conversion_control/feedback_text.h"
#include "conversion_control/pointer_readout.h"
#include "math/mod_math.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>

namespace {

struct Row
{
    const char *Name;
    float X, Y;
    const char *RText;
    const char *Polar;
    const char *Rectangular;
    // 272 x 300 at 8 pt is taller than wide: "XXXX" is 16 wide, so s = (272 - 32) / 12
    // = 20; centre (136, 150), outer ring 120 away.
    float W = 272, H = 300, FontSize = 8;
    std::int16_t Significant = 2;
};

const Row kRows[] = {
    {"centre: angle 180, Quadrant II", 136, 150, "5", "Radius = 0; Angle = 180°; Quadrant II",
     "X = 0; Y = 0; Quadrant II"},
    {"straight right: angle 0, Quadrant I", 176, 150, "5", "Radius = 1.67; Angle = 0°; Quadrant I",
     "X = 1.67; Y = 0; Quadrant I"},
    {"straight left: angle 180, Quadrant II", 96, 150, "5",
     "Radius = 1.67; Angle = 180°; Quadrant II", "X = -1.67; Y = 0; Quadrant II"},
    {"on the outer ring: Radius = r", 256, 150, "5", "Radius = 5; Angle = 0°; Quadrant I",
     "X = 5; Y = 0; Quadrant I"},
    {"straight above: Quadrant II", 136, 110, "5", "Radius = 1.67; Angle = 90°; Quadrant II",
     "X = 0; Y = 1.67; Quadrant II"},
    {"straight below: Quadrant III", 136, 190, "5", "Radius = 1.67; Angle = 270°; Quadrant III",
     "X = 0; Y = -1.67; Quadrant III"},
    {"up and right", 156, 130, "5", "Radius = 1.18; Angle = 45°; Quadrant I",
     "X = 0.83; Y = 0.83; Quadrant I"},
    {"up and left", 116, 130, "5", "Radius = 1.18; Angle = 135°; Quadrant II",
     "X = -0.83; Y = 0.83; Quadrant II"},
    {"down and left", 116, 170, "5", "Radius = 1.18; Angle = 225°; Quadrant III",
     "X = -0.83; Y = -0.83; Quadrant III"},
    {"down and right", 156, 170, "5", "Radius = 1.18; Angle = 315°; Quadrant IV",
     "X = 0.83; Y = -0.83; Quadrant IV"},
    {"outside the diagram, far right", 272, 0, "5", "Radius = 8.44; Angle = 47.80°; Quadrant I",
     "X = 5.67; Y = 6.25; Quadrant I"},
    // The 1E-8 divisor and the single-precision arctangent show with many digits.
    {"straight above, 14 digits", 136, 110, "6",
     "Radius = 2; Angle = 89.9999974955218°; Quadrant II", "X = 0; Y = 2; Quadrant II", 272, 300, 8,
     14},
    {"straight below, 14 digits", 136, 190, "6",
     "Radius = 2; Angle = 270.000002504478°; Quadrant III", "X = 0; Y = -2; Quadrant III", 272, 300,
     8, 14},
    {"diagonal, 14 digits", 156, 130, "6",
     "Radius = 1.4142135623731; Angle = 45.0000012522391°; Quadrant I", "X = 1; Y = 1; Quadrant I",
     272, 300, 8, 14},
    // The scale follows the r box as typed; the polar read-out names r itself, x
    // and y keep the signs of their quadrant.
    {"r = 0: zero, angle and quadrant still follow", 116, 130, "0",
     "Radius = 0; Angle = 135°; Quadrant II", "X = 0; Y = 0; Quadrant II"},
    {"negative r", 116, 130, "-6", "Radius = -1.41; Angle = 135°; Quadrant II",
     "X = -1; Y = 1; Quadrant II"},
    {"r typed with a group separator", 116, 130, "1,200",
     "Radius = 282.84; Angle = 135°; Quadrant II", "X = -200; Y = 200; Quadrant II"},
    // Each read-out measures its own canvas, in its current font.
    {"wide canvas: s = (300 - 36) / 12 = 22", 344, 150, "6", "Radius = 2; Angle = 0°; Quadrant I",
     "X = 2; Y = 0; Quadrant I", 600, 300, 8},
    {"wide canvas at 12 pt: s = (300 - 54) / 12 = 20.5", 341, 150, "6",
     "Radius = 2; Angle = 0°; Quadrant I", "X = 2; Y = 0; Quadrant I", 600, 300, 12},
    {"square canvas: height rule, s = 22", 194, 150, "6", "Radius = 2; Angle = 0°; Quadrant I",
     "X = 2; Y = 0; Quadrant I", 300, 300, 8},
    // A diagram smaller than its margins has a negative step: no special case.
    {"narrow canvas: s = (20 - 32) / 12 = -1", 0, 150, "6",
     "Radius = -10; Angle = 180°; Quadrant II", "X = 10; Y = 0; Quadrant II", 20, 300, 8},
};

TEST(PointerReadout, TextsAtTheDiagramsScale)
{
    for (const Row &row : kRows) {
        SCOPED_TRACE(row.Name);
        modMath::SignificantValues = row.Significant;
        const RecordingCanvas canvas(row.W, row.H, row.FontSize);
        EXPECT_EQ(PolarReadoutLine(PolarReadout(canvas, row.X, row.Y, row.RText)), row.Polar);
        EXPECT_EQ(RectangularReadoutLine(RectangularReadout(canvas, row.X, row.Y, row.RText)),
                  row.Rectangular);
    }
}

TEST(PointerReadout, Failures)
{
    for (const char *text : {"", "-", ".", "-.", "abc", "1-2"}) {
        SCOPED_TRACE(text);
        const RecordingCanvas canvas(272, 300, 8);
        EXPECT_THROW((void)PolarReadout(canvas, 100, 100, text), modMath::ConversionError);
        EXPECT_THROW((void)RectangularReadout(canvas, 100, 100, text), modMath::ConversionError);
    }
    const std::tuple<const char *, float, float, float, float, const char *> failures[] = {
        {"width rule, s = 0", 32, 300, 10, 10, "5"},
        {"height rule, s = 0", 300, 36, 10, 10, "5"},
        {"s = 0 at the centre: 0 / 0", 32, 300, 16, 150, "5"},
        {"radius beyond the double range", 272, 300, 272, 0, "1.7E+308"},
    };
    for (const auto &[name, W, H, x, y, rText] : failures) {
        SCOPED_TRACE(name);
        const RecordingCanvas canvas(W, H, 8);
        EXPECT_THROW((void)PolarReadout(canvas, x, y, rText), modMath::ArithmeticError);
        EXPECT_THROW((void)RectangularReadout(canvas, x, y, rText), modMath::ArithmeticError);
    }
}

} // namespace
