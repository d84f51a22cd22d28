#pragma once

// The two conversion commands on the four input texts, toolkit-free: the
// widget feeds them the boxes' texts and shows what they leave behind.

#include "conversion_control/command_index.h"
#include "conversion_control/input_boxes.h"
#include "conversion_control/unreadable_source.h"

#include <cstdint>

// Runs the source-reading and writing steps of a command (0: polar to
// rectangular, anything else: rectangular to polar). An unreadable source text
// throws UnreadableSource for the first such box before anything changed; an
// arithmetic fault throws modMath::ArithmeticError and leaves the steps before
// it done.
void ConvertTexts(std::int16_t index, InputBoxes &boxes);
