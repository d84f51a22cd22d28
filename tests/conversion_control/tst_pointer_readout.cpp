#include "canvas/recording_canvas.h"
#include "conversion_control/pointer_readout.h"
#include "math/mod_math.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// 272 x 300 at font size 8 is taller than wide: "XXXX" is 16 wide, so
// s = (272 - 32) / 12 = 20; centre (136, 150), outer ring 120 away.
RecordingCanvas readoutCanvas()
{
    return RecordingCanvas(272, 300, 8);
}

struct ReadoutRow
{
    const char *name;
    float x, y;
    const char *polar;
    const char *rectangular;
};

class PointerReadout : public ::testing::Test
{
protected:
    void SetUp() override { modMath::SignificantValues = 2; }
};

TEST_F(PointerReadout, TextsAroundTheCentre)
{
    const ReadoutRow rows[] = {
        {"centre: angle 180, Quadrant II", 136, 150, "Radius = 0; Angle = 180°; Quadrant II",
         "X = 0; Y = 0; Quadrant II"},
        {"straight right: angle 0, Quadrant I", 176, 150, "Radius = 1.67; Angle = 0°; Quadrant I",
         "X = 1.67; Y = 0; Quadrant I"},
        {"straight left: angle 180, Quadrant II", 96, 150,
         "Radius = 1.67; Angle = 180°; Quadrant II", "X = -1.67; Y = 0; Quadrant II"},
        {"on the outer ring: Radius = r", 256, 150, "Radius = 5; Angle = 0°; Quadrant I",
         "X = 5; Y = 0; Quadrant I"},
        {"straight above: Quadrant II", 136, 110, "Radius = 1.67; Angle = 90°; Quadrant II",
         "X = 0; Y = 1.67; Quadrant II"},
        {"straight below: Quadrant III", 136, 190, "Radius = 1.67; Angle = 270°; Quadrant III",
         "X = 0; Y = -1.67; Quadrant III"},
        {"up and right", 156, 130, "Radius = 1.18; Angle = 45°; Quadrant I",
         "X = 0.83; Y = 0.83; Quadrant I"},
        {"up and left", 116, 130, "Radius = 1.18; Angle = 135°; Quadrant II",
         "X = -0.83; Y = 0.83; Quadrant II"},
        {"down and left", 116, 170, "Radius = 1.18; Angle = 225°; Quadrant III",
         "X = -0.83; Y = -0.83; Quadrant III"},
        {"down and right", 156, 170, "Radius = 1.18; Angle = 315°; Quadrant IV",
         "X = 0.83; Y = -0.83; Quadrant IV"},
        {"outside the diagram, far right", 272, 0, "Radius = 8.44; Angle = 47.80°; Quadrant I",
         "X = 5.67; Y = 6.25; Quadrant I"},
    };
    const RecordingCanvas canvas = readoutCanvas();
    for (const ReadoutRow &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(PolarReadout(canvas, row.x, row.y, "5"), row.polar);
        EXPECT_EQ(RectangularReadout(canvas, row.x, row.y, "5"), row.rectangular);
    }
}

// The 1E-8 divisor and the single-precision arctangent show when many digits are asked for.
TEST_F(PointerReadout, UnroundedAnglesOnTheVertical)
{
    modMath::SignificantValues = 14;
    const RecordingCanvas canvas = readoutCanvas();
    EXPECT_EQ(PolarReadout(canvas, 136, 110, "6"),
              "Radius = 2; Angle = 89.9999974955218°; Quadrant II");
    EXPECT_EQ(PolarReadout(canvas, 136, 190, "6"),
              "Radius = 2; Angle = 270.000002504478°; Quadrant III");
    EXPECT_EQ(PolarReadout(canvas, 156, 130, "6"),
              "Radius = 1.4142135623731; Angle = 45.0000012522391°; Quadrant I");
}

TEST_F(PointerReadout, ScaleFollowsTheTypedRadius)
{
    struct Row
    {
        const char *name;
        const char *rText;
        const char *polar;
        const char *rectangular;
    };
    const Row rows[] = {
        {"r = 0: zero everywhere, angle and quadrant still follow", "0",
         "Radius = 0; Angle = 135°; Quadrant II", "X = 0; Y = 0; Quadrant II"},
        // The polar read-out names r as typed, like the polar label; x and y keep
        // the signs of their quadrant.
        {"negative r", "-6", "Radius = -1.41; Angle = 135°; Quadrant II",
         "X = -1; Y = 1; Quadrant II"},
        {"typed with a group separator", "1,200", "Radius = 282.84; Angle = 135°; Quadrant II",
         "X = -200; Y = 200; Quadrant II"},
    };
    const RecordingCanvas canvas = readoutCanvas();
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(PolarReadout(canvas, 116, 130, row.rText), row.polar);
        EXPECT_EQ(RectangularReadout(canvas, 116, 130, row.rText), row.rectangular);
    }
}

// Each read-out measures its own canvas, in its current font.
TEST_F(PointerReadout, MeasuresTheCanvasItIsGiven)
{
    RecordingCanvas wide(600, 300, 8); // s = (300 - 36) / 12 = 22
    EXPECT_EQ(RectangularReadout(wide, 300 + 44, 150, "6"), "X = 2; Y = 0; Quadrant I");
    wide.SetFontSize(12); // s = (300 - 54) / 12 = 20.5
    EXPECT_EQ(RectangularReadout(wide, 300 + 41, 150, "6"), "X = 2; Y = 0; Quadrant I");
    // A diagram smaller than its margins has a negative step: no special case.
    const RecordingCanvas narrow(20, 300, 8); // s = (20 - 32) / 12 = -1
    EXPECT_EQ(PolarReadout(narrow, 0, 150, "6"), "Radius = -10; Angle = 180°; Quadrant II");
}

TEST_F(PointerReadout, UnreadableRadiusThrows)
{
    const RecordingCanvas canvas = readoutCanvas();
    for (const char *text : {"", "-", ".", "-.", "abc", "1-2"}) {
        SCOPED_TRACE(text);
        EXPECT_THROW((void)PolarReadout(canvas, 100, 100, text), modMath::ConversionError);
        EXPECT_THROW((void)RectangularReadout(canvas, 100, 100, text), modMath::ConversionError);
    }
}

TEST_F(PointerReadout, ZeroStepOrOverflowThrows)
{
    struct Row
    {
        const char *name;
        RecordingCanvas canvas;
        float x, y;
        const char *rText;
    };
    const Row rows[] = {
        {"width rule, s = 0", RecordingCanvas(32, 300, 8), 10, 10, "5"},
        {"height rule, s = 0", RecordingCanvas(300, 36, 8), 10, 10, "5"},
        {"s = 0 at the centre: 0 / 0", RecordingCanvas(32, 300, 8), 16, 150, "5"},
        {"radius beyond the double range", readoutCanvas(), 272, 0, "1.7E+308"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_THROW((void)PolarReadout(row.canvas, row.x, row.y, row.rText),
                     modMath::ArithmeticError);
        EXPECT_THROW((void)RectangularReadout(row.canvas, row.x, row.y, row.rText),
                     modMath::ArithmeticError);
    }
}

} // namespace
