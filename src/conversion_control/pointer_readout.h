#pragma once

// The read-out lines under the diagrams: what the place under the pointer
// means at the diagram's scale, one grid step standing for r / 6.

#include <string>
#include <string_view>

class Canvas;

// (x, y): pointer position inside the diagram, in its pixels. rText: the r box
// as typed. An unreadable rText throws modMath::ConversionError; a RingSpacing
// of 0 or an overflow throws modMath::ArithmeticError.
[[nodiscard]] std::string PolarReadout(const Canvas &polar, float x, float y,
                                       std::string_view rText);
[[nodiscard]] std::string RectangularReadout(const Canvas &rectangular, float x, float y,
                                             std::string_view rText);
