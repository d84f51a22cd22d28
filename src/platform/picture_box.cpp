#include "platform/picture_box.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setLineWidth(2);
    setMouseTracking(true);
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QImageCanvas &PictureBox::canvas()
{
    const QSizeF interior = contentsRect().size();
    const qreal dpr = devicePixelRatioF();
    if (m_canvas.ScaleWidth() != static_cast<float>(interior.width()) ||
        m_canvas.ScaleHeight() != static_cast<float>(interior.height()) ||
        m_canvas.image().devicePixelRatio() != dpr) {
        m_canvas.resize(interior, dpr);
    }
    return m_canvas;
}

void PictureBox::placeCrosshair(const QLineF &vertical, const QLineF &horizontal)
{
    m_linH.Line = vertical;
    m_linV.Line = horizontal;
    if (m_linH.Visible || m_linV.Visible) {
        update();
    }
}

void PictureBox::setCrosshairVisible(bool visible)
{
    if (m_linH.Visible == visible && m_linV.Visible == visible) {
        return;
    }
    m_linH.Visible = visible;
    m_linV.Visible = visible;
    update();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect interior = contentsRect();
    painter.fillRect(interior, Qt::white);
    painter.drawImage(interior.topLeft(), canvas().image());
    painter.setClipRect(interior);
    painter.translate(interior.topLeft());
    painter.setPen(QPen(Qt::black, 0));
    for (const CrosshairLine *line : {&m_linH, &m_linV}) {
        if (line->Visible) {
            painter.drawLine(line->Line);
        }
    }
}

void PictureBox::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF at = event->position() - contentsRect().topLeft();
    emit MouseMove(static_cast<float>(at.x()), static_cast<float>(at.y()));
    QFrame::mouseMoveEvent(event);
}
