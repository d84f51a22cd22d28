#pragma once

// The program's one font policy: the design's sans serif, at the design's sizes.

#include <QFont>

// Liberation Sans draws the design's face ("MS Sans Serif") and keeps its
// metrics on every Linux desktop. pointSize: the design's size in points.
[[nodiscard]] QFont DesignFont(qreal pointSize, bool bold = false);
