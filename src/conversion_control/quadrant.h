#pragma once

// The four quadrants and their names, shared by the Result of a conversion,
// the diagrams' labels and the pointer read-out, and the two rules that place
// a point on an axis: the conversion's and the read-out's differ on purpose.

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

// The quadrant of a converted point (x, y): a coordinate of 0 counts as
// non-negative, so the origin and the positive y axis are Quadrant I, the
// negative x axis II and the negative y axis IV.
[[nodiscard]] constexpr QuadrantId QuadrantOfPoint(double x, double y)
{
    if (x >= 0) {
        return y >= 0 ? QuadrantId::I : QuadrantId::IV;
    }
    return y >= 0 ? QuadrantId::II : QuadrantId::III;
}

// The quadrant of a place on a diagram, by its offset from the centre (right
// and up positive): the vertical through the centre belongs to the left half,
// Quadrant II above the centre (the centre included) and III below it; the
// horizontal belongs to the upper half.
[[nodiscard]] constexpr QuadrantId QuadrantOfDiagramPlace(double right, double up)
{
    if (right > 0) {
        return up >= 0 ? QuadrantId::I : QuadrantId::IV;
    }
    return up >= 0 ? QuadrantId::II : QuadrantId::III;
}
