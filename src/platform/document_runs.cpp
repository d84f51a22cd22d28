#include "platform/document_runs.h"

#include "main_window/solution_document.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextTable>

namespace {

// Qt's HTML reader turns each <blockquote> into this much left margin.
constexpr qreal kQuoteMargin = 40;

[[nodiscard]] int quoteLevel(qreal leftMargin, int indent = 0)
{
    // A negative margin pulls nothing out of an enclosing quote.
    return qMax(0, qRound(leftMargin / kQuoteMargin) + indent);
}

[[nodiscard]] TextRun readText(const QTextFragment &fragment)
{
    const QTextCharFormat format = fragment.charFormat();
    TextRun run;
    run.text = fragment.text();
    run.position = fragment.position();
    run.superscript = format.verticalAlignment() == QTextCharFormat::AlignSuperScript;
    run.subscript = format.verticalAlignment() == QTextCharFormat::AlignSubScript;
    run.bold = format.fontWeight() > QFont::Normal;
    run.italic = format.fontItalic();
    if (format.hasProperty(QTextFormat::ForegroundBrush)) {
        run.colour = format.foreground().color();
    }
    return run;
}

[[nodiscard]] BlockRun readBlock(const QTextBlock &block)
{
    const QTextBlockFormat format = block.blockFormat();
    BlockRun out;
    out.position = block.position();
    out.alignment = format.alignment();
    out.quoteDepth = quoteLevel(format.leftMargin(), format.indent());
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        out.runs << readText(it.fragment());
    }
    return out;
}

Flow readFlow(QTextFrame::iterator it);

// The worked solution writes a step's further rows under an empty label.
[[nodiscard]] bool continuesStep(const QTextTable &table, int row)
{
    const QTextTableCell first = table.cellAt(row, 0);
    QTextCursor label = first.firstCursorPosition();
    label.setPosition(first.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return row > 0 &&
           label.selectedText() ==
               QString::fromUtf8(kContinuedStepLabel.data(), qsizetype(kContinuedStepLabel.size()));
}

[[nodiscard]] CellRun readCell(const QTextTableCell &cell)
{
    CellRun out;
    out.column = cell.column();
    out.rowSpan = cell.rowSpan();
    out.columnSpan = cell.columnSpan();
    if (const QTextCharFormat format = cell.format();
        format.hasProperty(QTextFormat::BackgroundBrush)) {
        out.background = format.background().color();
    }
    out.firstPosition = cell.firstCursorPosition().position();
    out.lastPosition = cell.lastCursorPosition().position();
    out.content = readFlow(cell.begin());
    return out;
}

[[nodiscard]] TableRun readTable(const QTextTable &table)
{
    const QTextTableFormat format = table.format();
    TableRun out;
    out.columns = table.columns();
    out.quoteDepth = quoteLevel(format.leftMargin());
    const bool ruled =
        format.border() > 0 && format.borderStyle() != QTextFrameFormat::BorderStyle_None;
    out.border = ruled ? qMax(1, qRound(format.border())) : 0;
    out.cellSpacing = qRound(format.cellSpacing());
    out.cellPadding = qRound(format.cellPadding());
    for (int r = 0; r < table.rows(); ++r) {
        RowRun row;
        row.firstPosition = table.cellAt(r, 0).firstCursorPosition().position();
        row.lastPosition = table.cellAt(r, out.columns - 1).lastCursorPosition().position();
        row.continuesStep = continuesStep(table, r);
        for (int c = 0; c < out.columns; ++c) {
            // A spanning cell belongs where it starts.
            if (const QTextTableCell cell = table.cellAt(r, c);
                cell.row() == r && cell.column() == c) {
                row.cells << readCell(cell);
            }
        }
        out.rows << row;
    }
    return out;
}

Flow readFlow(QTextFrame::iterator it)
{
    Flow flow;
    for (; !it.atEnd(); ++it) {
        if (const auto *table = qobject_cast<QTextTable *>(it.currentFrame())) {
            flow << FlowItem{readTable(*table)};
        } else if (QTextFrame *frame = it.currentFrame()) {
            flow << FlowItem{FrameRun{readFlow(frame->begin())}};
        } else {
            flow << FlowItem{readBlock(it.currentBlock())};
        }
    }
    return flow;
}

} // namespace

QString BlockRun::text() const
{
    QString out;
    for (const TextRun &run : runs) {
        out += run.text;
    }
    return out;
}

DocumentRuns readDocumentRuns(const QTextDocument &document)
{
    return {readFlow(document.rootFrame()->begin()), document.characterCount() - 1};
}

DocumentRuns readDocumentRuns(const QTextDocumentFragment &fragment)
{
    // A fragment shows its structure only once it is part of a document.
    QTextDocument document;
    QTextCursor(&document).insertFragment(fragment);
    return readDocumentRuns(document);
}
