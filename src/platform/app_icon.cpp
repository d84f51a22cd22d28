#include "platform/app_icon.h"

#include <QDirIterator>

QIcon AppIcon()
{
    // The build renders the icon's SVG once per size into the resources.
    QIcon icon;
    QDirIterator png(QStringLiteral(":/morvane/icons"), {QStringLiteral("*.png")}, QDir::Files,
                     QDirIterator::Subdirectories);
    while (png.hasNext()) {
        icon.addFile(png.next());
    }
    return icon;
}
