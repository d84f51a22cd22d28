#pragma once

// The four drawing operations the diagrams use. Each draws one item with the
// colour, width or fill it is given and puts back every canvas property it
// changed for that, so one call never affects the next.

#include "canvas/canvas.h"

#include <string>

namespace modMain {

// A full circle when StartAngle is 0 and EndAngle 360 (exactly), otherwise the
// arc between them, in degrees counter-clockwise. FillColor -1: the canvas's
// own fill applies.
void DrawCircle(Canvas &canvas, double X, double Y, double Radius, OleColor Color,
                OleColor FillColor, double StartAngle, double EndAngle);

void DrawLine(Canvas &canvas, double X1, double Y1, double X2, double Y2, OleColor Color,
              int Width);

// Top-left corner at (X, Y); BackColor -1: no background. Leaves CurrentX and
// CurrentY where the printing put them.
void DrawText(Canvas &canvas, double X, double Y, const std::string &Text, OleColor ForeColor,
              OleColor BackColor);

// FillColor -1: the canvas's own fill applies.
void DrawBox(Canvas &canvas, double X1, double Y1, double X2, double Y2, OleColor Color,
             OleColor FillColor);

} // namespace modMain
