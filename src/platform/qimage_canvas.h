#pragma once

// The picture box's persistent image: the canvas the diagrams draw on, kept in
// a QImage at the screen's device pixel ratio for a widget to paint.

#include "canvas/canvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QSizeF>

#include <memory>

class QColor;
class QPainter;

class QImageCanvas : public Canvas
{
public:
    // interior: the picture box's inner size in logical pixels.
    explicit QImageCanvas(QSizeF interior = {}, qreal dpr = 1.0);
    ~QImageCanvas() override;
    QImageCanvas(const QImageCanvas &) = delete;
    QImageCanvas &operator=(const QImageCanvas &) = delete;

    // Keeps what was drawn, at its place, as far as the new size holds it.
    void resize(QSizeF interior, qreal dpr);
    [[nodiscard]] const QImage &image() const;

    void Cls() override;
    void Circle(float x, float y, float radius, OleColor color) override;
    void Circle(float x, float y, float radius, OleColor color, float start, float end) override;
    void Line(float x1, float y1, float x2, float y2, OleColor color) override;
    void Line(float x1, float y1, float x2, float y2, OleColor color, BoxTag) override;
    void Print(std::string_view text) override;

    [[nodiscard]] float TextWidth(std::string_view text) const override;
    [[nodiscard]] float TextHeight(std::string_view text) const override;
    [[nodiscard]] float ScaleWidth() const override;
    [[nodiscard]] float ScaleHeight() const override;

    // 0x00BBGGRR, or 0x80000000 + n for the application palette's system colour n.
    [[nodiscard]] static QColor toQColor(OleColor color);

protected:
    void fontSizeChanged() override;

private:
    enum class Shape
    {
        Open,
        Closed
    };
    enum class Smoothing
    {
        Off,
        On
    };
    // One painter serves a whole drawing; image() ends it so the pixels are
    // complete. Null while the image is empty.
    QPainter *preparePainter(OleColor penColor, Shape shape, Smoothing smoothing);
    void endPainting() const;

    QSizeF m_interior;
    QImage m_image;
    // Text is measured on an image of the same resolution as the one it is drawn on.
    QImage m_metricsDevice;
    QFont m_font;
    QFontMetricsF m_metrics;
    OleColor m_backColor = colors::kWhite;
    mutable std::unique_ptr<QPainter> m_painter;
};
