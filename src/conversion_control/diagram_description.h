#pragma once

// What each diagram shows, in words, for those who hear the screen rather
// than see it: taken from the texts the boxes show, as a reader would read
// the diagram.

#include "conversion_control/input_boxes.h"

#include <string>

// Before any conversion: the empty grids.
[[nodiscard]] std::string PolarGridDescription();
[[nodiscard]] std::string RectangularGridDescription();

// After a conversion: the point as the boxes show it and its quadrant, or
// the grid alone where the diagram draws no point (r, or x and y, zero).
[[nodiscard]] std::string PolarDiagramDescription(const InputBoxes &boxes,
                                                  const std::string &quadrant);
[[nodiscard]] std::string RectangularDiagramDescription(const InputBoxes &boxes,
                                                        const std::string &quadrant);
