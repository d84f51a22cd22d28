#pragma once

// The four quadrants and their names, shared by the Result of a conversion,
// the diagrams' labels and the pointer read-out; each of those decides by a
// rule of its own on which side a point on an axis falls.

#include <array>
#include <cstddef>
#include <string_view>

enum class QuadrantId
{
    I,
    II,
    III,
    IV
};

inline constexpr std::array<QuadrantId, 4> kQuadrants{QuadrantId::I, QuadrantId::II,
                                                      QuadrantId::III, QuadrantId::IV};

// "Quadrant I" to "Quadrant IV".
[[nodiscard]] constexpr std::string_view QuadrantName(QuadrantId quadrant)
{
    constexpr std::array<std::string_view, 4> kNames{"Quadrant I", "Quadrant II", "Quadrant III",
                                                     "Quadrant IV"};
    return kNames.at(static_cast<std::size_t>(quadrant));
}

// The direction of the quadrant from the origin, y upwards: +1 or -1.
[[nodiscard]] constexpr int XSign(QuadrantId quadrant)
{
    return quadrant == QuadrantId::I || quadrant == QuadrantId::IV ? 1 : -1;
}
[[nodiscard]] constexpr int YSign(QuadrantId quadrant)
{
    return quadrant == QuadrantId::I || quadrant == QuadrantId::II ? 1 : -1;
}
