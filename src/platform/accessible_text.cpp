#include "platform/accessible_text.h"

#include "platform/document_runs.h"
#include "platform/readable_plain_text.h"

namespace {

// A character as the document's plain text has it.
[[nodiscard]] QChar plainCharacter(QChar c)
{
    if (c == QChar::LineSeparator || c == QChar::ParagraphSeparator) {
        return u'\n';
    }
    return c == QChar::Nbsp ? QChar(u' ') : c;
}

void writeBlock(const BlockRun &block, QString &spoken)
{
    for (const TextRun &run : block.runs) {
        for (qsizetype i = 0; i < run.text.size() && run.position + i < spoken.size(); ++i) {
            QChar c = plainCharacter(run.text.at(i));
            if (const QChar up = superscriptOf(c); run.superscript && !up.isNull()) {
                c = up;
            }
            spoken[run.position + i] = c;
        }
    }
}

void writeFlow(const Flow &flow, QString &spoken);

void writeTable(const TableRun &table, QString &spoken)
{
    int stepStart = 0;
    for (const RowRun &row : table.rows) {
        if (!row.continuesStep) {
            stepStart = row.firstPosition;
        }
        for (const CellRun &cell : row.cells) {
            // The break before each cell but the first of its step.
            if (cell.firstPosition > stepStart) {
                spoken[cell.firstPosition - 1] = u' ';
            }
            writeFlow(cell.content, spoken);
        }
    }
}

void writeFlow(const Flow &flow, QString &spoken)
{
    for (const FlowItem &item : flow) {
        if (const auto *block = std::get_if<BlockRun>(&item.run)) {
            writeBlock(*block, spoken);
        } else if (const auto *table = std::get_if<TableRun>(&item.run)) {
            writeTable(*table, spoken);
        } else {
            writeFlow(std::get<FrameRun>(item.run).content, spoken);
        }
    }
}

std::optional<StepRange> stepIn(const Flow &flow, int offset);

std::optional<StepRange> stepIn(const TableRun &table, int offset)
{
    const auto rows = table.rows.size();
    for (qsizetype r = 0; r < rows; ++r) {
        for (const CellRun &cell : table.rows[r].cells) {
            if (offset < cell.firstPosition || offset > cell.lastPosition) {
                continue;
            }
            if (const auto inner = stepIn(cell.content, offset)) {
                return inner;
            }
            qsizetype first = r;
            while (table.rows[first].continuesStep) {
                --first;
            }
            qsizetype last = r;
            while (last + 1 < rows && table.rows[last + 1].continuesStep) {
                ++last;
            }
            return StepRange{table.rows[first].firstPosition, table.rows[last].lastPosition};
        }
    }
    return std::nullopt;
}

std::optional<StepRange> stepIn(const Flow &flow, int offset)
{
    for (const FlowItem &item : flow) {
        std::optional<StepRange> step;
        if (const auto *table = std::get_if<TableRun>(&item.run)) {
            step = stepIn(*table, offset);
        } else if (const auto *frame = std::get_if<FrameRun>(&item.run)) {
            step = stepIn(frame->content, offset);
        }
        if (step) {
            return step;
        }
    }
    return std::nullopt;
}

} // namespace

QString accessibleText(const DocumentRuns &document)
{
    // What lies between blocks (paragraph ends, table and cell bounds) reads as a break.
    QString spoken(qMax(0, document.characterCount), u'\n');
    writeFlow(document.flow, spoken);
    return spoken;
}

std::optional<StepRange> stepAt(const DocumentRuns &document, int offset)
{
    return stepIn(document.flow, offset);
}
