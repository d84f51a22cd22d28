// Starts the calculator: the main window, its title, shown maximized.

#include "canvas/canvas.h"
#include "main_window/frm_main.h"
#include "platform/accessible_interfaces.h"
#include "platform/design_font.h"
#include "platform/window_manager.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morvane"));
    QApplication::setApplicationVersion(QStringLiteral(MORVANE_VERSION));
    // Names the installed desktop entry, which desktops match the window to.
    QApplication::setDesktopFileName(QStringLiteral("org.morvane.Morvane"));
    QApplication::setFont(DesignFont(kDesignFontSize));

    InstallAccessibleInterfaces();
    frmMain window;
    window.setWindowTitle(QStringLiteral("Morvane (Polar and Rectangular Conversion)"));
    // Sized before it shows, so that it is laid out and drawn once.
    if (!WindowManagerRunning()) {
        window.setGeometry(window.screen()->availableGeometry());
    }
    window.showMaximized();
    return QApplication::exec();
}
