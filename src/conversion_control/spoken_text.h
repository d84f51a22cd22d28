#pragma once

// What a screen reader says for the control, toolkit-free: the results of a
// conversion, the keyboard pointer's read-out, and the box at fault. Built
// from the texts on screen, so that the ear hears what the eye sees.

#include "conversion_control/input_boxes.h"
#include "conversion_control/result_record.h"

#include <string>
#include <string_view>

// The results a command wrote, as their boxes show them, and the quadrant:
// "x = 4.33, y = 2.5, Quadrant I".
[[nodiscard]] std::string ResultAnnouncement(const ResultRecord &result, const InputBoxes &boxes);

// The read-out line of the diagram that has the focus, its parts apart by
// commas: a reader names every semicolon aloud.
[[nodiscard]] std::string ReadoutAnnouncement(std::string_view polar, std::string_view rectangular,
                                              bool onRectangular);

// What a box whose text stopped a command says of itself: "x = “-” is not a number".
[[nodiscard]] std::string UnreadableBoxDescription(std::size_t box, std::string_view text);
