#include "platform/accessible_interfaces.h"

#include "platform/accessible_line_edit.h"
#include "platform/accessible_solution_view.h"
#include "platform/announcer.h"
#include "platform/solution_view.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>

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

QPointer<QObject> focusAnnounced;

void forwardUpdate(QAccessibleEvent *event);

// Caret and selection matter where the focus is, and only there. A box that
// takes the focus by Tab selects its text before Qt announces the focus, and
// the box it left drops its selection: a screen reader would read the one
// before the box itself, and say "unselected" for the other.
void passUpdate(QAccessibleEvent *event)
{
    const QAccessible::Event type = event->type();
    if (type == QAccessible::Focus) {
        focusAnnounced = event->object();
    } else if ((type == QAccessible::TextSelectionChanged || type == QAccessible::TextCaretMoved) &&
               (event->object() != focusAnnounced ||
                event->object() != QApplication::focusWidget())) {
        return;
    }
    forwardUpdate(event);
}

void forwardUpdate(QAccessibleEvent *event)
{
    // Qt offers no handler to pass on to: without one, it informs the
    // platform's bridge itself.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(passUpdate);
}

} // namespace

void InstallAccessibleInterfaces()
{
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(interfaceFor);
        QAccessible::installUpdateHandler(passUpdate);
        installed = true;
    }
}
