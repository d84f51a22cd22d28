#pragma once

#include <QIcon>

// The program's icon: a polar grid with a marked point, drawn at start.
[[nodiscard]] QIcon AppIcon();
