#pragma once

// The captions of the two command buttons, which the messages also name.

#include <array>
#include <string_view>

inline constexpr std::array<std::string_view, 2> kCommandCaption{"Polar to Rectangular",
                                                                 "Rectangular to Polar"};
