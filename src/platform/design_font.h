#pragma once

// The program's one font policy: the design's sans serif, at the design's sizes.

#include <QFont>

// The design's face ("MS Sans Serif") where the platform has it, Liberation
// Sans, which keeps its metrics, on Linux. pointSize: the design's size in
// points.
[[nodiscard]] QFont DesignFont(qreal pointSize, bool bold = false);
