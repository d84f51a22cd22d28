#include "platform/picture_box.h"

#include "platform/crosshair_strip.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <array>
#include <cmath>
#include <utility>

PictureBox::PictureBox(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setLineWidth(2);
    setMouseTracking(true);
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    followScreen();
    fitCanvas();
}

void PictureBox::place(const QRect &geometry)
{
    setGeometry(geometry);
    fitCanvas();
}

void PictureBox::fitCanvas()
{
    m_canvas.resize(contentsRect().size(), devicePixelRatioF());
}

void PictureBox::followScreen()
{
    QScreen *now = screen();
    if (now == m_screen) {
        return;
    }
    if (m_screen) {
        disconnect(m_screen, nullptr, this, nullptr);
    }
    m_screen = now;
    if (now != nullptr) {
        connect(now, &QScreen::logicalDotsPerInchChanged, this, &PictureBox::fitCanvas);
        connect(now, &QScreen::physicalDotsPerInchChanged, this, &PictureBox::fitCanvas);
    }
}

bool PictureBox::event(QEvent *event)
{
    // A move to another screen may change the pixel ratio and sends no
    // resize; nor does Qt 6.4 send any event when the screen's dots per inch,
    // and with them the ratio, change (followScreen hears of that). Once
    // shown, the box is on the screen of its window.
    if (event->type() == QEvent::ScreenChangeInternal || event->type() == QEvent::Show) {
        followScreen();
        fitCanvas();
    }
    return QFrame::event(event);
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    fitCanvas();
}

void PictureBox::placeCrosshair(const QLineF &vertical, const QLineF &horizontal)
{
    const bool shown = m_linH.Visible || m_linV.Visible;
    if (shown) {
        updateCrosshair(); // where the lines leave
    }
    m_linH.Line = vertical;
    m_linV.Line = horizontal;
    if (shown) {
        updateCrosshair(); // where they enter
    }
}

void PictureBox::setCrosshairVisible(bool visible)
{
    if (m_linH.Visible == visible && m_linV.Visible == visible) {
        return;
    }
    m_linH.Visible = visible;
    m_linV.Visible = visible;
    updateCrosshair();
}

void PictureBox::updateCrosshair()
{
    update(strip(Qt::Vertical, m_linH.Line.x1()));
    update(strip(Qt::Horizontal, m_linV.Line.y1()));
}

QRect PictureBox::strip(Qt::Orientation orientation, qreal at) const
{
    // The window's backing store holds device pixels; a widget's logical pixel
    // u lies at (its place in the window + u) times the scale factor there.
    const qreal dpr = devicePixelRatioF();
    const QPoint inWindow = mapTo(window(), QPoint(0, 0));
    const QPoint interior = contentsRect().topLeft();
    if (orientation == Qt::Vertical) {
        const int device = CrosshairPixel((inWindow.x() + interior.x()) * dpr, at, dpr);
        const PixelSpan span = CoveringSpan(device, inWindow.x(), dpr);
        return {span.First, 0, span.End - span.First, height()};
    }
    const int device = CrosshairPixel((inWindow.y() + interior.y()) * dpr, at, dpr);
    const PixelSpan span = CoveringSpan(device, inWindow.y(), dpr);
    return {0, span.First, width(), span.End - span.First};
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // The box is declared opaque, so every pixel is painted here: at scale
    // factors above 1 the frame's lines no longer cover the frame's width.
    painter.fillRect(rect(), Qt::white);
    drawFrame(&painter);
    const QRect interior = contentsRect();
    painter.setClipRect(interior);
    // The image has the screen's resolution; placed on whole device pixels
    // it is copied one to one, so no line of it doubles or vanishes at a
    // fractional scale factor.
    const QTransform toDevice = painter.deviceTransform();
    const QPointF origin = toDevice.map(QPointF(interior.topLeft()));
    const QPoint snapped(PictureOrigin(origin.x()), PictureOrigin(origin.y()));
    painter.drawImage(toDevice.inverted().map(QPointF(snapped)), m_canvas.image());
    drawCrosshair(painter, origin, QRect(snapped, m_canvas.image().size()));
    painter.translate(interior.topLeft());
    if (hasFocus()) {
        drawFocusFrame(painter, QRectF(QPointF(0, 0), QSizeF(interior.size())));
    }
}

void PictureBox::drawCrosshair(QPainter &painter, QPointF origin, const QRect &picture) const
{
    if (!m_linH.Visible && !m_linV.Visible) {
        return;
    }
    // In device pixels, one wide, on the pixel the strips cover: a strip
    // repainted on its own then holds what a whole repaint would paint.
    const qreal dpr = painter.device()->devicePixelRatioF();
    painter.save();
    painter.setWorldTransform(painter.deviceTransform().inverted(), true);
    if (m_linH.Visible) {
        const int x = CrosshairPixel(origin.x(), m_linH.Line.x1(), dpr);
        painter.fillRect(QRect(x, picture.top(), 1, picture.height()), Qt::black);
    }
    if (m_linV.Visible) {
        const int y = CrosshairPixel(origin.y(), m_linV.Line.y1(), dpr);
        painter.fillRect(QRect(picture.left(), y, picture.width(), 1), Qt::black);
    }
    painter.restore();
}

void PictureBox::drawFocusFrame(QPainter &painter, const QRectF &interior) const
{
    // Two logical pixels wide, inside the interior's edge: over the picture,
    // never in it, and never thinner than two device pixels.
    constexpr qreal kWidth = 2;
    painter.setPen(QPen(palette().color(QPalette::Active, QPalette::Highlight), kWidth,
                        Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(interior.adjusted(kWidth / 2, kWidth / 2, -kWidth / 2, -kWidth / 2));
}

void PictureBox::focusInEvent(QFocusEvent *event)
{
    QFrame::focusInEvent(event);
    update();
    emit FocusEntered();
}

void PictureBox::focusOutEvent(QFocusEvent *event)
{
    QFrame::focusOutEvent(event);
    update();
}

void PictureBox::keyPressEvent(QKeyEvent *event)
{
    constexpr std::array<std::pair<int, PointerKey>, 5> kMoves{{{Qt::Key_Left, PointerKey::Left},
                                                                {Qt::Key_Right, PointerKey::Right},
                                                                {Qt::Key_Up, PointerKey::Up},
                                                                {Qt::Key_Down, PointerKey::Down},
                                                                {Qt::Key_Home, PointerKey::Home}}};
    const bool gridStep = event->modifiers() & Qt::ShiftModifier;
    for (const auto &[key, move] : kMoves) {
        if (event->key() == key) {
            emit PointerKeyPressed(move, gridStep);
            return;
        }
    }
    if (event->key() == Qt::Key_Escape && m_linH.Visible) {
        emit PointerKeyPressed(PointerKey::Escape, gridStep);
        return;
    }
    QFrame::keyPressEvent(event);
}

void PictureBox::leaveEvent(QEvent *event)
{
    QFrame::leaveEvent(event);
    emit PointerLeft();
}

void PictureBox::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF at = event->position() - contentsRect().topLeft();
    emit MouseMove(static_cast<float>(at.x()), static_cast<float>(at.y()));
}
