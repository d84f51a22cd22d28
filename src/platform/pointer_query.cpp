#include "platform/pointer_query.h"

#include <QApplication>
#include <QCursor>

QWidget *WidgetUnderPointer()
{
    return QApplication::widgetAt(QCursor::pos());
}
