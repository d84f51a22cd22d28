#pragma once

// The main window's split below its top tray, in twips (15 per pixel at the
// design resolution): 70 % for the conversion control, 30 % for the view.

inline constexpr double kTwipsPerPixel = 15;
inline constexpr double kTopTrayTwips = 435;

struct MainLayout
{
    double ControlTop, ControlHeight;
    double ViewTop, ViewHeight;
};

// H: the client area's height in twips; the tray's outer and inner height.
// A negative height means the window is too small for that area.
[[nodiscard]] MainLayout LayoutMainWindow(double H, double trayHeight = kTopTrayTwips,
                                          double trayInnerHeight = kTopTrayTwips);
