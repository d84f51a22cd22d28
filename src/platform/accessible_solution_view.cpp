#include "platform/accessible_solution_view.h"

#include "platform/accessible_text.h"
#include "platform/document_runs.h"
#include "platform/solution_view.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

AccessibleSolutionView::AccessibleSolutionView(SolutionView *view)
    : QAccessibleWidget(view, QAccessible::EditableText)
{}

SolutionView *AccessibleSolutionView::view() const
{
    return static_cast<SolutionView *>(widget());
}

void *AccessibleSolutionView::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface *>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QString AccessibleSolutionView::text(QAccessible::Text type) const
{
    if (type == QAccessible::Value) {
        return spokenText();
    }
    return QAccessibleWidget::text(type);
}

QAccessible::State AccessibleSolutionView::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.editable = false;
    state.multiLine = true;
    state.selectableText = true;
    return state;
}

QTextCursor AccessibleSolutionView::cursorAt(int offset) const
{
    QTextCursor cursor(view()->document());
    cursor.setPosition(std::clamp(offset, 0, characterCount()));
    return cursor;
}

void AccessibleSolutionView::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    const QTextCursor cursor = view()->textCursor();
    if (selectionIndex == 0 && cursor.hasSelection()) {
        *startOffset = cursor.selectionStart();
        *endOffset = cursor.selectionEnd();
    }
}

int AccessibleSolutionView::selectionCount() const
{
    return view()->textCursor().hasSelection() ? 1 : 0;
}

void AccessibleSolutionView::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void AccessibleSolutionView::removeSelection(int selectionIndex)
{
    if (selectionIndex != 0) {
        return;
    }
    QTextCursor cursor = view()->textCursor();
    cursor.clearSelection();
    view()->setTextCursor(cursor);
}

void AccessibleSolutionView::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex != 0) {
        return;
    }
    QTextCursor cursor = cursorAt(startOffset);
    cursor.setPosition(cursorAt(endOffset).position(), QTextCursor::KeepAnchor);
    view()->setTextCursor(cursor);
}

int AccessibleSolutionView::cursorPosition() const
{
    return view()->textCursor().position();
}

void AccessibleSolutionView::setCursorPosition(int position)
{
    view()->setTextCursor(cursorAt(position));
}

int AccessibleSolutionView::characterCount() const
{
    // The document's positions, less the end of its last paragraph.
    return view()->document()->characterCount() - 1;
}

QString AccessibleSolutionView::text(int startOffset, int endOffset) const
{
    const QString plain = spokenText();
    const auto start = std::clamp<qsizetype>(startOffset, 0, plain.size());
    const auto end = std::clamp<qsizetype>(endOffset, start, plain.size());
    return plain.mid(start, end - start);
}

QString AccessibleSolutionView::spokenText() const
{
    return accessibleText(readDocumentRuns(*view()->document()));
}

bool AccessibleSolutionView::lineAt(int offset, int *startOffset, int *endOffset) const
{
    if (offset < 0 || offset > characterCount()) {
        return false;
    }
    if (const auto step = stepAt(readDocumentRuns(*view()->document()), offset)) {
        *startOffset = step->start;
        *endOffset = step->end;
        return true;
    }
    const QTextCursor cursor = cursorAt(offset);
    const QTextBlock block = cursor.block();
    const QTextLine line = block.layout()->lineForTextPosition(cursor.positionInBlock());
    if (!line.isValid()) {
        *startOffset = block.position();
        *endOffset = block.position() + block.length() - 1;
        return true;
    }
    *startOffset = block.position() + line.textStart();
    *endOffset = *startOffset + line.textLength();
    return true;
}

QString AccessibleSolutionView::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                             int *startOffset, int *endOffset) const
{
    const bool lineLike = boundaryType == QAccessible::LineBoundary ||
                          boundaryType == QAccessible::SentenceBoundary ||
                          boundaryType == QAccessible::ParagraphBoundary;
    const bool inTable =
        stepAt(readDocumentRuns(*view()->document()), std::clamp(offset, 0, characterCount()))
            .has_value();
    if (boundaryType != QAccessible::LineBoundary && !(lineLike && inTable)) {
        return QAccessibleTextInterface::textAtOffset(offset, boundaryType, startOffset, endOffset);
    }
    *startOffset = *endOffset = -1;
    if (!lineAt(offset, startOffset, endOffset)) {
        return {};
    }
    return text(*startOffset, *endOffset);
}

QRect AccessibleSolutionView::characterRect(int offset) const
{
    if (offset < 0 || offset >= characterCount()) {
        return {};
    }
    QTextCursor cursor = cursorAt(offset);
    const QRect before = view()->cursorRect(cursor);
    cursor.movePosition(QTextCursor::NextCharacter);
    const QRect after = view()->cursorRect(cursor);
    QRect local = before;
    if (after.top() == before.top() && after.left() > before.left()) {
        local.setRight(after.left());
    }
    return {view()->viewport()->mapToGlobal(local.topLeft()), local.size()};
}

int AccessibleSolutionView::offsetAtPoint(const QPoint &point) const
{
    return view()->cursorForPosition(view()->viewport()->mapFromGlobal(point)).position();
}

void AccessibleSolutionView::scrollToSubstring(int startIndex, int endIndex)
{
    const QRect start = view()->cursorRect(cursorAt(startIndex));
    const QRect end = view()->cursorRect(cursorAt(endIndex));
    QScrollBar *bar = view()->verticalScrollBar();
    if (start.top() < 0 || end.bottom() > view()->viewport()->height()) {
        bar->setValue(bar->value() + start.top());
    }
}

QString AccessibleSolutionView::attributes(int offset, int *startOffset, int *endOffset) const
{
    // The run of one format around the offset; the formats themselves are
    // not offered.
    *startOffset = *endOffset = -1;
    if (offset < 0 || offset > characterCount()) {
        return {};
    }
    const QTextCursor cursor = cursorAt(offset);
    const QTextBlock block = cursor.block();
    *startOffset = block.position();
    *endOffset = block.position() + block.length() - 1;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (fragment.contains(offset)) {
            *startOffset = fragment.position();
            *endOffset = fragment.position() + fragment.length();
            break;
        }
    }
    return {};
}
