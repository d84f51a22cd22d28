#pragma once

// The read-out under the diagrams: what the place under the pointer means at
// the diagram's scale, one grid step standing for r / 6.

#include "conversion_control/quadrant.h"

#include <string_view>

class Canvas;

// What the place reads on each diagram; feedback_text.h writes it as the
// lines show it and as a screen reader says it.
struct PolarReading
{
    double Radius;
    double Angle; // degrees, in [0, 360)
    QuadrantId Quadrant;
};

struct RectangularReading
{
    double X;
    double Y;
    QuadrantId Quadrant;
};

// (x, y): pointer position inside the diagram, in its pixels. rText: the r box
// as typed. An unreadable rText throws modMath::ConversionError; a RingSpacing
// of 0 or an overflow throws modMath::ArithmeticError.
[[nodiscard]] PolarReading PolarReadout(const Canvas &polar, float x, float y,
                                        std::string_view rText);
[[nodiscard]] RectangularReading RectangularReadout(const Canvas &rectangular, float x, float y,
                                                    std::string_view rText);
