#pragma once

// Whether a window manager runs on the display. Without one nobody honours a
// request to maximize, so the program fills the screen itself.

[[nodiscard]] bool WindowManagerRunning();
