#pragma once

// The worked solution as a screen reader meets it: a read-only text with a
// caret, read line by line, where a step of a table is one line, as the page
// shows it, and not a line for each cell.

#include <QAccessibleWidget>

class SolutionView;
class QTextCursor;

class AccessibleSolutionView : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit AccessibleSolutionView(SolutionView *view);

    void *interface_cast(QAccessible::InterfaceType type) override;
    [[nodiscard]] QString text(QAccessible::Text type) const override;
    [[nodiscard]] QAccessible::State state() const override;

    // QAccessibleTextInterface
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    [[nodiscard]] int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    [[nodiscard]] int cursorPosition() const override;
    void setCursorPosition(int position) override;
    [[nodiscard]] QString text(int startOffset, int endOffset) const override;
    [[nodiscard]] QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                       int *startOffset, int *endOffset) const override;
    [[nodiscard]] int characterCount() const override;
    [[nodiscard]] QRect characterRect(int offset) const override;
    [[nodiscard]] int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

private:
    [[nodiscard]] SolutionView *view() const;
    // The document's text, a character for each position, as it reads.
    [[nodiscard]] QString spokenText() const;
    // A cursor at the offset, kept inside the document.
    [[nodiscard]] QTextCursor cursorAt(int offset) const;
    // The line at the offset as the page shows it: a step of a table (a row
    // and the rows that go on with it), or a line of a paragraph as it is
    // wrapped. False where the offset is outside.
    bool lineAt(int offset, int *startOffset, int *endOffset) const;
};
