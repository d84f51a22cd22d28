#include "platform/readable_plain_text.h"

#include "platform/document_runs.h"

#include <QStringList>

#include <string_view>

QChar superscriptOf(QChar c)
{
    constexpr std::u16string_view kPlain = u"0123456789+-=()in";
    constexpr std::u16string_view kRaised =
        u"\u2070\u00B9\u00B2\u00B3\u2074\u2075\u2076\u2077"
        u"\u2078\u2079\u207A\u207B\u207C\u207D\u207E\u2071\u207F";
    static_assert(kPlain.size() == kRaised.size());
    const std::size_t at = kPlain.find(c.unicode());
    return at == std::u16string_view::npos ? QChar() : QChar(kRaised[at]);
}

namespace {

// Flattened, "-3<sup>2</sup>" would read as minus thirty-two; where some
// character has no raised form the run is marked with "^" instead.
QString raised(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const QChar up = superscriptOf(c);
        if (up.isNull()) {
            return text.size() == 1 ? QStringLiteral("^") + text
                                    : QStringLiteral("^(%1)").arg(text);
        }
        out += up;
    }
    return out;
}

QString blockText(const BlockRun &block)
{
    QString out;
    QString superscript;
    for (const TextRun &run : block.runs) {
        if (run.superscript) {
            superscript += run.text;
            continue;
        }
        if (!superscript.isEmpty()) {
            out += raised(superscript);
            superscript.clear();
        }
        out += run.text;
    }
    if (!superscript.isEmpty()) {
        out += raised(superscript);
    }
    out.replace(QChar::Nbsp, u' ');
    out.replace(QChar::LineSeparator, u'\n'); // what <br> leaves in a block
    out.remove(QChar::ObjectReplacementCharacter);
    // Breaks at either end would add blank lines beyond the one between blocks.
    while (out.startsWith(u'\n')) {
        out.remove(0, 1);
    }
    while (out.endsWith(u'\n')) {
        out.chop(1);
    }
    return out;
}

[[nodiscard]] bool isBlank(const QString &text)
{
    return text.trimmed().isEmpty();
}

void appendCellParts(const Flow &flow, QStringList &parts);

void appendTableParts(const TableRun &table, QStringList &parts)
{
    for (const RowRun &row : table.rows) {
        for (const CellRun &cell : row.cells) {
            appendCellParts(cell.content, parts);
        }
    }
}

// Everything in a cell, nested tables included, in the order it is written.
void appendCellParts(const Flow &flow, QStringList &parts)
{
    for (const FlowItem &item : flow) {
        if (const auto *block = std::get_if<BlockRun>(&item.run)) {
            parts << blockText(*block);
        } else if (const auto *table = std::get_if<TableRun>(&item.run)) {
            appendTableParts(*table, parts);
        } else {
            appendCellParts(std::get<FrameRun>(item.run).content, parts);
        }
    }
}

// Everything in a cell on one line, so that a row stays one line.
QString cellText(const CellRun &cell)
{
    QStringList parts;
    appendCellParts(cell.content, parts);
    parts.removeIf(isBlank);
    return parts.join(u' ').replace(u'\n', u' ').replace(u'\t', u' ');
}

QString tableText(const TableRun &table)
{
    QStringList rows;
    for (const RowRun &row : table.rows) {
        // The places a spanning cell covers stay empty.
        QStringList cells(table.columns);
        for (const CellRun &cell : row.cells) {
            cells[cell.column] = cellText(cell);
        }
        rows << cells.join(u'\t');
    }
    return rows.join(u'\n');
}

void appendBlocks(const Flow &flow, QStringList &blocks)
{
    for (const FlowItem &item : flow) {
        QString text;
        if (const auto *block = std::get_if<BlockRun>(&item.run)) {
            text = blockText(*block);
        } else if (const auto *table = std::get_if<TableRun>(&item.run)) {
            text = tableText(*table);
        } else {
            appendBlocks(std::get<FrameRun>(item.run).content, blocks);
        }
        if (!isBlank(text)) {
            blocks << text;
        }
    }
}

} // namespace

QString readablePlainText(const DocumentRuns &document)
{
    QStringList blocks;
    appendBlocks(document.flow, blocks);
    return blocks.join(u"\n\n");
}
