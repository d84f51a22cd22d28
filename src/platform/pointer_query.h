#pragma once

// Live questions to the window system about the pointer, asked by the
// crosshair timer and the solution view's mouse handling.

class QWidget;

// The innermost widget under the pointer's live screen position, or null.
[[nodiscard]] QWidget *WidgetUnderPointer();
