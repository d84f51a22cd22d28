#include "conversion_control/control_layout.h"

#include <algorithm>

namespace {

constexpr float kDesignReadoutWidth = 289;
// Between a read-out line and whatever lies to its right.
constexpr float kReadoutGap = 5;

// Move Left, Top, Width, Height; refused like the window system refuses it.
void move(ChildRect &child, float left, float top, float width, float height)
{
    if (width < 0 || height < 0) {
        return;
    }
    child = {left, top, width, height};
}

void moveLeft(ChildRect &child, float left)
{
    child.Left = left;
}

} // namespace

ControlGeometry DesignGeometry()
{
    ControlGeometry g;
    g.picPolar = {0, 0, 289, 313};
    g.picRectangular = {292, 0, 289, 313};
    g.txtData = {{{48, 28, 81, 21}, {48, 52, 81, 21}, {328, 24, 81, 21}, {328, 48, 81, 21}}};
    g.lblData = {{{12, 28, 31, 20}, {8, 52, 34, 20}, {292, 24, 31, 20}, {292, 48, 31, 20}}};
    g.cmdButton = {{{136, 28, 113, 45}, {412, 24, 113, 45}}};
    g.lblInfo = {{{0, 0, 289, 21}, {292, 4, 289, 21}}};
    return g;
}

float InteriorWidth(const ChildRect &diagram)
{
    return std::max(0.0f, diagram.Width - 2 * kDiagramBorder);
}

void LayoutControl(ControlGeometry &g, float W, float H, float trayHeight)
{
    const float half = W / 2;
    move(g.picPolar, 0, 0, half, H - trayHeight);
    // The right-hand group follows the polar diagram's interior width, read
    // after the polar diagram has been placed.
    move(g.picRectangular, InteriorWidth(g.picPolar) + 3, 0, half, H - trayHeight);
    g.lblInfo[0].Left = 5;
    g.lblInfo[0].Top = 0;
    const float right = InteriorWidth(g.picPolar) + 10;
    g.lblInfo[1].Left = right;
    g.lblInfo[1].Top = 0;
    moveLeft(g.lblData[2], right);
    moveLeft(g.lblData[3], right);
    moveLeft(g.txtData[2], right + g.lblData[2].Width);
    moveLeft(g.txtData[3], right + g.lblData[3].Width);
    moveLeft(g.cmdButton[1], right + g.lblData[2].Width + g.txtData[2].Width + 3);
}

float ReadoutLineWidth(const ControlGeometry &g, std::size_t line, float W)
{
    const float end = line == 0 ? g.lblInfo[1].Left : W;
    return std::max(kDesignReadoutWidth, end - kReadoutGap - g.lblInfo[line].Left);
}
