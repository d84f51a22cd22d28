#pragma once

// Rich text as plain text that reads like the rendered page: a line per
// paragraph line and per table row, cells apart by a tab, blocks apart by one
// blank line, superscripts raised.

#include <QChar>
#include <QString>

struct DocumentRuns;

[[nodiscard]] QString readablePlainText(const DocumentRuns &document);
// The Unicode superscript form of a character, or a null character where
// there is none.
[[nodiscard]] QChar superscriptOf(QChar c);
