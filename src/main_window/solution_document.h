#pragma once

// The worked solution of one conversion as an HTML text, composed from the
// numbers the conversion control announces with its Result event.

#include <cstdint>
#include <string>

// Index 0 explains polar to rectangular (radius and angle are used), any other
// index rectangular to polar (x and y are used). The text is UTF-8 and always
// complete: a value beyond the double range throws modMath::ArithmeticError.
[[nodiscard]] std::string SolutionDocument(std::int16_t index, double radius, double angle,
                                           double x, double y);
