#include "differential_canvas.h"

#include <bit>

void DifferentialCanvas::fold(std::string_view bytes)
{
    for (const char c : bytes) {
        m_digest = (m_digest ^ static_cast<unsigned char>(c)) * 1099511628211u;
    }
    m_digest = (m_digest ^ 0xFFu) * 1099511628211u; // ends the field
}

void DifferentialCanvas::fold(std::uint32_t v)
{
    for (int shift = 0; shift < 32; shift += 8) {
        m_digest = (m_digest ^ ((v >> shift) & 0xFFu)) * 1099511628211u;
    }
}

void DifferentialCanvas::fold(float v)
{
    fold(std::bit_cast<std::uint32_t>(v));
}

void DifferentialCanvas::foldState()
{
    fold(FontSize());
    fold(static_cast<std::uint32_t>(DrawWidth()));
    fold(static_cast<std::uint32_t>(FillStyle()));
    fold(FillColor());
    fold(ForeColor());
}

void DifferentialCanvas::Cls()
{
    fold("Cls");
}

void DifferentialCanvas::Circle(float x, float y, float radius, OleColor color)
{
    Circle(x, y, radius, color, -1.0f, -1.0f);
}

void DifferentialCanvas::Circle(float x, float y, float radius, OleColor color, float start,
                                float end)
{
    fold("Circle");
    for (const float v : {x, y, radius, start, end}) {
        fold(v);
    }
    fold(color);
    foldState();
}

void DifferentialCanvas::Line(float x1, float y1, float x2, float y2, OleColor color)
{
    fold("Line");
    for (const float v : {x1, y1, x2, y2}) {
        fold(v);
    }
    fold(color);
    foldState();
}

void DifferentialCanvas::Line(float x1, float y1, float x2, float y2, OleColor color, BoxTag)
{
    fold("Box");
    Line(x1, y1, x2, y2, color);
}

void DifferentialCanvas::Print(std::string_view text)
{
    fold("Print");
    fold(CurrentX());
    fold(CurrentY());
    fold(text);
    foldState();
}

float DifferentialCanvas::TextWidth(std::string_view text) const
{
    float characters = 0;
    for (const char c : text) {
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1.0f : 0.0f;
    }
    return characters * FontSize() / 2;
}

float DifferentialCanvas::TextHeight(std::string_view) const
{
    return FontSize() * 1.5f;
}
