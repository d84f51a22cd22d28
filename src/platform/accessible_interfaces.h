#pragma once

// Installs the accessibility interfaces of the program's own widgets, where
// Qt's defaults are not heard right by screen readers: the diagrams (charts,
// not frames), the input boxes (their text read whole), the worked solution
// (read line by line, a table row as one line) and the announcer; and the
// filter of the updates that reach a screen reader (accessible_update_filter.h).

void InstallAccessibleInterfaces();
