#pragma once

// The polar grid of the conversion control, with the converted point on its
// outer ring; redrawn whole from the stored values (the Tags) each time.

class Canvas;
struct InputBoxes;

// Reads r and Ø from the Tags; an unreadable Tag throws modMath::ConversionError,
// an arithmetic fault modMath::ArithmeticError, both before the canvas changes
// or at the step that fails. Leaves the canvas at font size 8.
void DrawPolarDiagram(Canvas &canvas, const InputBoxes &boxes);
