// Qolvar: creates the windows and runs the event loop until the main window
// closes; `qolvar --pick` runs only the picker (see pickcommand.h).
#include <QGuiApplication>
#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "application.h"
#include "firstframe.h"
#include "mainwindow/mainwindow.h"
#include "pages/huefield.h"
#include "picking/pickcommand.h"
#include "version.h"
#include "widgets/conditions.h"
#include "widgets/files.h"
#include "windows.h"

int main(int argc, char** argv)
{
    // A save past the file size limit (ulimit -f) fails and is reported like
    // a full disk, instead of the signal ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    using qolvar::app::ProgramArgs;
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    ProgramArgs parsed = qolvar::app::ParseProgramArgs(args);
    if (args.size() == 1 && (args[0] == "--version" || args[0] == "-V")) {
        std::fputs("qolvar " QOLVAR_FILE_VERSION "\n", stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    if (parsed.kind == ProgramArgs::Help) {
        std::fputs(qolvar::app::kProgramHelp, stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    // Without a display there is no window to open: say so plainly.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fputs(
            "qolvar: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
            "Run it on a desktop, or for a virtual display: xvfb-run build/bin/qolvar\n",
            stderr);
        return 1;
    }
    // The toolkit's own geometry option is applied here, bounded by the
    // screen, instead of by the toolkit, which takes any size.
    const auto geometry = qolvar::app::TakeGeometryArgument(argc, argv);
    qolvar::app::QolvarApplication app(argc, argv);
    if (parsed.kind != ProgramArgs::Window) {
        // Qt's own options (-platform …) are gone from the arguments now.
        args.clear();
        const QStringList rest = QCoreApplication::arguments().mid(1);
        for (const QString& a : rest) args.push_back(a.toStdString());
        parsed = qolvar::app::ParseProgramArgs(args);
        if (parsed.kind == ProgramArgs::Bad) {
            std::fprintf(stderr, "qolvar: %s\n%s", parsed.error.c_str(), qolvar::app::kProgramHelp);
            return 2;
        }
        if (parsed.kind == ProgramArgs::Pick) return qolvar::app::RunPickCommand(parsed.pick);
    }
    // The HLS field of the page shown first is made, and the Munsell table
    // the main window loads first is read, while the windows are being built.
    qolvar::app::PrepareHLSFieldPicture();
    qolvar::app::Windows windows;
    qolvar::app::CreateWindowsMainFirst(
        windows, qolvar::app::StartReadingMunsellTable(qolvar::app::ProgramFolder(), qolvar::MunsellIlluminant::D65));
    // Installed after the hidden windows' hook, the probe sees the first
    // frame before it and ends the process before they are made.
    qolvar::app::MaybeProbeFirstFrame(windows.formMain.get());
    if (geometry) qolvar::app::ApplyGeometryArgument(windows.formMain.get(), *geometry);
    windows.formMain->show();
    return app.exec();
}
