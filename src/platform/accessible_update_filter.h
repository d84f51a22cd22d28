#pragma once

// Qt's accessibility updates on their way to the platform's bridge: caret and
// selection changes are passed on only for the object whose focus was
// announced last and that has the focus. A box that takes the focus by Tab
// selects its text before Qt announces the focus, and the box it left drops
// its selection: a screen reader would read the one before the box itself,
// and say "unselected" for the other.

#include <QObject>
#include <QPointer>

class QAccessibleEvent;

class AccessibleUpdateFilter : public QObject
{
public:
    // Qt's update handler from now until the filter is destroyed.
    explicit AccessibleUpdateFilter(QObject *parent = nullptr);
    ~AccessibleUpdateFilter() override;
    AccessibleUpdateFilter(const AccessibleUpdateFilter &) = delete;
    AccessibleUpdateFilter &operator=(const AccessibleUpdateFilter &) = delete;

    [[nodiscard]] static bool installed() { return s_installed != nullptr; }

private:
    // The plain function Qt takes as its handler.
    static void handle(QAccessibleEvent *event);
    void filter(QAccessibleEvent *event);
    void passOn(QAccessibleEvent *event);

    QPointer<QObject> m_focusAnnounced;
    // Where handle() finds the filter.
    static AccessibleUpdateFilter *s_installed;
};
