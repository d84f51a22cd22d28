#include "conversion_control/input_key_filter.h"

#include "conversion_control/input_key_rule.h"

#include <QKeyEvent>
#include <QLineEdit>

InputKeyFilter::InputKeyFilter(QObject *parent) : QObject(parent) {}

void InputKeyFilter::watch(QLineEdit *box)
{
    box->installEventFilter(this);
}

bool InputKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        if (auto *box = qobject_cast<QLineEdit *>(watched)) {
            return !passes(*box, *static_cast<QKeyEvent *>(event));
        }
    }
    return QObject::eventFilter(watched, event);
}

bool InputKeyFilter::passes(const QLineEdit &box, const QKeyEvent &key)
{
    // Shortcuts (paste, undo, select all), focus keys and keys that type
    // nothing (arrows, Delete, Home) are not typing; only characters are filtered.
    const Qt::KeyboardModifiers shortcut = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if ((key.modifiers() & shortcut) || key.text().isEmpty() || key.key() == Qt::Key_Delete ||
        key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) {
        return true;
    }
    const char16_t code = key.text().at(0).unicode();
    // The key replaces the selection: judge it against what stays of the text.
    QString remaining = box.text();
    if (box.hasSelectedText()) {
        remaining.remove(box.selectionStart(), box.selectionLength());
    }
    return KeyAccepted(remaining.toStdString(), code);
}
