#include "platform/selection_html.h"

#include <QStringList>
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
[[nodiscard]] QStringList tagsOf(const QTextCharFormat &format)
{
    QStringList tags;
    if (format.hasProperty(QTextFormat::ForegroundBrush)) {
        tags << QStringLiteral("span style=\"color:%1\"").arg(format.foreground().color().name());
    }
    if (format.fontWeight() > QFont::Normal) {
        tags << QStringLiteral("strong");
    }
    if (format.fontItalic()) {
        tags << QStringLiteral("em");
    }
    if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript) {
        tags << QStringLiteral("sup");
    } else if (format.verticalAlignment() == QTextCharFormat::AlignSubScript) {
        tags << QStringLiteral("sub");
    }
    return tags;
}

// The runs of one block. Runs that share a format share its open tags, so
// "x<sup>2</sup>" in bold stays one <strong>.
[[nodiscard]] QString inlineHtml(const QTextBlock &block)
{
    QString out;
    QStringList open;
    const auto closeDownTo = [&](qsizetype depth) {
        while (open.size() > depth) {
            out += QStringLiteral("</%1>").arg(open.takeLast().section(u' ', 0, 0));
        }
    };
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const QStringList tags = tagsOf(fragment.charFormat());
        qsizetype shared = 0;
        while (shared < open.size() && shared < tags.size() && open[shared] == tags[shared]) {
            ++shared;
        }
        closeDownTo(shared);
        for (qsizetype i = shared; i < tags.size(); ++i) {
            out += u'<' + tags[i] + u'>';
            open << tags[i];
        }
        QString text = fragment.text();
        text.remove(QChar::ObjectReplacementCharacter);
        // A <br> in the source is a line separator inside the block.
        out += text.toHtmlEscaped().replace(QChar::LineSeparator, QStringLiteral("<br />"));
    }
    closeDownTo(0);
    return out;
}

void writeFlow(QTextFrame::iterator it, QString &out);

void writeCell(const QTextTableCell &cell, QString &out)
{
    out += QStringLiteral("<td");
    if (cell.rowSpan() > 1) {
        out += QStringLiteral(" rowspan=\"%1\"").arg(cell.rowSpan());
    }
    if (cell.columnSpan() > 1) {
        out += QStringLiteral(" colspan=\"%1\"").arg(cell.columnSpan());
    }
    if (const QTextCharFormat format = cell.format();
        format.hasProperty(QTextFormat::BackgroundBrush)) {
        out += QStringLiteral(" bgcolor=\"%1\"").arg(format.background().color().name());
    }
    // A cell of one block holds its text bare, aligned as that block is.
    const QTextFrame::iterator first = cell.begin();
    QTextFrame::iterator second = first;
    if (!first.atEnd() && first.currentFrame() == nullptr && (++second).atEnd()) {
        const QTextBlock block = first.currentBlock();
        out += alignAttribute(block.blockFormat().alignment()) + u'>' + inlineHtml(block);
    } else {
        out += u'>';
        writeFlow(first, out);
    }
    out += QStringLiteral("</td>");
}

void writeTable(const QTextTable &table, QString &out)
{
    const QTextTableFormat format = table.format();
    const bool ruled =
        format.border() > 0 && format.borderStyle() != QTextFrameFormat::BorderStyle_None;
    out += QStringLiteral("<table border=\"%1\" cellspacing=\"%2\" cellpadding=\"%3\">")
               .arg(ruled ? qMax(1, qRound(format.border())) : 0)
               .arg(qRound(format.cellSpacing()))
               .arg(qRound(format.cellPadding()));
    for (int r = 0; r < table.rows(); ++r) {
        out += QStringLiteral("<tr>");
        for (int c = 0; c < table.columns(); ++c) {
            const QTextTableCell cell = table.cellAt(r, c);
            // A spanning cell is written where it starts.
            if (cell.row() == r && cell.column() == c) {
                writeCell(cell, out);
            }
        }
        out += QStringLiteral("</tr>");
    }
    out += QStringLiteral("</table>");
}

// The blocks and tables of one frame, each inside as many blockquotes as its
// indent: consumers that ignore a table's margin still indent a blockquote,
// so a table stays under the paragraphs it was indented with.
void writeFlow(QTextFrame::iterator it, QString &out)
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
    for (; !it.atEnd(); ++it) {
        if (const auto *table = qobject_cast<QTextTable *>(it.currentFrame())) {
            quoteTo(quoteLevel(table->format().leftMargin()));
            writeTable(*table, out);
        } else if (QTextFrame *frame = it.currentFrame()) {
            quoteTo(0);
            writeFlow(frame->begin(), out);
        } else if (const QTextBlock block = it.currentBlock(); !block.text().isEmpty()) {
            // Empty blocks only carry the space a blockquote or a table opens with.
            const QTextBlockFormat format = block.blockFormat();
            quoteTo(quoteLevel(format.leftMargin(), format.indent()));
            out += QStringLiteral("<p") + alignAttribute(format.alignment()) + u'>' +
                   inlineHtml(block) + QStringLiteral("</p>");
        }
    }
    quoteTo(0);
}

} // namespace

QString selectionHtml(const QTextDocumentFragment &fragment)
{
    // A fragment shows its structure only once it is part of a document.
    QTextDocument document;
    QTextCursor(&document).insertFragment(fragment);
    QString out = QStringLiteral(
        "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\" />"
        "</head><body><!--StartFragment-->");
    writeFlow(document.rootFrame()->begin(), out);
    out += QStringLiteral("<!--EndFragment--></body></html>");
    return out;
}
