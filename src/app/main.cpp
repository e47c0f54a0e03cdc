// Qolvar: creates the windows and runs the event loop until the main window
// closes.
#include <QGuiApplication>
#include <cstdio>

#include "application.h"
#include "firstframe.h"
#include "mainwindow.h"

int main(int argc, char** argv)
{
    // Without a display there is no window to open: say so plainly.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fputs("qolvar: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                   "Run it on a desktop, or for a virtual display: xvfb-run build/bin/qolvar\n",
                   stderr);
        return 1;
    }
    qolvar::app::QolvarApplication app(argc, argv);
    auto windows = qolvar::app::CreateWindows();
    qolvar::app::MaybeProbeFirstFrame(windows.formMain.get());
    windows.formMain->show();
    return app.exec();
}
