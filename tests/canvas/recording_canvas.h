#pragma once

// A canvas for tests: fixed text metrics proportional to the font size, and a
// record of every drawing call with the canvas state it met.

#include "canvas/canvas.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

enum class CallKind
{
    Cls,
    Circle,
    Arc,
    Line,
    Box,
    Print,
    FontSize
};

struct CanvasCall
{
    CallKind kind;
    // Circle: x, y, radius; Arc: x, y, radius, start, end; Line and Box: x1, y1, x2, y2;
    // Print: CurrentX, CurrentY; FontSize: the new size.
    std::vector<float> args;
    OleColor color = 0; // Print: ForeColor
    std::string text;
    // The state the call met.
    float fontSize = 0;
    int drawWidth = 0;
    ::FillStyle fillStyle = ::FillStyle::Transparent;
    OleColor fillColor = 0;
};

class RecordingCanvas : public Canvas
{
public:
    // Every character is half the font size wide and every text line one and a
    // half times the font size high: 8.25 pt gives 4.125 x 12.375.
    static constexpr float WidthPerPoint = 0.5f;
    static constexpr float HeightPerPoint = 1.5f;

    RecordingCanvas(float width, float height, float designFontSize = 8.25f)
        : Canvas(designFontSize), m_width(width), m_height(height)
    {}

    std::vector<CanvasCall> calls;
    // When set, the next call of this kind throws after recording.
    std::optional<CallKind> failOn;

    [[nodiscard]] std::vector<CanvasCall> callsOf(CallKind kind) const
    {
        std::vector<CanvasCall> found;
        for (const CanvasCall &c : calls)
            if (c.kind == kind)
                found.push_back(c);
        return found;
    }

    void Cls() override { record(CallKind::Cls, {}, 0); }
    void Circle(float x, float y, float radius, OleColor color) override
    {
        record(CallKind::Circle, {x, y, radius}, color);
    }
    void Circle(float x, float y, float radius, OleColor color, float start, float end) override
    {
        record(CallKind::Arc, {x, y, radius, start, end}, color);
    }
    void Line(float x1, float y1, float x2, float y2, OleColor color) override
    {
        record(CallKind::Line, {x1, y1, x2, y2}, color);
    }
    void Line(float x1, float y1, float x2, float y2, OleColor color, BoxTag) override
    {
        record(CallKind::Box, {x1, y1, x2, y2}, color);
    }
    void Print(std::string_view text) override
    {
        record(CallKind::Print, {CurrentX(), CurrentY()}, ForeColor(), std::string(text));
    }

    [[nodiscard]] static float WidthAt(float fontSize, std::string_view text)
    {
        return float(characters(text)) * fontSize * WidthPerPoint;
    }
    [[nodiscard]] static float HeightAt(float fontSize) { return fontSize * HeightPerPoint; }

    [[nodiscard]] float TextWidth(std::string_view text) const override
    {
        return WidthAt(FontSize(), text);
    }
    [[nodiscard]] float TextHeight(std::string_view) const override { return HeightAt(FontSize()); }
    [[nodiscard]] float ScaleWidth() const override { return m_width; }
    [[nodiscard]] float ScaleHeight() const override { return m_height; }

protected:
    void fontSizeChanged() override { record(CallKind::FontSize, {FontSize()}, 0); }

private:
    // UTF-8 code points, so "°" and "Ø" count as one character each.
    static std::size_t characters(std::string_view text)
    {
        std::size_t n = 0;
        for (const char c : text)
            if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
                ++n;
        return n;
    }

    void record(CallKind kind, std::vector<float> args, OleColor color, std::string text = {})
    {
        calls.push_back({kind, std::move(args), color, std::move(text), FontSize(), DrawWidth(),
                         FillStyle(), FillColor()});
        if (failOn == kind) {
            failOn.reset();
            throw std::runtime_error("canvas failure");
        }
    }

    float m_width;
    float m_height;
};
