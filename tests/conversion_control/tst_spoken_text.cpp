#include "conversion_control/conversion_commands.h"
#include "conversion_control/result_record.h"
#include "conversion_control/spoken_text.h"
#include "math/mod_math.h"

#include <gtest/gtest.h>

namespace {

struct ResultCase
{
    const char *name;
    std::int16_t command;
    const char *a, *b; // the two source texts as typed
    const char *said;
};

class ResultAnnouncementTest : public testing::TestWithParam<ResultCase>
{};

// The results as the boxes show them, not at full precision.
TEST_P(ResultAnnouncementTest, SaysTheShownResults)
{
    const ResultCase &c = GetParam();
    modMath::SignificantValues = 2;
    InputBoxes boxes;
    const std::size_t first = c.command == kPolarToRectangular ? 0 : 2;
    boxes.Text[first] = c.a;
    boxes.Text[first + 1] = c.b;
    ConvertTexts(c.command, boxes);
    EXPECT_EQ(ResultAnnouncement(ReadResult(c.command, boxes), boxes), c.said);
}

INSTANTIATE_TEST_SUITE_P(
    Conversions, ResultAnnouncementTest,
    testing::Values(ResultCase{"polarToRectangular", 0, "5", "30", "x = 4.33, y = 2.5, Quadrant I"},
                    ResultCase{"rectangularToPolar", 1, "-3", "-4",
                               "r = 5, \u00D8 = 233.13\u00B0, Quadrant III"},
                    ResultCase{"groupedThousands", 0, "5000", "30",
                               "x = 4,330.13, y = 2,500, Quadrant I"}),
    [](const testing::TestParamInfo<ResultCase> &info) { return info.param.name; });

TEST(ReadoutAnnouncement, TheFocusedDiagramsLineWithCommas)
{
    const char *polar = "Radius = 1.67; Angle = 33.69\u00B0; Quadrant I";
    const char *rectangular = "X = 1.39; Y = 0.93; Quadrant I";
    EXPECT_EQ(ReadoutAnnouncement(polar, rectangular, false),
              "Radius = 1.67, Angle = 33.69\u00B0, Quadrant I");
    EXPECT_EQ(ReadoutAnnouncement(polar, rectangular, true), "X = 1.39, Y = 0.93, Quadrant I");
}

TEST(UnreadableBoxDescription, NamesTheBoxAndItsText)
{
    EXPECT_EQ(UnreadableBoxDescription(2, "-"), "x = \u201C-\u201D is not a number");
    EXPECT_EQ(UnreadableBoxDescription(1, ""), "\u00D8 = \u201C\u201D is not a number");
}

} // namespace
