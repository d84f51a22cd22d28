#pragma once

// A canvas that keeps no pixels: every drawing call, its arguments bit for
// bit and the canvas state it met, is folded into one 64-bit FNV-1a digest,
// so that two builds drawing the same picture give the same Digest().

#include "canvas/canvas.h"

#include <cstdint>
#include <string_view>

class DifferentialCanvas : public Canvas
{
public:
    DifferentialCanvas(float width, float height) : m_width(width), m_height(height) {}

    [[nodiscard]] std::uint64_t Digest() const { return m_digest; }

    void Cls() override;
    void Circle(float x, float y, float radius, OleColor color) override;
    void Circle(float x, float y, float radius, OleColor color, float start, float end) override;
    void Line(float x1, float y1, float x2, float y2, OleColor color) override;
    void Line(float x1, float y1, float x2, float y2, OleColor color, BoxTag) override;
    void Print(std::string_view text) override;
    // Fixed metrics: half the font size a character (UTF-8 code points), one
    // and a half times the font size a line.
    [[nodiscard]] float TextWidth(std::string_view text) const override;
    [[nodiscard]] float TextHeight(std::string_view text) const override;
    [[nodiscard]] float ScaleWidth() const override { return m_width; }
    [[nodiscard]] float ScaleHeight() const override { return m_height; }

private:
    void fold(std::string_view bytes);
    void fold(float v);
    void fold(std::uint32_t v);
    void foldState();

    float m_width;
    float m_height;
    std::uint64_t m_digest = 14695981039346656037u;
};
