#include "platform/design_font.h"

#include <QStringList>

QFont DesignFont(qreal pointSize, bool bold)
{
    // Windows maps the design's "MS Sans Serif" to its TrueType Microsoft Sans
    // Serif; asking for that first keeps the odd sizes (9.75 pt) unscaled.
    QFont font;
    font.setFamilies(
        QStringList{QStringLiteral("Microsoft Sans Serif"), QStringLiteral("MS Sans Serif")});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}
