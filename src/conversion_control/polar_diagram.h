#pragma once

// The polar grid of the conversion control, with the converted point on its
// outer ring; redrawn whole from the stored values (the Tags) each time.

class Canvas;
struct InputBoxes;

// Reads r and Ø from the Tags before the canvas changes: an unreadable Tag
// throws modMath::ConversionError and leaves the previous drawing. An arithmetic
// fault throws modMath::ArithmeticError where it happens, leaving what was
// drawn so far. Leaves the canvas at font size 8.
void DrawPolarDiagram(Canvas &canvas, const InputBoxes &boxes);
