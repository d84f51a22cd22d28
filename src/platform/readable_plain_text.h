#pragma once

// Rich text as plain text that reads like the rendered page: a line per
// paragraph line and per table row, cells apart by a tab, blocks apart by one
// blank line, superscripts raised.

#include <QChar>
#include <QString>

class QTextDocument;
class QTextDocumentFragment;

[[nodiscard]] QString readablePlainText(const QTextDocument &document);
// The fragment as a selection carries it: a table the selection leaves is
// whole, a selection inside a table is a rectangle of whole cells.
[[nodiscard]] QString readablePlainText(const QTextDocumentFragment &fragment);
// The Unicode superscript form of a character, or a null character where
// there is none.
[[nodiscard]] QChar superscriptOf(QChar c);
