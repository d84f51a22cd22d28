#include "conversion_control/control_layout.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

void expectRect(const ChildRect &r, float left, float top, float width, float height)
{
    EXPECT_EQ(r.Left, left);
    EXPECT_EQ(r.Top, top);
    EXPECT_EQ(r.Width, width);
    EXPECT_EQ(r.Height, height);
}

} // namespace

TEST(ControlLayout, DesignSizeFollowsThePolarInteriorWidth)
{
    ControlGeometry g = DesignGeometry();
    LayoutControl(g, 585, 393);
    expectRect(g.picPolar, 0, 0, 292.5f, 316);
    EXPECT_EQ(InteriorWidth(g.picPolar), 288.5f);
    // 3 px right of the polar interior, not of its outer edge; not rounded.
    expectRect(g.picRectangular, 291.5f, 0, 292.5f, 316);
    expectRect(g.lblInfo[0], 5, 0, 289, 21);
    expectRect(g.lblInfo[1], 298.5f, 0, 289, 21);
    expectRect(g.lblData[2], 298.5f, 24, 31, 20);
    expectRect(g.lblData[3], 298.5f, 48, 31, 20);
    expectRect(g.txtData[2], 329.5f, 24, 81, 21);
    expectRect(g.txtData[3], 329.5f, 48, 81, 21);
    expectRect(g.cmdButton[1], 413.5f, 24, 113, 45);
}

TEST(ControlLayout, WideningMovesOnlyTheRightHandGroupAcross)
{
    ControlGeometry g = DesignGeometry();
    LayoutControl(g, 1920, 700);
    const ControlGeometry design = DesignGeometry();
    for (std::size_t i : {0u, 1u}) {
        SCOPED_TRACE(i);
        expectRect(g.lblData[i], design.lblData[i].Left, design.lblData[i].Top,
                   design.lblData[i].Width, design.lblData[i].Height);
        expectRect(g.txtData[i], design.txtData[i].Left, design.txtData[i].Top,
                   design.txtData[i].Width, design.txtData[i].Height);
    }
    expectRect(g.cmdButton[0], 136, 28, 113, 45);
    expectRect(g.picPolar, 0, 0, 960, 623);
    expectRect(g.picRectangular, 959, 0, 960, 623);
    EXPECT_EQ(g.lblData[2].Left, 966);
    EXPECT_EQ(g.txtData[3].Left, 997);
    EXPECT_EQ(g.cmdButton[1].Left, 1081);
    EXPECT_EQ(g.cmdButton[1].Top, 24);
}

TEST(ControlLayout, LowerThanTheTrayKeepsTheDiagramsButPlacesTheRightGroup)
{
    ControlGeometry g = DesignGeometry();
    LayoutControl(g, 585, 393);
    LayoutControl(g, 800, 50);
    expectRect(g.picPolar, 0, 0, 292.5f, 316);
    expectRect(g.picRectangular, 291.5f, 0, 292.5f, 316);
    EXPECT_EQ(g.lblInfo[1].Left, 298.5f);
    // Exactly the tray's height leaves diagrams of no height.
    LayoutControl(g, 800, 77);
    expectRect(g.picPolar, 0, 0, 400, 0);
    EXPECT_EQ(g.cmdButton[1].Left, 396 + 10 + 31 + 81 + 3);
}

TEST(ControlLayout, NarrowerThanTheBordersHasNoInterior)
{
    ControlGeometry g = DesignGeometry();
    LayoutControl(g, 3, 393);
    EXPECT_EQ(InteriorWidth(g.picPolar), 0);
    EXPECT_EQ(g.picRectangular.Left, 3);
    EXPECT_EQ(g.lblInfo[1].Left, 10);
}

struct ReadoutWidthCase
{
    const char *name;
    float W, H;
    float polarLine, rectangularLine;
};

class ReadoutLineWidthTest : public testing::TestWithParam<ReadoutWidthCase>
{};

TEST_P(ReadoutLineWidthTest, ReachesAsFarAsItsDiagramAndNeverLessThanDesigned)
{
    const ReadoutWidthCase &c = GetParam();
    ControlGeometry g = DesignGeometry();
    LayoutControl(g, c.W, c.H);
    EXPECT_EQ(ReadoutLineWidth(g, 0, c.W), c.polarLine);
    EXPECT_EQ(ReadoutLineWidth(g, 1, c.W), c.rectangularLine);
    // The polar line never runs into the rectangular one.
    EXPECT_LE(g.lblInfo[0].Left + ReadoutLineWidth(g, 0, c.W),
              std::max(g.lblInfo[1].Left, g.lblInfo[0].Left + 289));
}

INSTANTIATE_TEST_SUITE_P(Sizes, ReadoutLineWidthTest,
                         testing::Values(ReadoutWidthCase{"design", 585, 393, 289, 289},
                                         ReadoutWidthCase{"fullHd", 1920, 1000, 956, 949},
                                         ReadoutWidthCase{"narrow", 300, 393, 289, 289},
                                         ReadoutWidthCase{"belowTheTray", 1000, 20, 289, 700}),
                         [](const testing::TestParamInfo<ReadoutWidthCase> &info) {
                             return info.param.name;
                         });
