#pragma once

// The four input boxes txtData(0..3), r, Ø (degrees), x and y: their texts,
// and the quantity each holds.

#include <array>
#include <string>
#include <string_view>

// Text is what a box shows; Tag keeps the value of the last conversion at
// full precision.
struct InputBoxes
{
    std::array<std::string, 4> Text{"0", "0", "0", "0"};
    std::array<std::string, 4> Tag{"0", "0", "0", "0"};
};

// The quantity each box holds, as captions, messages and a screen reader name it.
inline constexpr std::array<std::string_view, 4> kQuantity{"r", "\u00D8", "x", "y"};
