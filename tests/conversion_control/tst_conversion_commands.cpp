#include "conversion_control/conversion_commands.h"
#include "conversion_control/quadrant.h"
#include "conversion_control/result_record.h"
#include "math/mod_math.h"

#include <gtest/gtest.h>

#include <string>

using namespace modMath;

namespace {

class ConversionCommands : public ::testing::Test
{
protected:
    void SetUp() override { SignificantValues = 2; }
    void TearDown() override { SignificantValues = 0; }

    static InputBoxes polar(const char *r, const char *angle)
    {
        InputBoxes boxes;
        boxes.Text[0] = r;
        boxes.Text[1] = angle;
        return boxes;
    }
    static InputBoxes rectangular(const char *x, const char *y)
    {
        InputBoxes boxes;
        boxes.Text[2] = x;
        boxes.Text[3] = y;
        return boxes;
    }
};

void expectBoxes(const InputBoxes &boxes, const std::array<std::string, 4> &text,
                 const std::array<std::string, 4> &tag)
{
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE("box " + std::to_string(i));
        EXPECT_EQ(boxes.Text[i], text[i]);
        EXPECT_EQ(boxes.Tag[i], tag[i]);
    }
}

} // namespace

TEST_F(ConversionCommands, PolarToRectangularAndBackFromTheRoundedTexts)
{
    InputBoxes boxes = polar("5", "30");
    ConvertTexts(0, boxes);
    expectBoxes(boxes, {"5", "30", "4.33", "2.5"}, {"5", "30", "4.33012701892219", "2.5"});
    const ResultRecord first = ReadResult(0, boxes);
    EXPECT_EQ(first.Index, 0);
    EXPECT_EQ(first.Radius, 5);
    EXPECT_EQ(first.Angle, 30);
    EXPECT_EQ(first.X, 4.33012701892219);
    EXPECT_EQ(first.Y, 2.5);
    EXPECT_EQ(first.Quadrant, "Quadrant I");

    ConvertTexts(1, boxes);
    expectBoxes(boxes, {"5", "30", "4.33", "2.5"},
                {"4.99988999878997", "30.0007282499727", "4.33", "2.5"});
    const ResultRecord second = ReadResult(1, boxes);
    EXPECT_EQ(second.Index, 1);
    EXPECT_EQ(second.Radius, 4.99988999878997);
    EXPECT_EQ(second.Angle, 30.0007282499727);
    EXPECT_EQ(second.X, 4.33);
    EXPECT_EQ(second.Quadrant, "Quadrant I");
}

TEST_F(ConversionCommands, OutcomesOfOneRun)
{
    const struct
    {
        const char *Name;
        std::int16_t Index;
        InputBoxes Boxes;
        std::array<std::string, 4> Text, Tag;
        const char *Quadrant;
    } rows[] = {
        {"r 5, 90: tiny x shown as 0",
         0,
         polar("5", "90"),
         {"5", "90", "0", "5"},
         {"5", "90", "3.06161699786838E-16", "5"},
         "Quadrant I"},
        {"r 5, 270: tiny negative x decides the quadrant",
         0,
         polar("5", "270"),
         {"5", "270", "0", "-5"},
         {"5", "270", "-9.18485099360515E-16", "-5"},
         "Quadrant III"},
        {"r 5, 360: tiny negative y",
         0,
         polar("5", "360"),
         {"5", "360", "5", "0"},
         {"5", "360", "5", "-1.22464679914735E-15"},
         "Quadrant IV"},
        {"r 5, 130",
         0,
         polar("5", "130"),
         {"5", "130", "-3.21", "3.83"},
         {"5", "130", "-3.2139380484327", "3.83022221559489"},
         "Quadrant II"},
        {"r 5000, 30: grouped",
         0,
         polar("5000", "30"),
         {"5000", "30", "4,330.13", "2,500"},
         {"5000", "30", "4330.12701892219", "2500"},
         "Quadrant I"},
        {"origin",
         1,
         rectangular("0", "0"),
         {"0", "0", "0", "0"},
         {"0", "0", "0", "0"},
         "Quadrant I"},
        {"negative x axis",
         1,
         rectangular("-5", "0"),
         {"5", "180", "-5", "0"},
         {"5", "180", "-5", "0"},
         "Quadrant II"},
        {"negative y axis",
         1,
         rectangular("0", "-5"),
         {"5", "270", "0", "-5"},
         {"5", "270", "0", "-5"},
         "Quadrant IV"},
        {"typed comma kept in the Tag",
         1,
         rectangular("1,234.5", "0"),
         {"1,234.5", "0", "1,234.5", "0"},
         {"1234.5", "0", "1,234.5", "0"},
         "Quadrant I"},
        {"source texts copied as typed",
         0,
         polar("+5.", "030"),
         {"+5.", "030", "4.33", "2.5"},
         {"+5.", "030", "4.33012701892219", "2.5"},
         "Quadrant I"},
        {"any other index runs rectangular to polar",
         7,
         rectangular("3", "4"),
         {"5", "53.13", "3", "4"},
         {"5", "53.1301017798049", "3", "4"},
         "Quadrant I"},
    };
    for (auto row : rows) {
        SCOPED_TRACE(row.Name);
        ConvertTexts(row.Index, row.Boxes);
        expectBoxes(row.Boxes, row.Text, row.Tag);
        EXPECT_EQ(ReadResult(row.Index, row.Boxes).Quadrant, row.Quadrant);
    }
}

TEST_F(ConversionCommands, AnUnreadableSourceChangesNothingAndIsNamed)
{
    const struct
    {
        std::int16_t Index;
        std::size_t Box;
        const char *Text;
        const char *Other; // in the other source box
    } rows[] = {{0, 0, "", "30"},     {0, 0, "-", "30"},     {0, 1, ".", "5"},
                {0, 1, "1-2", "5"},   {1, 2, "-.", "8"},     {1, 3, "1-2", "7"},
                {1, 2, "abc", "8"},   {0, 0, "-", "."},      {1, 2, "1e", "1-2"},
                {7, 2, " ", "1e400"}, {0, 0, "1 2", "1e400"}};
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.Text) + " in box " + std::to_string(row.Box));
        InputBoxes boxes;
        boxes.Text = {"5", "30", "7", "8"};
        boxes.Tag = {"a", "b", "c", "d"};
        boxes.Text[row.Box] = row.Text;
        boxes.Text[row.Box ^ 1] = row.Other;
        const InputBoxes before = boxes;
        try {
            ConvertTexts(row.Index, boxes);
            ADD_FAILURE() << "converted";
        } catch (const UnreadableSource &e) {
            EXPECT_EQ(e.Box(), row.Box);
            EXPECT_EQ(e.Text(), row.Text);
        }
        EXPECT_EQ(boxes.Text, before.Text);
        EXPECT_EQ(boxes.Tag, before.Tag);
    }
}

TEST_F(ConversionCommands, AnArithmeticFaultStopsAtItsStep)
{
    // The first computed value already fails: nothing changes.
    InputBoxes angleTooLarge = polar("5", "1e39");
    const InputBoxes before = angleTooLarge;
    EXPECT_THROW(ConvertTexts(0, angleTooLarge), ArithmeticError);
    EXPECT_EQ(angleTooLarge.Text, before.Text);
    EXPECT_EQ(angleTooLarge.Tag, before.Tag);

    InputBoxes squareTooLarge = rectangular("1e200", "1");
    EXPECT_THROW(ConvertTexts(1, squareTooLarge), ArithmeticError);
    EXPECT_EQ(squareTooLarge.Text[0], "0");
    EXPECT_EQ(squareTooLarge.Tag[2], "0");

    // The radius is written, then the angle's quotient overflows: the steps
    // after it never run.
    InputBoxes quotientTooLarge = rectangular("1e-200", "1e150");
    EXPECT_THROW(ConvertTexts(1, quotientTooLarge), ArithmeticError);
    std::string radius = "1";
    for (int group = 0; group < 50; ++group) {
        radius += ",000";
    }
    EXPECT_EQ(quotientTooLarge.Text[0], radius);
    EXPECT_EQ(quotientTooLarge.Text[1], "0");
    EXPECT_EQ(quotientTooLarge.Tag, InputBoxes{}.Tag);
}

TEST(QuadrantOfPoint, AxesBelongToTheirNonNegativeSide)
{
    const struct
    {
        double X, Y;
        const char *Name;
    } rows[] = {{0, 0, "Quadrant I"},       {0, 5, "Quadrant I"},        {5, 0, "Quadrant I"},
                {-5, 0, "Quadrant II"},     {-1, 1, "Quadrant II"},      {-1, -1, "Quadrant III"},
                {0, -5, "Quadrant IV"},     {1, -1e-300, "Quadrant IV"}, {-0.0, -0.0, "Quadrant I"},
                {-1e-300, 0, "Quadrant II"}};
    for (const auto &row : rows) {
        SCOPED_TRACE(std::to_string(row.X) + ", " + std::to_string(row.Y));
        EXPECT_EQ(QuadrantName(QuadrantOfPoint(row.X, row.Y)), row.Name);
    }
}
