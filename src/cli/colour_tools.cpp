#include <algorithm>
#include <optional>

#include "cli.h"
#include "colour/numtext.h"
#include "commands.h"
#include "named_table.h"

namespace qolvar::cli {

namespace {

void AppendFixed(std::string& out, long double v, int decimals)
{
    char buf[64];
    const int n = std::snprintf(buf, sizeof buf, "%.*Lf", decimals, v);
    if (n > 0) out.append(buf, std::min<std::size_t>(static_cast<std::size_t>(n), sizeof buf - 1));
}

// The values after the command, "--" passed over; an option is a usage
// error.
std::optional<std::vector<std::string>> PlainValues(int argc, const char* const* argv, std::FILE* err)
{
    std::vector<std::string> values;
    bool valuesOnly = false;
    for (int i = 2; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (!valuesOnly && arg == "--") {
            valuesOnly = true;
        } else if (!valuesOnly && arg.starts_with("--")) {
            std::fprintf(err, "qolvar-cli: unknown option %s\n", Quoted(arg).c_str());
            return std::nullopt;
        } else {
            values.emplace_back(arg);
        }
    }
    return values;
}

}  // namespace

// nearest: the entry of the table with the least CIEDE2000 difference from
// each code (the first of equals), compared in L*a*b* under the options'
// gamma and white.
int NearestCommand(const Options& opts, std::FILE* in, std::FILE* out, std::FILE* err)
{
    const std::string path = opts.table.empty() ? DefaultNamedTable() : opts.table;
    NamedTable table;
    std::vector<LabValue> labs;
    const Language language = UserLanguage();
    try {
        table = ReadNamedTable(path, opts.conditions);
        if (!table.warning.empty()) std::fprintf(err, "qolvar-cli: warning: %s\n", table.warning.c_str());
        labs.reserve(table.colours.size());
        for (const auto& c : table.colours) labs.push_back(LabOf(c.code, opts.conditions));
    } catch (const ColourError& e) {
        std::fprintf(err, "qolvar-cli: %s\n", MessageText(e, language).c_str());
        return 1;
    }
    if (labs.empty()) {
        std::fprintf(err, "qolvar-cli: %s has no colours\n", Quoted(path).c_str());
        return 1;
    }
    return ForEachTypedCode(opts.values, in, out, err, language, [&](std::uint32_t typed, std::string& line) {
        const RGBCode code = typed & 0xFFFFFF;
        try {
            const NearestColour best = *NearestByDeltaE(LabOf(code, opts.conditions), labs);
            const NamedColour& colour = table.colours[best.index];
            AppendHex(line, colour.code);
            line.push_back(' ');
            line.append(colour.name);
            line.push_back(' ');
            AppendFixed(line, best.deltaE, 1);
            line.push_back('\n');
            return true;
        } catch (const ColourError& e) {
            AppendErrorLine(line, code, e, language);
            return false;
        }
    });
}

int DeltaECommand(int argc, const char* const* argv, std::FILE* out, std::FILE* err)
{
    const auto values = PlainValues(argc, argv, err);
    if (!values) return 2;
    if (values->size() != 6) {
        std::fputs("qolvar-cli: deltae takes six values: L1 a1 b1 L2 a2 b2\n", err);
        return 2;
    }
    long double v[6];
    for (std::size_t i = 0; i < 6; ++i) {
        const auto x = ParseDecimalTrimmed((*values)[i]);
        if (!x) {
            const Message notANumber{MessageId::NotANumber, {QuotedValue((*values)[i])}, nullptr};
            std::fprintf(err, "qolvar-cli: %s\n", MessageText(notANumber, UserLanguage()).c_str());
            return 2;
        }
        v[i] = *x;
    }
    try {
        std::string line;
        AppendFixed(line, DeltaE2000({v[0], v[1], v[2]}, {v[3], v[4], v[5]}), 4);
        std::fprintf(out, "%s\n", line.c_str());
        return 0;
    } catch (const ColourError& e) {
        std::fprintf(err, "qolvar-cli: error: %s\n", ErrorMessage(e).c_str());
        return 1;
    }
}

int ContrastCommand(int argc, const char* const* argv, std::FILE* out, std::FILE* err)
{
    const auto values = PlainValues(argc, argv, err);
    if (!values) return 2;
    if (values->size() != 2) {
        std::fputs("qolvar-cli: contrast takes two codes\n", err);
        return 2;
    }
    RGBCode codes[2] = {};
    TypedColourNotes notes;
    for (std::size_t i = 0; i < 2; ++i) {
        std::string line;
        const auto colour = ReadTypedColour((*values)[i], line, UserLanguage());
        if (!colour) {
            std::fputs(line.c_str(), err);
            return 1;
        }
        notes.Take((*values)[i], *colour);
        codes[i] = colour->code;
    }
    notes.Print(err);
    const long double ratio = ContrastRatio(codes[0], codes[1]);
    const ContrastLevels levels = ContrastLevelsOf(ratio);
    std::string line;
    AppendFixed(line, ratio, 2);
    if (levels.normalAA) line.append(" AA");
    if (levels.normalAAA) line.append(" AAA");
    if (levels.largeAA) line.append(" AA-large");
    if (levels.largeAAA) line.append(" AAA-large");
    std::fprintf(out, "%s\n", line.c_str());
    return 0;
}

// format TEMPLATE [options] [CODE ...]: one line per code by the template.
int FormatCodes(std::string_view text, std::string_view model, const Options& opts, std::FILE* in, std::FILE* out,
                std::FILE* err)
{
    const Language language = UserLanguage();
    std::optional<ColourTemplate> templ;
    try {
        templ.emplace(text, model);
    } catch (const ColourError& e) {
        std::fprintf(err, "qolvar-cli: %s\n", MessageText(e, language).c_str());
        return 2;
    }
    Options withTable = opts;
    if (templ->Uses(Model::Munsell) && !LoadMunsellFor(withTable, err)) return 2;
    return ForEachTypedCode(opts.values, in, out, err, language, [&](std::uint32_t code, std::string& line) {
        try {
            line.append(templ->Format(code, withTable.conditions));
            line.push_back('\n');
            return true;
        } catch (const ColourError& e) {
            AppendErrorLine(line, code, e, language);
            return false;
        }
    });
}

int FormatCommand(int argc, const char* const* argv, std::FILE* in, std::FILE* out, std::FILE* err)
{
    // Options may stand anywhere; the first value is the template, the
    // others are codes.
    Options opts;
    if (!ParseOptions(argc, argv, 2, false, opts, err)) return 2;
    if (opts.format) {
        std::fputs("qolvar-cli: format takes its template as its first argument, not --format\n", err);
        return 2;
    }
    if (opts.video) {
        std::fputs("qolvar-cli: --matrix, --range and --bits apply to convert and reverse only\n", err);
        return 2;
    }
    if (opts.values.empty()) {
        std::fputs("qolvar-cli: TEMPLATE is missing\n", err);
        return 2;
    }
    const std::string templ = opts.values.front();
    opts.values.erase(opts.values.begin());
    return FormatCodes(templ, {}, opts, in, out, err);
}

}  // namespace qolvar::cli
