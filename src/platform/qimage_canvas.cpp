#include "platform/qimage_canvas.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {

[[nodiscard]] QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Dots per metre of the screen's logical resolution, so that a point size in
// the diagrams is as large as in the widgets around them.
[[nodiscard]] int logicalDotsPerMeter()
{
    qreal dpi = 96.0;
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        dpi = screen->logicalDotsPerInchY();
    }
    return qRound(dpi / 0.0254);
}

[[nodiscard]] QImage makeImage(QSizeF interior, qreal dpr, QColor fill)
{
    const QSize pixels(int(std::ceil(interior.width() * dpr)),
                       int(std::ceil(interior.height() * dpr)));
    // Opaque, as every drawing is: copied to the screen without blending.
    QImage image(pixels.expandedTo(QSize(0, 0)), QImage::Format_RGB32);
    if (image.isNull()) {
        return image;
    }
    image.setDevicePixelRatio(dpr);
    image.setDotsPerMeterX(logicalDotsPerMeter());
    image.setDotsPerMeterY(logicalDotsPerMeter());
    image.fill(fill);
    return image;
}

[[nodiscard]] QPalette::ColorRole systemColorRole(std::uint32_t index)
{
    switch (index) {
    case 5: // window background
        return QPalette::Base;
    case 7: // menu text
    case 8: // window text
        return QPalette::Text;
    case 13: // highlight
        return QPalette::Highlight;
    case 14: // highlight text
        return QPalette::HighlightedText;
    case 16: // button shadow
        return QPalette::Mid;
    case 18: // button text
        return QPalette::ButtonText;
    case 20: // button highlight
        return QPalette::Light;
    case 21: // 3D dark shadow
        return QPalette::Shadow;
    case 22: // 3D light
        return QPalette::Midlight;
    case 23: // tool tip text
        return QPalette::ToolTipText;
    case 24: // tool tip background
        return QPalette::ToolTipBase;
    default: // 15, button face, and whatever has no closer match
        return QPalette::Button;
    }
}

} // namespace

QImageCanvas::QImageCanvas(QSizeF interior, qreal dpr)
    : Canvas(kDesignFontSize), m_interior(interior),
      m_image(makeImage(interior, dpr, toQColor(colors::kWhite))),
      m_metricsDevice(makeImage(QSizeF(1, 1), dpr, Qt::white)),
      m_font(QGuiApplication::font().family()), m_metrics(m_font)
{
    fontSizeChanged();
}

QImageCanvas::~QImageCanvas()
{
    endPainting();
}

void QImageCanvas::resize(QSizeF interior, qreal dpr)
{
    if (interior == m_interior && dpr == m_image.devicePixelRatio()) {
        return;
    }
    endPainting();
    QImage resized = makeImage(interior, dpr, toQColor(m_backColor));
    if (!resized.isNull() && !m_image.isNull()) {
        QPainter copy(&resized);
        copy.drawImage(QPointF(0, 0), m_image);
    }
    m_image = std::move(resized);
    m_interior = interior;
    if (m_metricsDevice.devicePixelRatio() != dpr) {
        m_metricsDevice = makeImage(QSizeF(1, 1), dpr, Qt::white);
        m_metrics = QFontMetricsF(m_font, &m_metricsDevice);
    }
}

const QImage &QImageCanvas::image() const
{
    endPainting();
    return m_image;
}

void QImageCanvas::Cls()
{
    endPainting();
    m_image.fill(toQColor(m_backColor));
}

void QImageCanvas::Circle(float x, float y, float radius, OleColor color)
{
    if (radius < 0) {
        return;
    }
    if (QPainter *p = preparePainter(color, Shape::Closed, Smoothing::On)) {
        p->drawEllipse(QPointF(x, y), qreal(radius), qreal(radius));
    }
}

void QImageCanvas::Circle(float x, float y, float radius, OleColor color, float start, float end)
{
    if (radius < 0) {
        return;
    }
    // Counter-clockwise from start to end, passing through 0 when end lies
    // before start.
    const double from = qRadiansToDegrees(std::fabs(double(start)));
    double span = qRadiansToDegrees(std::fabs(double(end))) - from;
    if (span < 0) {
        span += 360;
    }
    const QRectF bounds(x - radius, y - radius, 2.0 * radius, 2.0 * radius);
    QPainterPath arc;
    arc.arcMoveTo(bounds, from);
    arc.arcTo(bounds, from, span);
    if (QPainter *p = preparePainter(color, Shape::Open, Smoothing::On)) {
        p->drawPath(arc);
    }
}

void QImageCanvas::Line(float x1, float y1, float x2, float y2, OleColor color)
{
    if (QPainter *p = preparePainter(color, Shape::Open, Smoothing::Off)) {
        p->drawLine(QPointF(x1, y1), QPointF(x2, y2));
    }
}

void QImageCanvas::Line(float x1, float y1, float x2, float y2, OleColor color, BoxTag)
{
    if (QPainter *p = preparePainter(color, Shape::Closed, Smoothing::Off)) {
        p->drawRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized());
    }
}

void QImageCanvas::Print(std::string_view text)
{
    if (QPainter *p = preparePainter(ForeColor(), Shape::Open, Smoothing::On)) {
        p->setFont(m_font);
        p->drawText(QPointF(CurrentX(), CurrentY() + m_metrics.ascent()), toQString(text));
    }
}

float QImageCanvas::TextWidth(std::string_view text) const
{
    return float(m_metrics.horizontalAdvance(toQString(text)));
}

float QImageCanvas::TextHeight(std::string_view) const
{
    return float(m_metrics.height());
}

float QImageCanvas::ScaleWidth() const
{
    return float(m_interior.width());
}

float QImageCanvas::ScaleHeight() const
{
    return float(m_interior.height());
}

QColor QImageCanvas::toQColor(OleColor color)
{
    if (color & colors::kSystemColorFlag) {
        return QGuiApplication::palette().color(QPalette::Active,
                                                systemColorRole(color & ~colors::kSystemColorFlag));
    }
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

void QImageCanvas::fontSizeChanged()
{
    m_font.setPointSizeF(FontSize());
    m_metrics = QFontMetricsF(m_font, &m_metricsDevice);
}

QPainter *QImageCanvas::preparePainter(OleColor penColor, Shape shape, Smoothing smoothing)
{
    if (m_image.isNull()) {
        return nullptr;
    }
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>(&m_image);
    }
    // DrawWidth counts logical pixels; a cosmetic pen counts device pixels.
    // A whole number of them gives every line of one width the same width on
    // screen at fractional scale factors too.
    const qreal devicePixels = std::round(std::max(DrawWidth(), 1) * m_image.devicePixelRatio());
    QPen pen(toQColor(penColor), std::max(devicePixels, 1.0));
    pen.setCosmetic(true);
    m_painter->setPen(pen);
    const bool filled = shape == Shape::Closed && FillStyle() == ::FillStyle::Solid;
    m_painter->setBrush(filled ? QBrush(toQColor(FillColor())) : QBrush(Qt::NoBrush));
    m_painter->setRenderHint(QPainter::Antialiasing, smoothing == Smoothing::On);
    return m_painter.get();
}

void QImageCanvas::endPainting() const
{
    m_painter.reset();
}
