#include "pickcommand.h"

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
#include "magnifier.h"
#include "pickmode.h"
#include "platform/pickaverage.h"
#include "platform/screenpick.h"

namespace qolvar::app {

const char* const kProgramHelp =
    "Usage:\n"
    "  qolvar                 open the window\n"
    "  qolvar --pick [--average N] [--format hex|rgb|hsl] [--copy]\n"
    "                         pick one colour from the screen and print it\n"
    "  qolvar --help          show this help\n"
    "\n"
    "--pick shows only the picker: a magnifier follows the pointer (on Wayland\n"
    "the desktop's own picker is used). Wheel or +/- zoom (2x to 32x), arrow keys\n"
    "move the pointer by one pixel (Shift: ten), Enter or a left click takes the\n"
    "colour, Esc or a right click cancels.\n"
    "  --average N   average an N x N square, N = 1, 3, 5 or 7 (default 1)\n"
    "  --format F    hex: #FF8000 (default), rgb: rgb(255, 128, 0),\n"
    "                hsl: hsl(30, 100%, 50%)\n"
    "  --copy        also put the text on the clipboard; it stays there until\n"
    "                another program takes the clipboard, or for 20 seconds\n"
    "Exit status: 0 a colour was printed, 1 cancelled or no colour could be\n"
    "had (the reason on standard error), 2 bad arguments.\n";

namespace {

constexpr int kClipboardServeMs = 20000;

std::string Quoted(const std::string& s)
{
    // Arguments in messages are cut to 40 characters.
    return "'" + (s.size() > 40 ? s.substr(0, 40) + "..." : s) + "'";
}

// The value of an option given as "--name value" or "--name=value".
bool OptionValue(const std::vector<std::string>& args, std::size_t& i, const std::string& name, std::string& value,
                 bool& matched)
{
    const std::string& a = args[i];
    matched = false;
    if (a == name) {
        matched = true;
        if (i + 1 >= args.size()) return false;
        value = args[++i];
        return true;
    }
    if (a.size() > name.size() && a.compare(0, name.size(), name) == 0 && a[name.size()] == '=') {
        matched = true;
        value = a.substr(name.size() + 1);
        return true;
    }
    return true;
}

}  // namespace

ProgramArgs ParseProgramArgs(const std::vector<std::string>& args)
{
    ProgramArgs result;
    for (const std::string& a : args)
        if (a == "--help" || a == "-h") {
            result.kind = ProgramArgs::Help;
            return result;
        }
    bool pick = false;
    for (const std::string& a : args) pick = pick || a == "--pick";
    if (!pick) return result;
    result.kind = ProgramArgs::Pick;
    auto bad = [&](const std::string& message) {
        result.kind = ProgramArgs::Bad;
        result.error = message;
        return result;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--pick") continue;
        if (a == "--copy") {
            result.pick.copy = true;
            continue;
        }
        std::string value;
        bool matched = false;
        if (!OptionValue(args, i, "--average", value, matched)) return bad("--average needs a size (1, 3, 5 or 7)");
        if (matched) {
            if (value != "1" && value != "3" && value != "5" && value != "7")
                return bad("--average must be 1, 3, 5 or 7, not " + Quoted(value));
            result.pick.average = value[0] - '0';
            continue;
        }
        if (!OptionValue(args, i, "--format", value, matched)) return bad("--format needs hex, rgb or hsl");
        if (matched) {
            if (value != "hex" && value != "rgb" && value != "hsl")
                return bad("--format must be hex, rgb or hsl, not " + Quoted(value));
            result.pick.format = value;
            continue;
        }
        return bad("unknown argument " + Quoted(a));
    }
    return result;
}

namespace {

std::string Formatted(RGBCode colour, const std::string& format)
{
    const char* name = format == "rgb" ? "css-rgb" : format == "hsl" ? "css-hsl" : "hex";
    return FormatColour(colour, name);
}

}  // namespace

int RunPickCommand(const PickCommandOptions& options)
{
    std::optional<RGBCode> picked;
    QString failure;
    QEventLoop loop;
    auto& reader = platform::screenReader();
    if (reader.canReadPixels()) {
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
                failure = platform::ScreenUnreadableReason() +
                          QStringLiteral("; the desktop portal gave no colour either");
            loop.quit();
        });
        if (asked)
            loop.exec();
        else
            failure = platform::ScreenUnreadableReason() + QStringLiteral("; there is no session bus to ask the portal");
    }
    if (!picked) {
        if (!failure.isEmpty())
            std::fprintf(stderr, "qolvar: no colour could be taken: %s\n"
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
