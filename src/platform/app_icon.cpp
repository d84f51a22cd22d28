#include "platform/app_icon.h"

#include <QPainter>
#include <QPixmap>

QIcon AppIcon()
{
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::white);
    painter.setPen(QPen(QColor(128, 128, 128), 2));
    painter.drawRoundedRect(QRectF(2, 2, 60, 60), 8, 8);
    painter.setPen(QPen(QColor(192, 192, 192), 2));
    painter.drawLine(QPointF(8, 32), QPointF(56, 32));
    painter.drawLine(QPointF(32, 8), QPointF(32, 56));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::red, 2));
    painter.drawEllipse(QPointF(32, 32), 20, 20);
    painter.setPen(QPen(Qt::blue, 2));
    painter.drawLine(QPointF(32, 32), QPointF(49.3, 22));
    painter.setBrush(Qt::blue);
    painter.drawEllipse(QPointF(49.3, 22), 4.5, 4.5);
    return QIcon(pixmap);
}
