#pragma once

// The square grid of the conversion control with its axes, and the converted
// point on the circle inscribed in it; redrawn whole from the Tags each time.

class Canvas;
struct InputBoxes;

// Reads x, y and r from the Tags; an unreadable Tag throws
// modMath::ConversionError, an arithmetic fault modMath::ArithmeticError.
// Leaves the canvas at font size 8.
void DrawRectangularDiagram(Canvas &canvas, const InputBoxes &boxes);
