#pragma once

// What the Result event carries, read back from the boxes' Tags.

#include "conversion_control/input_boxes.h"

#include <cstdint>
#include <string>

struct ResultRecord
{
    std::int16_t Index;
    double Radius, Angle, X, Y;
    std::string Quadrant;
};

// index: the command that ran. The Tags are read with TextToNumber, whose
// errors pass on.
[[nodiscard]] ResultRecord ReadResult(std::int16_t index, const InputBoxes &boxes);
