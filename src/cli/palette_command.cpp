// Generated palettes and colour-vision simulation:
//
//   harmony complementary|analogous|triadic|split|tetradic CODE
//   shades|tints|tones CODE N
//   gradient CODE1 CODE2 N [--space oklab|lab|srgb|linear-srgb]
//       one code per line, or with --table OUT a colour table of them
//   simulate protan|deutan|tritan [--severity S] [CODE ...]
//       "RRGGBB -> RRGGBB" per code, as the deficiency shows it
#include <QFile>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "colour/models.h"
#include "colour/palette.h"
#include "commands.h"
#include "messages.h"
#include "table/entry.h"
#include "table/lines.h"
#include "table_command.h"

namespace qolvar::cli {

namespace {

// The most colours a ramp or gradient makes.
constexpr long kMaxCount = 1000;

struct Arguments {
    std::vector<std::string> values;
    std::optional<std::string> table, space, severity;  // --table, --space, --severity
};

// The values after the command and the options among them ("--name value"
// or "--name=value"; "--" ends the options); only the options named in
// `allowed` are taken.
bool ParseArguments(int argc, const char* const* argv, std::initializer_list<std::string_view> allowed, Arguments& args,
                    std::FILE* err)
{
    bool valuesOnly = false;
    for (int i = 2; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (!valuesOnly && arg == "--") {
            valuesOnly = true;
            continue;
        }
        if (valuesOnly || !arg.starts_with("--")) {
            args.values.emplace_back(arg);
            continue;
        }
        std::string_view name = arg, value;
        const auto eq = arg.find('=');
        if (eq != std::string_view::npos) {
            name = arg.substr(0, eq);
            value = arg.substr(eq + 1);
        }
        if (std::find(allowed.begin(), allowed.end(), name) == allowed.end()) {
            std::fprintf(err, "qolvar-cli: unknown option %s\n", Quoted(name).c_str());
            return false;
        }
        if (eq == std::string_view::npos) {
            if (i + 1 >= argc) {
                std::fprintf(err, "qolvar-cli: %s needs a value\n", Quoted(arg).c_str());
                return false;
            }
            value = argv[++i];
        }
        if (name == "--table") {
            if (value.empty()) {
                std::fputs("qolvar-cli: --table: needs a file name\n", err);
                return false;
            }
            args.table = std::string(value);
        } else if (name == "--space") {
            args.space = std::string(value);
        } else {
            args.severity = std::string(value);
        }
    }
    return true;
}

// N of a ramp or gradient, 2..1000; anything else is reported (status 2).
std::optional<int> ReadCount(const std::string& text, std::FILE* err)
{
    try {
        return static_cast<int>(ReadInt(text, PackedField("N", 2, kMaxCount)));
    } catch (const InputError& e) {
        std::fprintf(err, "qolvar-cli: %s\n", ErrorMessage(e).c_str());
        return std::nullopt;
    }
}

// A typed colour; one that is no colour gets its error line on standard
// error.
std::optional<RGBCode> ReadCode(const std::string& text, TypedColourNotes& notes, std::FILE* err)
{
    std::string line;
    const auto colour = ReadTypedColour(text, line, UserLanguage());
    if (!colour) {
        std::fputs(line.c_str(), err);
        return std::nullopt;
    }
    notes.Take(text, *colour);
    return colour->code & 0xFFFFFF;
}

// Writes the colours as a colour table by the path's extension, as
// "table convert" writes one: a text table of lines "#RRGGBB CN0001",
// numbered as the table editor numbers the entries it adds, a swatch or a
// palette.
bool WriteTable(const std::string& path, const std::vector<CssColour>& colours, std::FILE* err)
{
    QStringList lines;
    for (std::size_t i = 0; i < colours.size(); ++i)
        lines << table::ProgramLine(CodeToColor(colours[i].code), table::NumberName(static_cast<long long>(i) + 1), {});
    return WriteMadeTable(path, lines, err);
}

// Prints the colours one per line, or writes them to the table; notes
// typed colours that were mapped and made colours that lay outside sRGB.
int Emit(const std::vector<CssColour>& colours, const std::optional<std::string>& table, const TypedColourNotes& notes,
         std::FILE* out, std::FILE* err)
{
    notes.Print(err);
    unsigned long mapped = 0;
    for (const CssColour& c : colours) mapped += c.mapped;
    if (table) {
        if (RefusedTableExtension(table->c_str(), err)) return 2;
        if (!WriteTable(*table, colours, err)) return 1;
    } else {
        std::string text;
        for (const CssColour& c : colours) {
            AppendHex(text, c.code);
            text.push_back('\n');
        }
        std::fputs(text.c_str(), out);
    }
    if (mapped > 0)
        std::fprintf(err, "qolvar-cli: note: %lu colour(s) lay outside sRGB and were mapped into it\n", mapped);
    return 0;
}

int UsageError(std::FILE* err, const char* usage)
{
    std::fprintf(err, "qolvar-cli: usage: qolvar-cli %s\n", usage);
    return 2;
}

std::optional<Harmony> ParseHarmony(std::string_view text)
{
    if (text == "complementary") return Harmony::Complementary;
    if (text == "analogous") return Harmony::Analogous;
    if (text == "triadic") return Harmony::Triadic;
    if (text == "split") return Harmony::Split;
    if (text == "tetradic") return Harmony::Tetradic;
    return std::nullopt;
}

std::optional<GradientSpace> ParseSpace(std::string_view text)
{
    if (text == "oklab") return GradientSpace::OkLab;
    if (text == "lab") return GradientSpace::Lab;
    if (text == "srgb") return GradientSpace::SRGB;
    if (text == "linear-srgb") return GradientSpace::LinearSRGB;
    return std::nullopt;
}

std::optional<Deficiency> ParseDeficiency(std::string_view text)
{
    if (text == "protan") return Deficiency::Protan;
    if (text == "deutan") return Deficiency::Deutan;
    if (text == "tritan") return Deficiency::Tritan;
    return std::nullopt;
}

}  // namespace

int HarmonyCommand(int argc, const char* const* argv, std::FILE* out, std::FILE* err)
{
    constexpr const char* usage = "harmony complementary|analogous|triadic|split|tetradic [--table OUT] CODE";
    Arguments args;
    if (!ParseArguments(argc, argv, {"--table"}, args, err)) return 2;
    if (args.values.size() != 2) return UsageError(err, usage);
    const auto harmony = ParseHarmony(args.values[0]);
    if (!harmony) {
        std::fprintf(err, "qolvar-cli: unknown harmony %s\n", Quoted(args.values[0]).c_str());
        return UsageError(err, usage);
    }
    TypedColourNotes notes;
    const auto code = ReadCode(args.values[1], notes, err);
    if (!code) return 1;
    return Emit(HarmonyColours(*code, *harmony), args.table, notes, out, err);
}

int RampCommand(int argc, const char* const* argv, std::FILE* out, std::FILE* err)
{
    const std::string_view command = argv[1];
    const Ramp ramp = command == "shades" ? Ramp::Shades : command == "tints" ? Ramp::Tints : Ramp::Tones;
    const std::string usage = std::string(command) + " [--table OUT] CODE N";
    Arguments args;
    if (!ParseArguments(argc, argv, {"--table"}, args, err)) return 2;
    if (args.values.size() != 2) return UsageError(err, usage.c_str());
    const auto count = ReadCount(args.values[1], err);
    if (!count) return 2;
    TypedColourNotes notes;
    const auto code = ReadCode(args.values[0], notes, err);
    if (!code) return 1;
    return Emit(RampColours(*code, ramp, *count), args.table, notes, out, err);
}

int GradientCommand(int argc, const char* const* argv, std::FILE* out, std::FILE* err)
{
    constexpr const char* usage = "gradient CODE1 CODE2 N [--space oklab|lab|srgb|linear-srgb] [--table OUT]";
    Arguments args;
    if (!ParseArguments(argc, argv, {"--table", "--space"}, args, err)) return 2;
    if (args.values.size() != 3) return UsageError(err, usage);
    const auto space = ParseSpace(args.space.value_or("oklab"));
    if (!space) {
        std::fprintf(err, "qolvar-cli: --space: invalid value %s (oklab, lab, srgb or linear-srgb)\n",
                     Quoted(*args.space).c_str());
        return 2;
    }
    const auto count = ReadCount(args.values[2], err);
    if (!count) return 2;
    TypedColourNotes notes;
    const auto from = ReadCode(args.values[0], notes, err);
    if (!from) return 1;
    const auto to = ReadCode(args.values[1], notes, err);
    if (!to) return 1;
    return Emit(GradientColours(*from, *to, *count, *space), args.table, notes, out, err);
}

int SimulateCommand(int argc, const char* const* argv, std::FILE* in, std::FILE* out, std::FILE* err)
{
    constexpr const char* usage = "simulate protan|deutan|tritan [--severity S] [CODE ...]";
    Arguments args;
    if (!ParseArguments(argc, argv, {"--severity"}, args, err)) return 2;
    if (args.values.empty()) return UsageError(err, usage);
    const auto deficiency = ParseDeficiency(args.values[0]);
    if (!deficiency) {
        std::fprintf(err, "qolvar-cli: unknown deficiency %s\n", Quoted(args.values[0]).c_str());
        return UsageError(err, usage);
    }
    double severity = 1;
    if (args.severity) {
        try {
            severity = ReadDouble(*args.severity);
            if (!(severity >= 0 && severity <= 1))
                throw InputError(
                    CliText(CliMessage::FieldRange, UserLanguage(), {"S", "0", "1", QuotedValue(*args.severity)}));
        } catch (const InputError& e) {
            std::fprintf(err, "qolvar-cli: --severity: %s\n", ErrorMessage(e).c_str());
            return 2;
        }
    }
    args.values.erase(args.values.begin());
    return ForEachTypedCode(args.values, in, out, err, UserLanguage(), [&](std::uint32_t code, std::string& line) {
        AppendHex(line, code);
        line.append(" -> ");
        AppendHex(line, SimulateDeficiency(code & 0xFFFFFF, *deficiency, severity));
        line.push_back('\n');
        return true;
    });
}

}  // namespace qolvar::cli
