#pragma once

// One reading of a rich-text document: its blocks and tables, in order, as
// plain values that the copy's plain text and HTML and the accessible text
// are written from. A table's rows carry whether they go on with the step of
// the worked solution above them.

#include <QColor>
#include <QList>
#include <QString>

#include <optional>
#include <variant>

class QTextDocument;
class QTextDocumentFragment;

// Text of one character format, as the document holds it (no-break spaces,
// line separators for <br>, object replacement characters).
struct TextRun
{
    QString text;
    int position = 0; // of its first character in the document
    bool superscript = false;
    bool subscript = false;
    bool bold = false;
    bool italic = false;
    std::optional<QColor> colour; // only where the text sets one
};

struct BlockRun
{
    QList<TextRun> runs;
    int position = 0;
    Qt::Alignment alignment;
    int quoteDepth = 0; // blockquotes around it
    [[nodiscard]] QString text() const;
};

struct FlowItem;
using Flow = QList<FlowItem>;

struct CellRun
{
    int column = 0;
    int rowSpan = 1;
    int columnSpan = 1;
    std::optional<QColor> background;
    int firstPosition = 0;
    int lastPosition = 0;
    Flow content;
};

struct RowRun
{
    // The cells that start in this row, left to right.
    QList<CellRun> cells;
    // From the start of its first column to the end of its last.
    int firstPosition = 0;
    int lastPosition = 0;
    bool continuesStep = false;
};

struct TableRun
{
    int columns = 0;
    int quoteDepth = 0;
    int border = 0; // 0 where no rule is drawn
    int cellSpacing = 0;
    int cellPadding = 0;
    QList<RowRun> rows;
};

// A frame that is not a table: a flow of its own.
struct FrameRun
{
    Flow content;
};

struct FlowItem
{
    std::variant<BlockRun, TableRun, FrameRun> run;
};

struct DocumentRuns
{
    Flow flow;
    int characterCount = 0; // the document's positions, less its last paragraph end
};

[[nodiscard]] DocumentRuns readDocumentRuns(const QTextDocument &document);
// The fragment as a selection carries it: a table the selection leaves is
// whole, a selection inside a table is a rectangle of whole cells.
[[nodiscard]] DocumentRuns readDocumentRuns(const QTextDocumentFragment &fragment);
