#pragma once

// Where the conversion control's children go when it is resized: pure
// arithmetic on the design rectangles, in pixels, single precision.

#include <array>
#include <cstddef>

struct ChildRect
{
    float Left = 0, Top = 0, Width = 0, Height = 0;
};

// Children of the control. The diagrams are placed in the control; every other
// child lies in the tray, whose top-left corner is its origin.
struct ControlGeometry
{
    ChildRect picPolar, picRectangular;
    std::array<ChildRect, 2> lblInfo;
    std::array<ChildRect, 4> lblData, txtData;
    std::array<ChildRect, 2> cmdButton;
};

inline constexpr float kTrayHeight = 77;
// The diagrams' sunken border, on each side.
inline constexpr float kDiagramBorder = 2;

// The rectangles as designed, for a control of 585 x 393 pixels.
[[nodiscard]] ControlGeometry DesignGeometry();

// The interior width of a diagram of this outer width (its ScaleWidth).
[[nodiscard]] float InteriorWidth(const ChildRect &diagram);

// Lays the children out for a control of width W and height H. A move the
// window system would refuse (a negative width or height) leaves that child as
// it was, and the next step still runs.
void LayoutControl(ControlGeometry &geometry, float W, float H, float trayHeight = kTrayHeight);

// The width read-out line i is shown with: the line keeps its place from the
// layout and reaches as far as its diagram (the polar line up to the
// rectangular one, that one up to the control's right edge), never narrower
// than designed, so that a long read-out is shown whole on a wide window.
[[nodiscard]] float ReadoutLineWidth(const ControlGeometry &geometry, std::size_t line, float W);
