#include "conversion_control/keyboard_pointer.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>

namespace {

// The offset from the centre cx that keeps cx + offset on a pixel of an
// interior of this extent (the last pixel starts at extent - 1).
double clampedOffset(double offset, float extent)
{
    const double centre = double(extent) / 2;
    const double last = std::max(0.0, double(extent) - 1);
    return std::clamp(centre + offset, 0.0, last) - centre;
}

} // namespace

void KeyboardPointer::Reset()
{
    m_dx = 0.0;
    m_dy = 0.0;
    m_active = false;
}

PointerPlace KeyboardPointer::Move(Key key, double step, float width, float height)
{
    if (key == Key::Home) {
        m_dx = 0.0;
        m_dy = 0.0;
    } else {
        // Left, Right, Up, Down; y grows downwards, as on the canvas.
        constexpr std::array<std::pair<int, int>, 4> kDirection{{{-1, 0}, {1, 0}, {0, -1}, {0, 1}}};
        const auto [x, y] = kDirection[static_cast<std::size_t>(key)];
        m_dx += x * step;
        m_dy += y * step;
    }
    m_dx = clampedOffset(m_dx, width);
    m_dy = clampedOffset(m_dy, height);
    m_active = true;
    return Place(width, height);
}

PointerPlace KeyboardPointer::Place(float width, float height) const
{
    return {float(double(width) / 2 + clampedOffset(m_dx, width)),
            float(double(height) / 2 + clampedOffset(m_dy, height))};
}
