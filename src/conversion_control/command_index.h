#pragma once

// The indices of the two conversion commands, as LastCommand, the buttons
// and the Result event carry them.

#include <cstdint>

inline constexpr std::int16_t kPolarToRectangular = 0;
inline constexpr std::int16_t kRectangularToPolar = 1;
