#pragma once

// The pointer that arrow keys move over a focused diagram, for those who use
// no mouse: a place in the diagram's interior pixels that starts at the
// centre and never leaves the interior.

struct PointerPlace
{
    float X = 0.0f;
    float Y = 0.0f;
};

// The keys that work on a focused diagram, as the diagram reports them.
enum class PointerKey
{
    Left,
    Right,
    Up,
    Down,
    Home,
    // Ends the pointer.
    Escape
};

class KeyboardPointer
{
public:
    // Back to the centre, not shown until a key moves it.
    void Reset();
    // Moves by step pixels (Home: back to the centre) inside an interior of
    // this size and makes the pointer active; returns its place. Escape
    // moves nothing and ends the pointer instead.
    PointerPlace Move(PointerKey key, double step, float width, float height);
    // The place for an interior of this size, which may have changed since.
    [[nodiscard]] PointerPlace Place(float width, float height) const;
    void End() { m_active = false; }
    [[nodiscard]] bool Active() const { return m_active; }

private:
    // From the centre, so that Home and a resized diagram need no more.
    double m_dx = 0.0;
    double m_dy = 0.0;
    bool m_active = false;
};
