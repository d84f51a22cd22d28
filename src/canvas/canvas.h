#pragma once

// The drawing surface the diagrams need: a picture box with its properties and
// drawing members. Coordinates are in the canvas's scale units (pixels), x to
// the right and y downwards; every coordinate is handed over in single precision.

#include <cstdint>
#include <string_view>

// The design's font size in points: the widgets' and the canvases' font.
inline constexpr float kDesignFontSize = 8.25f;

// 0x00BBGGRR, red in the low byte; 0x80000000 + n names system colour n.
using OleColor = std::uint32_t;

namespace colors {
inline constexpr OleColor kNone = 0xFFFFFFFFu; // -1: no fill, no background
inline constexpr OleColor kBlack = 0x000000u;
inline constexpr OleColor kWhite = 0xFFFFFFu;
inline constexpr OleColor kRed = 0x0000FFu;
inline constexpr OleColor kBlue = 0xFF0000u;
inline constexpr OleColor kGrey = 0x808080u;
inline constexpr OleColor kLightGrey = 0xC0C0C0u;
inline constexpr OleColor kButtonFace = 0x8000000Fu;
inline constexpr std::uint32_t kSystemColorFlag = 0x80000000u;
} // namespace colors

enum class FillStyle : int
{
    Solid = 0,
    Transparent = 1
};

// Selects the rectangle form of Line, as in "Line (x1, y1)-(x2, y2), Color, B".
struct BoxTag
{};
inline constexpr BoxTag B{};

class Canvas
{
public:
    virtual ~Canvas() = default;

    // Clears the drawing to the background colour.
    virtual void Cls() = 0;
    // Full circle, its interior filled as FillStyle and FillColor say.
    virtual void Circle(float x, float y, float radius, OleColor color) = 0;
    // Arc from start to end, radians counter-clockwise from the positive x axis.
    virtual void Circle(float x, float y, float radius, OleColor color, float start, float end) = 0;
    virtual void Line(float x1, float y1, float x2, float y2, OleColor color) = 0;
    virtual void Line(float x1, float y1, float x2, float y2, OleColor color, BoxTag) = 0;
    // Text in the current font and ForeColor, top-left at (CurrentX, CurrentY), no background.
    virtual void Print(std::string_view text) = 0;

    [[nodiscard]] virtual float TextWidth(std::string_view text) const = 0;
    [[nodiscard]] virtual float TextHeight(std::string_view text) const = 0;
    [[nodiscard]] virtual float ScaleWidth() const = 0;
    [[nodiscard]] virtual float ScaleHeight() const = 0;

    [[nodiscard]] float FontSize() const { return m_fontSize; }
    void SetFontSize(float points)
    {
        m_fontSize = points;
        fontSizeChanged();
    }

    [[nodiscard]] int DrawWidth() const { return m_drawWidth; }
    void SetDrawWidth(int pixels) { m_drawWidth = pixels; }
    [[nodiscard]] ::FillStyle FillStyle() const { return m_fillStyle; }
    void SetFillStyle(::FillStyle style) { m_fillStyle = style; }
    [[nodiscard]] OleColor FillColor() const { return m_fillColor; }
    void SetFillColor(OleColor color) { m_fillColor = color; }
    [[nodiscard]] OleColor ForeColor() const { return m_foreColor; }
    void SetForeColor(OleColor color) { m_foreColor = color; }
    [[nodiscard]] float CurrentX() const { return m_currentX; }
    [[nodiscard]] float CurrentY() const { return m_currentY; }
    void SetCurrentX(float x) { m_currentX = x; }
    void SetCurrentY(float y) { m_currentY = y; }

protected:
    explicit Canvas(float designFontSize = kDesignFontSize) : m_fontSize(designFontSize) {}
    // Lets an implementation re-measure its font after FontSize changed.
    virtual void fontSizeChanged() {}

private:
    float m_fontSize;
    int m_drawWidth = 1;
    ::FillStyle m_fillStyle = ::FillStyle::Transparent;
    OleColor m_fillColor = colors::kBlack;
    OleColor m_foreColor = colors::kBlack;
    float m_currentX = 0.0f;
    float m_currentY = 0.0f;
};
