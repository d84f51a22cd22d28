#include "platform/accessible_update_filter.h"

#include <QAccessible>
#include <QApplication>
#include <QWidget>

AccessibleUpdateFilter *AccessibleUpdateFilter::s_installed = nullptr;

AccessibleUpdateFilter::AccessibleUpdateFilter(QObject *parent) : QObject(parent)
{
    s_installed = this;
    QAccessible::installUpdateHandler(&AccessibleUpdateFilter::handle);
}

AccessibleUpdateFilter::~AccessibleUpdateFilter()
{
    if (s_installed == this) {
        QAccessible::installUpdateHandler(nullptr);
        s_installed = nullptr;
    }
}

void AccessibleUpdateFilter::handle(QAccessibleEvent *event)
{
    if (s_installed != nullptr) {
        s_installed->filter(event);
    }
}

void AccessibleUpdateFilter::filter(QAccessibleEvent *event)
{
    const QAccessible::Event type = event->type();
    if (type == QAccessible::Focus) {
        m_focusAnnounced = event->object();
    } else if ((type == QAccessible::TextSelectionChanged || type == QAccessible::TextCaretMoved) &&
               (event->object() != m_focusAnnounced ||
                event->object() != QApplication::focusWidget())) {
        return;
    }
    passOn(event);
}

void AccessibleUpdateFilter::passOn(QAccessibleEvent *event)
{
    // Qt offers no handler to pass on to, and the bridge is reached only
    // through Qt's private platform interface: without a handler installed,
    // Qt informs the bridge itself.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&AccessibleUpdateFilter::handle);
}
