#include "platform/accessible_line_edit.h"

#include <QFontMetrics>
#include <QLineEdit>

#include <algorithm>

AccessibleLineEdit::AccessibleLineEdit(QLineEdit *edit)
    : QAccessibleWidget(edit, QAccessible::EditableText)
{}

QLineEdit *AccessibleLineEdit::edit() const
{
    return static_cast<QLineEdit *>(widget());
}

QString AccessibleLineEdit::shownText() const
{
    return edit()->echoMode() == QLineEdit::Normal ? edit()->text() : edit()->displayText();
}

void *AccessibleLineEdit::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface *>(this);
    }
    if (type == QAccessible::EditableTextInterface) {
        return static_cast<QAccessibleEditableTextInterface *>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QString AccessibleLineEdit::text(QAccessible::Text type) const
{
    if (type == QAccessible::Value) {
        return shownText();
    }
    return QAccessibleWidget::text(type);
}

void AccessibleLineEdit::setText(QAccessible::Text type, const QString &text)
{
    if (type == QAccessible::Value && !edit()->isReadOnly()) {
        edit()->setText(text);
        return;
    }
    QAccessibleWidget::setText(type, text);
}

QAccessible::State AccessibleLineEdit::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = !edit()->isReadOnly();
    state.readOnly = edit()->isReadOnly();
    state.selectableText = true;
    state.passwordEdit = edit()->echoMode() != QLineEdit::Normal;
    return state;
}

void AccessibleLineEdit::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && edit()->hasSelectedText()) {
        *startOffset = edit()->selectionStart();
        *endOffset = edit()->selectionEnd();
    }
}

int AccessibleLineEdit::selectionCount() const
{
    return edit()->hasSelectedText() ? 1 : 0;
}

void AccessibleLineEdit::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void AccessibleLineEdit::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0) {
        edit()->deselect();
    }
}

void AccessibleLineEdit::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0) {
        edit()->setSelection(startOffset, endOffset - startOffset);
    }
}

int AccessibleLineEdit::cursorPosition() const
{
    return edit()->cursorPosition();
}

void AccessibleLineEdit::setCursorPosition(int position)
{
    edit()->setCursorPosition(position);
}

QString AccessibleLineEdit::text(int startOffset, int endOffset) const
{
    if (startOffset > endOffset) {
        return {};
    }
    return shownText().mid(startOffset, endOffset - startOffset);
}

int AccessibleLineEdit::characterCount() const
{
    return static_cast<int>(shownText().size());
}

QRect AccessibleLineEdit::characterRect(int offset) const
{
    // Where the text starts when it is not scrolled, as a box of our width shows it.
    const QString shown = shownText();
    if (offset < 0 || offset >= shown.size()) {
        return {};
    }
    const QFontMetrics metrics(edit()->font());
    const QRect inside = edit()->contentsRect().marginsRemoved(edit()->textMargins());
    const int x = inside.left() + 2 + metrics.horizontalAdvance(shown.left(offset));
    const QRect local(x, inside.center().y() - metrics.height() / 2,
                      metrics.horizontalAdvance(shown.at(offset)), metrics.height());
    return {edit()->mapToGlobal(local.topLeft()), local.size()};
}

int AccessibleLineEdit::offsetAtPoint(const QPoint &point) const
{
    return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
}

void AccessibleLineEdit::scrollToSubstring(int startIndex, int endIndex)
{
    edit()->setCursorPosition(endIndex);
    edit()->setCursorPosition(startIndex);
}

QString AccessibleLineEdit::attributes(int offset, int *startOffset, int *endOffset) const
{
    // One font and colour for the whole box: the run is the whole text.
    const int count = characterCount();
    if (offset < 0 || offset > count) {
        *startOffset = *endOffset = -1;
        return {};
    }
    *startOffset = 0;
    *endOffset = count;
    return {};
}

void AccessibleLineEdit::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, QString());
}

void AccessibleLineEdit::insertText(int offset, const QString &text)
{
    replaceText(offset, offset, text);
}

void AccessibleLineEdit::replaceText(int startOffset, int endOffset, const QString &text)
{
    if (edit()->isReadOnly()) {
        return;
    }
    QString changed = edit()->text();
    const auto start = std::clamp<qsizetype>(startOffset, 0, changed.size());
    const auto end = std::clamp<qsizetype>(endOffset, start, changed.size());
    changed.replace(start, end - start, text);
    edit()->setText(changed);
}
