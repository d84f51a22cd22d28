#pragma once

// The square grid of the conversion control with its axes, and the converted
// point on the circle inscribed in it; redrawn whole from the Tags each time.

class Canvas;
struct InputBoxes;

// Reads r, x and y from the Tags before the canvas changes: an unreadable Tag
// throws modMath::ConversionError and leaves the previous drawing. An arithmetic
// fault throws modMath::ArithmeticError where it happens, leaving what was
// drawn so far. Leaves the canvas at font size 8.
void DrawRectangularDiagram(Canvas &canvas, const InputBoxes &boxes);
