// The yardstick of bench/startup.sh: a plain Qt window of a given size with
// nothing in it, measured to its first frame as the program is. With
// "label" it shows one line of Japanese and English text in the desktop's
// font: what any window with such text pays at least (the font database, a
// Japanese font and its fallback).
//   QOLVAR_STARTUP_PROBE=1 startup_plain WIDTH HEIGHT [label]
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "firstframe.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("plain"));
    const QStringList args = app.arguments();
    if (args.size() >= 3) window.resize(args[1].toInt(), args[2].toInt());
    if (args.size() >= 4 && args[3] == QLatin1String("label"))
        (new QLabel(QStringLiteral("ファイル(&F) 更新 Refresh"), &window))->move(8, 8);
    qolvar::app::MaybeProbeFirstFrame(&window);
    window.show();
    return app.exec();
}
