#pragma once

// The worked solution of one conversion as an HTML text, composed from the
// numbers the conversion control announces with its Result event.

#include <cstdint>
#include <string>
#include <string_view>

// The label of a solution table's row that goes on with the step above it:
// "x = 5 Cos(30°)", then "= 5(0.866025403784439)" under it. Readers of the
// document take a row with this label as part of the step above.
inline constexpr std::string_view kContinuedStepLabel = "";

// Index 0 explains polar to rectangular (radius and angle are used), any other
// index rectangular to polar (x and y are used). The text is UTF-8 and always
// complete: a value beyond the double range throws modMath::ArithmeticError.
[[nodiscard]] std::string SolutionDocument(std::int16_t index, double radius, double angle,
                                           double x, double y);
