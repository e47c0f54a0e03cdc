#include "picking/pickargs.h"

namespace qolvar::app {

const char* const kProgramHelp =
    "Usage:\n"
    "  qolvar                 open the window\n"
    "  qolvar --pick [--average N] [--format hex|rgb|hsl] [--copy]\n"
    "                         pick one colour from the screen and print it\n"
    "  qolvar --help          show this help\n"
    "  qolvar --version       show the version\n"
    "\n"
    "--pick shows only the picker: a magnifier follows the pointer (on Wayland\n"
    "the desktop's own picker is used). Wheel or +/- zoom (2x to 32x), arrow keys\n"
    "move the pointer by one pixel (Shift: ten), Enter or a left click takes the\n"
    "colour, Esc or a right click cancels. On X11 the colour goes through the\n"
    "monitor's colour profile where the desktop sets one, unless that is turned\n"
    "off in the window (Options menu).\n"
    "  --average N   average an N x N square, N = 1, 3, 5 or 7 (default 1)\n"
    "  --format F    hex: #FF8000 (default), rgb: rgb(255, 128, 0),\n"
    "                hsl: hsl(30, 100%, 50%)\n"
    "  --copy        also put the text on the clipboard; it stays there until\n"
    "                another program takes the clipboard, or for 20 seconds\n"
    "                (standard output ends with the text at once)\n"
    "Exit status: 0 a colour was printed, 1 cancelled or no colour could be\n"
    "had (the reason on standard error), 2 bad arguments.\n";

namespace {

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
    auto bad = [&](const std::string& message) {
        result.kind = ProgramArgs::Bad;
        result.error = message;
        return result;
    };
    // The window takes no arguments: a mistyped option must not open a
    // second window on the same settings.
    if (!pick) return args.empty() ? result : bad("unknown argument " + Quoted(args.front()));
    result.kind = ProgramArgs::Pick;
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

}  // namespace qolvar::app
