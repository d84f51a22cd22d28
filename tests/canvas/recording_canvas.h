#pragma once

// A canvas for tests: fixed text metrics proportional to the font size, and a
// record of every drawing call as one line with the canvas state it met, e.g.
// "Line 144.5,156.5-272.5,156.5 #C0C0C0 w1" or "Print 0,134.5 8pt #FF0000 (r=5)".

#include "canvas/canvas.h"

#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>

// Six significant digits: 144.5, 62.2232, 0.00174533.
inline std::string num(double value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6g", float(value) + 0.0f); // + 0: no "-0"
    return buffer;
}
inline std::string at(double x, double y)
{
    return num(x) + "," + num(y);
}
inline std::string hex(OleColor color)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, " #%06X", color);
    return buffer;
}
class RecordingCanvas : public Canvas
{
public:
    // Every character is half the font size wide and every text line one and a
    // half times the font size high: 8 pt gives 4 x 12, 8.25 pt 4.125 x 12.375.
    RecordingCanvas(float width, float height, float designFontSize = kDesignFontSize)
        : Canvas(designFontSize), m_width(width), m_height(height)
    {}

    std::string calls;  // one line each
    std::string failOn; // a call whose line starts with this throws after it was recorded

    void Cls() override { record("Cls"); }
    void Circle(float x, float y, float r, OleColor color) override
    {
        record("Circle " + at(x, y) + " r" + num(r) + hex(color), true);
    }
    void Circle(float x, float y, float r, OleColor color, float start, float end) override
    {
        record("Arc " + at(x, y) + " r" + num(r) + " " + num(start) + "-" + num(end) + hex(color),
               true);
    }
    void Line(float x1, float y1, float x2, float y2, OleColor color) override
    {
        record("Line " + at(x1, y1) + "-" + at(x2, y2) + hex(color) + " w" +
               std::to_string(DrawWidth()));
    }
    void Line(float x1, float y1, float x2, float y2, OleColor color, BoxTag) override
    {
        record("Box " + at(x1, y1) + "-" + at(x2, y2) + hex(color), true);
    }
    void Print(std::string_view text) override
    {
        record("Print " + at(CurrentX(), CurrentY()) + " " + num(FontSize()) + "pt" +
               hex(ForeColor()) + " " + std::string(text));
    }

    // UTF-8 code points, so "°" and "Ø" count as one character each.
    [[nodiscard]] static float WidthAt(float fontSize, std::string_view text)
    {
        float characters = 0;
        for (const char c : text)
            characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        return characters * fontSize / 2;
    }
    float TextWidth(std::string_view text) const override { return WidthAt(FontSize(), text); }
    float TextHeight(std::string_view) const override { return FontSize() * 1.5f; }
    float ScaleWidth() const override { return m_width; }
    float ScaleHeight() const override { return m_height; }

protected:
    void fontSizeChanged() override { record("FontSize " + num(FontSize())); }

private:
    // Closed shapes also name their fill when it is solid.
    void record(std::string line, bool closed = false)
    {
        if (closed && FillStyle() == ::FillStyle::Solid)
            line += " fill" + hex(FillColor());
        calls += line + "\n";
        if (!failOn.empty() && line.starts_with(failOn))
            throw std::runtime_error("canvas failure");
    }

    float m_width;
    float m_height;
};
