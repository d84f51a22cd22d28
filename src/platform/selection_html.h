#pragma once

// A selection of rich text as the HTML a copy carries: plain markup that word
// processors and converters read (<sup>, <strong>, tables with their borders
// and cell backgrounds, <blockquote> for indents), UTF-8 declared, the
// fragment between <!--StartFragment--> and <!--EndFragment-->. It is also
// well-formed XML, so that a strict reader takes it as well as a browser.

#include <QString>

struct DocumentRuns;

[[nodiscard]] QString selectionHtml(const DocumentRuns &selection);
