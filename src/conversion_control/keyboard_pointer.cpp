#include "conversion_control/keyboard_pointer.h"

#include <algorithm>

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

PointerPlace KeyboardPointer::Move(PointerKey key, double step, float width, float height)
{
    // y grows downwards, as on the canvas.
    switch (key) {
    case PointerKey::Left:
        m_dx -= step;
        break;
    case PointerKey::Right:
        m_dx += step;
        break;
    case PointerKey::Up:
        m_dy -= step;
        break;
    case PointerKey::Down:
        m_dy += step;
        break;
    case PointerKey::Home:
        m_dx = 0.0;
        m_dy = 0.0;
        break;
    case PointerKey::Escape:
        End();
        return Place(width, height);
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
