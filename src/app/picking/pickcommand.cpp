#include "picking/pickcommand.h"

#include <fcntl.h>
#include <unistd.h>
#include <QClipboard>
#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMimeData>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <optional>

#include "colour/colourformat.h"
#include "colour/errors.h"
#include "picking/magnifier.h"
#include "picking/pickmode.h"
#include "platform/monitorprofile.h"
#include "platform/pickaverage.h"
#include "platform/screenpick.h"
#include "platform/settings.h"

namespace qolvar::app {

namespace {

// How long --copy serves the clipboard when no other program takes it.
constexpr int kClipboardServeMs = 20000;

// The window's choice of the monitor's profile (Options menu) holds for the
// command too; it is read, never written. The settings key is the main
// window's.
bool StoredUseMonitorProfile()
{
    const QString root = QStringLiteral("\\software\\Mardenvi_Qolvar");
    try {
        if (!platform::RegKeyExists(root)) return true;
        return platform::RegIniFile(root).ReadInteger(QStringLiteral("formMain"), QStringLiteral("UseMonitorProfile"),
                                                      1) != 0;
    } catch (const std::exception&) {
        return true;  // a settings file that cannot be read changes nothing here
    }
}

std::string Formatted(RGBCode colour, const std::string& format)
{
    const char* name = format == "rgb" ? "css-rgb" : format == "hsl" ? "css-hsl" : "hex";
    return FormatColour(colour, name, ConversionConditions{});
}

}  // namespace

int RunPickCommand(const PickCommandOptions& options)
{
    std::optional<RGBCode> picked;
    QString failure;
    QEventLoop loop;
    auto& reader = platform::screenReader();
    if (reader.canReadPixels()) {
        platform::SetUseMonitorProfile(StoredUseMonitorProfile());
        // The session deletes itself when the pick ends.
        auto* session = new PickSession(std::make_unique<ScreenSurface>(), options.average, 8);
        QObject::connect(session, &PickSession::taken, &loop, [&](RGBCode c) {
            picked = c;
            loop.quit();
        });
        QObject::connect(session, &PickSession::cancelled, &loop, [&] { loop.quit(); });
        session->start(QCursor::pos());
        loop.exec();
    } else {
        // The desktop's own picker; it takes one pixel (no averaging).
        if (options.average > 1)
            std::fputs("qolvar: the desktop's picker takes a single pixel; --average is not applied\n", stderr);
        const bool asked = reader.pickWithPortal(nullptr, [&](platform::PickResult r) {
            if (r.status == platform::PickStatus::Picked)
                picked = ColorToCode(r.colour);
            else if (r.status == platform::PickStatus::Failed)
                failure =
                    platform::ScreenUnreadableReason() + QStringLiteral("; the desktop portal gave no colour either");
            loop.quit();
        });
        if (asked)
            loop.exec();
        else
            failure =
                platform::ScreenUnreadableReason() + QStringLiteral("; there is no session bus to ask the portal");
    }
    if (!picked) {
        if (!failure.isEmpty())
            std::fprintf(stderr,
                         "qolvar: no colour could be taken: %s\n"
                         "Open a screenshot in the window instead (ファイル → 画像から色を取る).\n",
                         failure.toLocal8Bit().constData());
        return 1;
    }
    const std::string text = Formatted(*picked, options.format);
    std::fprintf(stdout, "%s\n", text.c_str());
    if (std::fflush(stdout) != 0) {
        std::fputs("qolvar: standard output could not be written\n", stderr);
        return 1;
    }
    if (options.copy) {
        // The code is all there is to read: standard output ends here, so
        // that `x=$(qolvar --pick --copy)` returns at once while this
        // process goes on serving the clipboard.
        if (const int nothing = ::open("/dev/null", O_WRONLY | O_CLOEXEC); nothing >= 0) {
            ::dup2(nothing, STDOUT_FILENO);
            ::close(nothing);
        }
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText(QString::fromStdString(text));
        // The clipboard lives in this process: serve it until another
        // program takes it over, or for a short time.
        QEventLoop serve;
        QObject::connect(clipboard, &QClipboard::dataChanged, &serve, [&] {
            if (clipboard->ownsClipboard()) return;
            serve.quit();
        });
        QTimer::singleShot(kClipboardServeMs, &serve, &QEventLoop::quit);
        if (clipboard->ownsClipboard()) serve.exec();
    }
    return 0;
}

}  // namespace qolvar::app
