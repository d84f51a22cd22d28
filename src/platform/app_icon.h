#pragma once

#include <QIcon>

// The program's icon, a polar grid with a marked point, at every size the
// build rendered from data/morvane.svg.
[[nodiscard]] QIcon AppIcon();
