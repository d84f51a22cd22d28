#include "platform/readable_plain_text.h"

#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextTable>

namespace {

// The Unicode superscript form, or a null character where there is none.
QChar superscriptOf(QChar c)
{
    switch (c.unicode()) {
    case u'1':
        return QChar(0x00B9);
    case u'2':
        return QChar(0x00B2);
    case u'3':
        return QChar(0x00B3);
    case u'+':
        return QChar(0x207A);
    case u'-':
        return QChar(0x207B);
    case u'=':
        return QChar(0x207C);
    case u'(':
        return QChar(0x207D);
    case u')':
        return QChar(0x207E);
    case u'i':
        return QChar(0x2071);
    case u'n':
        return QChar(0x207F);
    default:
        if (c.unicode() == u'0' || (c.unicode() >= u'4' && c.unicode() <= u'9')) {
            return QChar(0x2070 + (c.unicode() - u'0'));
        }
        return {};
    }
}

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

QString blockText(const QTextBlock &block)
{
    QString out;
    QString superscript;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (fragment.charFormat().verticalAlignment() == QTextCharFormat::AlignSuperScript) {
            superscript += fragment.text();
            continue;
        }
        if (!superscript.isEmpty()) {
            out += raised(superscript);
            superscript.clear();
        }
        out += fragment.text();
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

// Everything in a cell on one line, so that a row stays one line.
QString cellText(QTextFrame::iterator it)
{
    QStringList parts;
    for (; !it.atEnd(); ++it) {
        if (QTextFrame *frame = it.currentFrame()) {
            parts << cellText(frame->begin());
        } else {
            parts << blockText(it.currentBlock());
        }
    }
    parts.removeIf(isBlank);
    return parts.join(u' ').replace(u'\n', u' ').replace(u'\t', u' ');
}

QString tableText(const QTextTable &table)
{
    QStringList rows;
    for (int r = 0; r < table.rows(); ++r) {
        QStringList cells;
        for (int c = 0; c < table.columns(); ++c) {
            const QTextTableCell cell = table.cellAt(r, c);
            // A spanning cell is read where it starts; the places it covers stay empty.
            cells << (cell.row() == r && cell.column() == c ? cellText(cell.begin()) : QString());
        }
        rows << cells.join(u'\t');
    }
    return rows.join(u'\n');
}

void appendBlocks(QTextFrame::iterator it, QStringList &blocks)
{
    for (; !it.atEnd(); ++it) {
        if (const auto *table = qobject_cast<QTextTable *>(it.currentFrame())) {
            if (const QString text = tableText(*table); !isBlank(text)) {
                blocks << text;
            }
        } else if (QTextFrame *frame = it.currentFrame()) {
            appendBlocks(frame->begin(), blocks);
        } else if (const QString text = blockText(it.currentBlock()); !isBlank(text)) {
            blocks << text;
        }
    }
}

} // namespace

QString readablePlainText(const QTextDocument &document)
{
    QStringList blocks;
    appendBlocks(document.rootFrame()->begin(), blocks);
    return blocks.join(u"\n\n");
}

QString readablePlainText(const QTextDocumentFragment &fragment)
{
    // A fragment shows its structure only once it is part of a document.
    QTextDocument document;
    QTextCursor(&document).insertFragment(fragment);
    return readablePlainText(document);
}
