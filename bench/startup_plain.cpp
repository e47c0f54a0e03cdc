// The yardstick of bench/startup.sh: a plain Qt window of a given size with
// nothing in it, measured to its first frame as the program is.
//   QOLVAR_STARTUP_PROBE=1 startup_plain WIDTH HEIGHT
#include <QApplication>
#include <QWidget>

#include "firstframe.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("plain"));
    const QStringList args = app.arguments();
    if (args.size() >= 3) window.resize(args[1].toInt(), args[2].toInt());
    qolvar::app::MaybeProbeFirstFrame(&window);
    window.show();
    return app.exec();
}
