#pragma once

// Speaks a short text through the screen reader: a status bar holding one
// notification that is shown anew with each text. A run of texts in quick
// succession is said once, as its last text: the earlier ones are stale.

#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent = nullptr);

    // Said once no other text has come for a moment; an empty text says
    // nothing, and drops what was still to be said. Given a widget, the text
    // is said only if that widget still has the focus then: it tells of what
    // is there.
    void say(const QString &text, const QWidget *whileFocused = nullptr);
    // What was said last, for tests.
    [[nodiscard]] QString lastSaid() const;

private:
    void sayPending();

    QWidget *m_notification = nullptr;
    QTimer m_quiet;
    QString m_pending;
    QPointer<const QWidget> m_whileFocused;
};
