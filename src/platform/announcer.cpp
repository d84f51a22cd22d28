#include "platform/announcer.h"

namespace {

// Long enough to pass over a key's auto-repeat, short enough to follow a key press.
constexpr int kQuietMs = 200;

} // namespace

Announcer::Announcer(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("announcer"));
    // Heard, never seen: no size, no pointer, no focus.
    setGeometry(0, 0, 0, 0);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    m_notification = new QWidget(this);
    m_notification->setGeometry(0, 0, 0, 0);
    m_notification->hide();
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(kQuietMs);
    connect(&m_quiet, &QTimer::timeout, this, &Announcer::sayPending);
}

void Announcer::say(const QString &text, const QWidget *whileFocused)
{
    m_pending = text;
    m_whileFocused = whileFocused;
    m_quiet.start();
}

QString Announcer::lastSaid() const
{
    return m_notification->accessibleName();
}

void Announcer::sayPending()
{
    const bool stale = m_whileFocused && !m_whileFocused->hasFocus();
    if (m_pending.isEmpty() || stale) {
        return;
    }
    // A screen reader speaks a notification when it is shown.
    m_notification->hide();
    m_notification->setAccessibleName(m_pending);
    m_notification->show();
    m_pending.clear();
}
