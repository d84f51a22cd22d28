#include "main_window/main_layout.h"

MainLayout LayoutMainWindow(double H, double trayHeight, double trayInnerHeight)
{
    const double below = H - trayInnerHeight;
    return {trayHeight, below * 0.7, trayHeight + below * 0.7, below * 0.3};
}
