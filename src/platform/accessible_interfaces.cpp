#include "platform/accessible_interfaces.h"

#include "platform/accessible_line_edit.h"
#include "platform/accessible_solution_view.h"
#include "platform/accessible_update_filter.h"
#include "platform/announcer.h"
#include "platform/solution_view.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLineEdit>

namespace {

QAccessibleInterface *interfaceFor(const QString &className, QObject *object)
{
    if (!object->isWidgetType()) {
        return nullptr;
    }
    auto *widget = static_cast<QWidget *>(object);
    if (className == u"PictureBox") {
        // As a frame, a screen reader would take each diagram for a window.
        return new QAccessibleWidget(widget, QAccessible::Chart);
    }
    if (className == u"QLineEdit") {
        return new AccessibleLineEdit(static_cast<QLineEdit *>(widget));
    }
    if (className == u"SolutionView") {
        return new AccessibleSolutionView(static_cast<SolutionView *>(widget));
    }
    if (className == u"Announcer") {
        // Inside a status bar, a notification is read without its role name.
        return new QAccessibleWidget(widget, QAccessible::StatusBar);
    }
    if (className == u"QWidget" && qobject_cast<Announcer *>(widget->parentWidget())) {
        return new QAccessibleWidget(widget, QAccessible::Notification);
    }
    return nullptr;
}

} // namespace

void InstallAccessibleInterfaces()
{
    if (AccessibleUpdateFilter::installed()) {
        return;
    }
    QAccessible::installFactory(interfaceFor);
    // The application owns the filter, and ends it as it goes.
    new AccessibleUpdateFilter(QCoreApplication::instance());
}
