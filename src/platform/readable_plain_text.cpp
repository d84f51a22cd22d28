#include "platform/readable_plain_text.h"

#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextTable>

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
