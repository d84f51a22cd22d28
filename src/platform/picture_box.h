#pragma once

// A picture box: a sunken frame around a persistent image that the diagrams
// draw on, with two crosshair lines painted over the drawing as objects of
// their own; pointer movements reported in interior pixels, and the keys and
// focus of the pointer that the keyboard moves over it.

#include "conversion_control/keyboard_pointer.h"
#include "platform/qimage_canvas.h"

#include <QFrame>
#include <QLineF>
#include <QPointer>

class QPainter;
class QScreen;

class PictureBox : public QFrame
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    // Moves and sizes the box, and its canvas with it at once: a hidden box
    // hears of its new size only once shown, and is drawn on before that.
    void place(const QRect &geometry);
    // The canvas, of the interior's size at the screen's device pixel ratio.
    [[nodiscard]] QImageCanvas &canvas() { return m_canvas; }
    [[nodiscard]] const QImageCanvas &canvas() const { return m_canvas; }
    // Shows what was drawn on the canvas since the last call.
    void showDrawing() { update(); }

    struct CrosshairLine
    {
        QLineF Line;
        bool Visible = false;
    };
    // linH: the vertical line, linV: the horizontal one (interior pixels),
    // each across the whole interior.
    [[nodiscard]] const CrosshairLine &linH() const { return m_linH; }
    [[nodiscard]] const CrosshairLine &linV() const { return m_linV; }
    void placeCrosshair(const QLineF &vertical, const QLineF &horizontal);
    void setCrosshairVisible(bool visible);

signals:
    void MouseMove(float x, float y);
    // The window system reports that the pointer left the picture box.
    void PointerLeft();
    // A key for the keyboard's pointer (Escape only while the crosshair
    // shows); gridStep: Shift was held.
    void PointerKeyPressed(PointerKey key, bool gridStep);
    void FocusEntered();

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // Sizes the canvas to the interior and the device pixel ratio of now.
    void fitCanvas();
    // Hears of the dots per inch of the screen the box is on now.
    void followScreen();
    void drawFocusFrame(QPainter &painter, const QRectF &interior) const;
    // origin: the interior's top left in device pixels; picture: where the
    // image lies, in device pixels.
    void drawCrosshair(QPainter &painter, QPointF origin, const QRect &picture) const;
    // Repaints the strips that the crosshair's two lines lie on, and only those.
    void updateCrosshair();
    // The strip of the widget a line lies on: across the whole widget, and as
    // wide as the logical pixels that cover the device pixel of the line.
    [[nodiscard]] QRect strip(Qt::Orientation orientation, qreal at) const;

    QImageCanvas m_canvas;
    CrosshairLine m_linH, m_linV;
    QPointer<QScreen> m_screen;
};
