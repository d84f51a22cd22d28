#include "conversion_control/command_index.h"
#include "conversion_control/conversion_commands.h"
#include "conversion_control/feedback_text.h"
#include "conversion_control/input_boxes.h"
#include "conversion_control/result_record.h"
#include "math/mod_math.h"

#include <gtest/gtest.h>

namespace {

struct DescriptionCase
{
    const char *name;
    std::int16_t command;
    const char *a, *b; // the two source texts as typed
    const char *polar, *rectangular;
    const char *said; // the results
};

// The boxes show 2 places; the program-wide setting is put back afterwards.
class FeedbackTextTest : public testing::TestWithParam<DescriptionCase>
{
protected:
    void SetUp() override { modMath::SignificantValues = 2; }
    void TearDown() override { modMath::SignificantValues = m_saved; }

private:
    std::int16_t m_saved = modMath::SignificantValues;
};

// The descriptions and the results said read the boxes as they show after the command.
TEST_P(FeedbackTextTest, SaysWhatTheDiagramShows)
{
    const DescriptionCase &c = GetParam();
    InputBoxes boxes;
    const std::size_t first = c.command == kPolarToRectangular ? 0 : 2;
    boxes.Text[first] = c.a;
    boxes.Text[first + 1] = c.b;
    ConvertTexts(c.command, boxes);
    const ResultRecord result = ReadResult(c.command, boxes);
    EXPECT_EQ(PolarDiagramDescription(boxes, result.Quadrant), c.polar);
    EXPECT_EQ(RectangularDiagramDescription(boxes, result.Quadrant), c.rectangular);
    EXPECT_EQ(ResultAnnouncement(result, boxes), c.said);
}

INSTANTIATE_TEST_SUITE_P(
    Conversions, FeedbackTextTest,
    testing::Values(
        DescriptionCase{
            "polarToRectangular", 0, "5", "30", "Point at r = 5, \u00D8 = 30\u00B0 in Quadrant I",
            "Point at x = 4.33, y = 2.5 in Quadrant I", "x = 4.33, y = 2.5, Quadrant I"},
        DescriptionCase{"typedTextAsTyped", 0, "1,234.5", "130",
                        "Point at r = 1,234.5, \u00D8 = 130\u00B0 in Quadrant II",
                        "Point at x = -793.52, y = 945.68 in Quadrant II",
                        "x = -793.52, y = 945.68, Quadrant II"},
        DescriptionCase{"rectangularToPolar", 1, "-3", "-4",
                        "Point at r = 5, \u00D8 = 233.13\u00B0 in Quadrant III",
                        "Point at x = -3, y = -4 in Quadrant III",
                        "r = 5, \u00D8 = 233.13\u00B0, Quadrant III"},
        DescriptionCase{
            "negativeRadius", 0, "-5", "30", "Point at r = -5, \u00D8 = 30\u00B0 in Quadrant III",
            "Point at x = -4.33, y = -2.5 in Quadrant III", "x = -4.33, y = -2.5, Quadrant III"},
        // Where the diagrams draw no point, neither does the description.
        DescriptionCase{"zeroRadius", 0, "0", "45", "Polar grid without a point: r = 0",
                        "Rectangular grid without a point: x = 0, y = 0",
                        "x = 0, y = 0, Quadrant I"},
        DescriptionCase{"origin", 1, "0", "0", "Polar grid without a point: r = 0",
                        "Rectangular grid without a point: x = 0, y = 0",
                        "r = 0, \u00D8 = 0\u00B0, Quadrant I"},
        // A point too close to show at 2 places is still drawn, and named.
        DescriptionCase{
            "tinyButDrawn", 1, "0.001", "0", "Point at r = 0, \u00D8 = 0\u00B0 in Quadrant I",
            "Point at x = 0.001, y = 0 in Quadrant I", "r = 0, \u00D8 = 0\u00B0, Quadrant I"},
        // Shown whole in the boxes, said short.
        DescriptionCase{"longNumbers", 1, "-200000000000000000000", "0",
                        "Point at r = 2 times 10 to the power 20, \u00D8 = 180\u00B0 "
                        "in Quadrant II",
                        "Point at x = -2 times 10 to the power 20, y = 0 in Quadrant II",
                        "r = 2 times 10 to the power 20, \u00D8 = 180\u00B0, Quadrant "
                        "II"}),
    [](const testing::TestParamInfo<DescriptionCase> &info) { return info.param.name; });

} // namespace
