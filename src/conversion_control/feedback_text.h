#pragma once

// Every text that tells the user what happened: the messages, the read-out
// lines, what a screen reader is told and how the diagrams are described.
// Made here alone, from kQuantity, the command captions and the values; what
// is said differs from what is shown only in its separators and in long
// numbers (spoken_number.h).

#include "conversion_control/input_boxes.h"
#include "conversion_control/pointer_readout.h"
#include "conversion_control/result_record.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The read-out lines as shown: "Radius = 1.67; Angle = 0°; Quadrant I",
// "X = 1.67; Y = 0; Quadrant I".
[[nodiscard]] std::string PolarReadoutLine(const PolarReading &reading);
[[nodiscard]] std::string RectangularReadoutLine(const RectangularReading &reading);
// The same as said, apart by commas, since a reader names every semicolon
// aloud: "Radius = 1.67, Angle = 0°, Quadrant I".
[[nodiscard]] std::string SpokenPolarReadout(const PolarReading &reading);
[[nodiscard]] std::string SpokenRectangularReadout(const RectangularReading &reading);

// "Rectangular to Polar stopped: x = “-” is not a number."
[[nodiscard]] std::string UnreadableSourceMessage(std::int16_t command, std::size_t box,
                                                  std::string_view text);
// "Polar to Rectangular stopped: Overflow: … ." with the fault's own text.
[[nodiscard]] std::string CommandFaultMessage(std::int16_t command, std::string_view why);
// "The read-out needs a number in r: “-” is not a number."
[[nodiscard]] std::string UnreadableRadiusMessage(std::string_view rText);
// "The read-out stopped: Division by zero."
[[nodiscard]] std::string ReadoutFaultMessage(std::string_view why);

// What a box whose text stopped a command says of itself: "x = “-” is not a number".
[[nodiscard]] std::string UnreadableBoxDescription(std::size_t box, std::string_view text);

// The results a command wrote, as their boxes show them, and the quadrant:
// "x = 4.33, y = 2.5, Quadrant I".
[[nodiscard]] std::string ResultAnnouncement(const ResultRecord &result, const InputBoxes &boxes);

// Before any conversion: the empty grids.
[[nodiscard]] std::string PolarGridDescription();
[[nodiscard]] std::string RectangularGridDescription();
// After a conversion: the point as the boxes show it and its quadrant, or
// the grid alone where the diagram draws no point (r, or x and y, zero).
[[nodiscard]] std::string PolarDiagramDescription(const InputBoxes &boxes,
                                                  std::string_view quadrant);
[[nodiscard]] std::string RectangularDiagramDescription(const InputBoxes &boxes,
                                                        std::string_view quadrant);
