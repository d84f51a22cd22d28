#include "platform/design_font.h"

QFont DesignFont(qreal pointSize, bool bold)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}
