#include "platform/selection_html.h"

#include "platform/document_runs.h"

#include <QStringList>

namespace {

[[nodiscard]] QString alignAttribute(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignHCenter) {
        return QStringLiteral(" align=\"center\"");
    }
    if (alignment & Qt::AlignRight) {
        return QStringLiteral(" align=\"right\"");
    }
    if (alignment & Qt::AlignJustify) {
        return QStringLiteral(" align=\"justify\"");
    }
    return {};
}

// The tags a run of text needs, outermost first. The character background is
// left out: Qt copies a cell's background onto its text, and the cell has it.
[[nodiscard]] QStringList tagsOf(const TextRun &run)
{
    QStringList tags;
    if (run.colour) {
        tags << QStringLiteral("span style=\"color:%1\"").arg(run.colour->name());
    }
    if (run.bold) {
        tags << QStringLiteral("strong");
    }
    if (run.italic) {
        tags << QStringLiteral("em");
    }
    if (run.superscript) {
        tags << QStringLiteral("sup");
    } else if (run.subscript) {
        tags << QStringLiteral("sub");
    }
    return tags;
}

// The runs of one block. Runs that share a format share its open tags, so
// "x<sup>2</sup>" in bold stays one <strong>.
[[nodiscard]] QString inlineHtml(const BlockRun &block)
{
    QString out;
    QStringList open;
    const auto closeDownTo = [&](qsizetype depth) {
        while (open.size() > depth) {
            out += QStringLiteral("</%1>").arg(open.takeLast().section(u' ', 0, 0));
        }
    };
    for (const TextRun &run : block.runs) {
        const QStringList tags = tagsOf(run);
        qsizetype shared = 0;
        while (shared < open.size() && shared < tags.size() && open[shared] == tags[shared]) {
            ++shared;
        }
        closeDownTo(shared);
        for (qsizetype i = shared; i < tags.size(); ++i) {
            out += u'<' + tags[i] + u'>';
            open << tags[i];
        }
        QString text = run.text;
        text.remove(QChar::ObjectReplacementCharacter);
        // A <br> in the source is a line separator inside the block.
        out += text.toHtmlEscaped().replace(QChar::LineSeparator, QStringLiteral("<br />"));
    }
    closeDownTo(0);
    return out;
}

void writeFlow(const Flow &flow, QString &out);

void writeCell(const CellRun &cell, QString &out)
{
    out += QStringLiteral("<td");
    if (cell.rowSpan > 1) {
        out += QStringLiteral(" rowspan=\"%1\"").arg(cell.rowSpan);
    }
    if (cell.columnSpan > 1) {
        out += QStringLiteral(" colspan=\"%1\"").arg(cell.columnSpan);
    }
    if (cell.background) {
        out += QStringLiteral(" bgcolor=\"%1\"").arg(cell.background->name());
    }
    // A cell of one block holds its text bare, aligned as that block is.
    const BlockRun *only =
        cell.content.size() == 1 ? std::get_if<BlockRun>(&cell.content.front().run) : nullptr;
    if (only != nullptr) {
        out += alignAttribute(only->alignment) + u'>' + inlineHtml(*only);
    } else {
        out += u'>';
        writeFlow(cell.content, out);
    }
    out += QStringLiteral("</td>");
}

void writeTable(const TableRun &table, QString &out)
{
    out += QStringLiteral("<table border=\"%1\" cellspacing=\"%2\" cellpadding=\"%3\">")
               .arg(table.border)
               .arg(table.cellSpacing)
               .arg(table.cellPadding);
    for (const RowRun &row : table.rows) {
        out += QStringLiteral("<tr>");
        for (const CellRun &cell : row.cells) {
            writeCell(cell, out);
        }
        out += QStringLiteral("</tr>");
    }
    out += QStringLiteral("</table>");
}

// The blocks and tables of one frame, each inside as many blockquotes as its
// indent: consumers that ignore a table's margin still indent a blockquote,
// so a table stays under the paragraphs it was indented with.
void writeFlow(const Flow &flow, QString &out)
{
    int depth = 0;
    const auto quoteTo = [&](int level) {
        for (; depth < level; ++depth) {
            out += QStringLiteral("<blockquote>");
        }
        for (; depth > level; --depth) {
            out += QStringLiteral("</blockquote>");
        }
    };
    for (const FlowItem &item : flow) {
        if (const auto *table = std::get_if<TableRun>(&item.run)) {
            quoteTo(table->quoteDepth);
            writeTable(*table, out);
        } else if (const auto *frame = std::get_if<FrameRun>(&item.run)) {
            quoteTo(0);
            writeFlow(frame->content, out);
        } else if (const BlockRun &block = std::get<BlockRun>(item.run); !block.text().isEmpty()) {
            // Empty blocks only carry the space a blockquote or a table opens with.
            quoteTo(block.quoteDepth);
            out += QStringLiteral("<p") + alignAttribute(block.alignment) + u'>' +
                   inlineHtml(block) + QStringLiteral("</p>");
        }
    }
    quoteTo(0);
}

} // namespace

QString selectionHtml(const DocumentRuns &selection)
{
    QString out = QStringLiteral(
        "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\" />"
        "</head><body><!--StartFragment-->");
    writeFlow(selection.flow, out);
    out += QStringLiteral("<!--EndFragment--></body></html>");
    return out;
}
