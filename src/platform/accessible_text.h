#pragma once

// The worked solution's text as a screen reader is given it: a character for
// each document position, so that offsets are the document's, read as the
// page shows it: the cells of a step apart by blanks, superscripts raised.

#include <QString>

#include <optional>

struct DocumentRuns;

[[nodiscard]] QString accessibleText(const DocumentRuns &document);

// A step of a table: a row and the rows that go on with it, from its first
// position to its last.
struct StepRange
{
    int start = 0;
    int end = 0;
};

// The step of the innermost table at the offset; none outside tables.
[[nodiscard]] std::optional<StepRange> stepAt(const DocumentRuns &document, int offset);
