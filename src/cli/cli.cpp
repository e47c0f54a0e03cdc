#include "cli.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <vector>

#include <QFile>

#include "colour/numeric.h"
#include "colour/numtext.h"
#include "colour/oklab.h"
#include "commands.h"
#include "named_table.h"
#include "table/folders.h"
#include "table_command.h"

namespace qolvar::cli {

namespace {

constexpr const char* kUsage =
    "Usage:\n"
    "  qolvar-cli convert MODEL [--gamma G] [--white d65|c|a] [--format TEMPLATE] [CODE ...]\n"
    "  qolvar-cli reverse MODEL [--gamma G] [--white d65|c|a] V1 V2 V3 [V4]\n"
    "  qolvar-cli table convert IN OUT\n"
    "  qolvar-cli table sort --by rgb|hue|sat|val [--desc] IN OUT\n"
    "  qolvar-cli table dump IN\n"
    "  qolvar-cli deltae L1 a1 b1 L2 a2 b2\n"
    "  qolvar-cli nearest [--table FILE] [--gamma G] [--white d65|c|a] [CODE ...]\n"
    "  qolvar-cli contrast CODE1 CODE2\n"
    "  qolvar-cli format TEMPLATE [--gamma G] [--white d65|c|a] [CODE ...]\n"
    "  qolvar-cli --help | --version\n"
    "\n"
    "MODEL: xyz yxy lab luv hsv hls cmyk yuv ycbcr ypbpr yiq munsell oklab oklch\n"
    "CODE:  up to eight hexadecimal digits (RRGGBB); with no CODE, one code per line\n"
    "       is read from standard input.\n"
    "convert prints: RRGGBB values -> RRGGBB (the back-converted colour)\n"
    "reverse prints: RRGGBB\n"
    "  --gamma G      display gamma for the CIE models (default 2.2)\n"
    "  --white W      reference white for L*a*b* and L*u*v*: d65 (default), c or a\n"
    "  --munsell-table T  renotation table: d65 (default) or c (Illuminant C)\n"
    "  --method M     Munsell conversion: search (default, the table search) or\n"
    "                 renotation (interpolation of the renotation data)\n"
    "munsell prints H V C x y Y (H = -1 for a neutral grey); reverse munsell takes H V C.\n"
    "oklab prints L a b, oklch L C h (four decimals, h in degrees with two, 0 for a\n"
    "  grey), from sRGB; --gamma and --white do not apply. reverse oklab / oklch\n"
    "  prints the nearest sRGB colour and notes on standard error when it clamps.\n"
    "table reads IN by its extension (.aco, .gpl, .cgd, .log, else a text table) and\n"
    "writes OUT as a Photoshop swatch when it ends in .aco, a GIMP palette for .gpl,\n"
    "else as a text table; dump prints the table's lines.\n"
    "deltae prints the CIEDE2000 difference of two L*a*b* colours (four decimals).\n"
    "nearest prints, for each CODE: RRGGBB NAME dE, the table's entry nearest to it\n"
    "  by CIEDE2000 in L*a*b* under --gamma and --white (dE to one decimal); the\n"
    "  table is a text table, .aco, .gpl or .cgd (default: the CSS named colours).\n"
    "contrast prints the WCAG 2 contrast ratio (two decimals) and the levels passed:\n"
    "  AA AAA (normal text: 4.5, 7) AA-large AAA-large (large text: 3, 4.5).\n"
    "format prints each CODE by TEMPLATE, or by a named format: hex (#RRGGBB),\n"
    "  css-rgb (rgb(r, g, b)), css-hsl (hsl(h, s%, l%)). Tokens in braces:\n"
    "  {R} {G} {B} channels 0..255, {HEX} {hex} six digits, {MODEL.FIELD} one value\n"
    "  as convert prints it, {MODEL} all of them; {{ and }} are literal braces.\n"
    "    xyz X Y Z   yxy x y Y   lab L a b   luv L u v   hsv H S V   hls H L S\n"
    "    cmyk C M Y K   yuv Y U V   ycbcr Y Cb Cr   ypbpr Y Pb Pr   yiq Y I Q\n"
    "    munsell H V C x y Y   oklab L a b   oklch L C h\n"
    "    hsl h s l  (CSS HSL: degrees and percent, whole numbers)\n"
    "  e.g. format '{R},{G},{B} L*={lab.L}' FF8000\n"
    "convert MODEL --format TEMPLATE prints by the template as format does; the\n"
    "  model's own fields may be written bare: convert lab --format '{L} {a} {b}'\n";

void AppendFloat(std::string& out, float v)
{
    // %.9g of the single value: enough digits to read the float back exactly.
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 9);
    out.push_back(' ');
    out.append(buf, res.ptr);
}

void AppendInt(std::string& out, long v)
{
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    out.push_back(' ');
    out.append(buf, res.ptr);
}

void AppendVec(std::string& out, const TColorVec& v)
{
    AppendFloat(out, v[0]);
    AppendFloat(out, v[1]);
    AppendFloat(out, v[2]);
}

// The forward conversion's values and the back-converted colour, as the
// page's refresh computes them.
RGBCode ConvertInto(Model model, std::uint32_t code, std::string& out, bool* beyond)
{
    const ModelValues v = ConvertToModel(model, code);
    if (beyond) *beyond = v.beyond;
    if (IsFloatModel(model)) {
        AppendVec(out, v.vec);
        if (model == Model::Munsell) AppendVec(out, v.yxy);
    } else {
        const ModelFields f = FieldsOf(model, v.code);
        for (int i = 0; i < f.count; ++i) AppendInt(out, f.value[static_cast<std::size_t>(i)]);
    }
    return BackConverted(model, v);
}

float ReadSingle(const std::string& text)
{
    // Read at extended precision and stored as a single, as the pages read
    // typed values.
    const auto v = ParseDecimalTrimmed(text);
    if (!v) throw InputError("'" + text + "' は数値ではありません");
    try {
        return num::single(*v);
    } catch (const FloatError&) {
        throw InputError("'" + text + "' は範囲外です");
    }
}

long ReadInt(const std::string& text, long lo, long hi, const char* field)
{
    long v = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+') ++first;
    const auto res = std::from_chars(first, last, v);
    if (res.ec == std::errc::invalid_argument || res.ptr != last || first == last)
        throw InputError("'" + text + "' は整数ではありません");
    if (res.ec == std::errc::result_out_of_range || v < lo || v > hi)
        throw InputError(std::string(field) + " は " + std::to_string(lo) + "..." + std::to_string(hi) +
                         " の範囲で指定してください: " + text);
    return v;
}

std::size_t ArgumentCount(Model model) { return model == Model::CMYK ? 4 : 3; }

// The gamma as the program stores it, a single; a value that is no number
// or whose single is not within 0 < G <= 100 (1e-50 becomes 0) is refused
// with the message.
std::optional<std::string> ParseGamma(std::string_view text)
{
    const auto v = ParseDecimal(text);
    if (!v) return Quoted(text) + " is not a number";
    const float g = static_cast<float>(*v);
    if (!(g > 0) || !(g <= 100)) return Quoted(text) + " is out of range (0 < G <= 100)";
    CIEGamma = g;
    return std::nullopt;
}

bool ParseWhite(std::string_view text)
{
    if (text == "d65" || text == "D65")
        SetCIEWhite(0);
    else if (text == "c" || text == "C")
        SetCIEWhite(1);
    else if (text == "a" || text == "A")
        SetCIEWhite(2);
    else
        return false;
    return true;
}

// Parses "MODEL [options] [--] values..." starting at argv[first].
bool ParseArguments(int argc, const char* const* argv, int first, Options& opts, std::FILE* err)
{
    if (first >= argc) {
        std::fputs("qolvar-cli: MODEL is missing\n", err);
        return false;
    }
    const auto model = ParseModel(argv[first]);
    opts.ok = ParseOkModel(argv[first]);
    if (!model && !opts.ok) {
        std::fprintf(err, "qolvar-cli: unknown model %s\n", Quoted(argv[first]).c_str());
        return false;
    }
    if (model) opts.model = *model;
    return ParseOptions(argc, argv, first + 1, false, opts, err);
}

int Convert(const Options& opts, std::FILE* in, std::FILE* out, std::FILE* err)
{
    unsigned long beyond = 0;
    const int status = ForEachTypedCode(opts.values, in, out, [&](std::uint32_t code, std::string& buffer) {
        if (opts.ok) return AppendOkLine(*opts.ok, code, buffer);
        bool far = false;
        const bool done = AppendConvertLine(opts.model, code, buffer, &far);
        beyond += far;
        return done;
    });
    if (beyond > 0)
        std::fprintf(err,
                     "qolvar-cli: note: %lu colour(s) lie beyond the renotation data; their lines give the "
                     "nearest notation the data reach and its colour\n",
                     beyond);
    return status;
}

// reverse oklab / oklch: the nearest sRGB colour; one that lies outside
// sRGB is clamped, and a note on standard error says so (status 0).
int ReverseOk(const Options& opts, std::FILE* out, std::FILE* err)
{
    if (opts.values.size() != 3) {
        std::fputs("qolvar-cli: reverse takes 3 values for this model\n", err);
        return 2;
    }
    try {
        const OkRGB rgb = ReverseOkValues(*opts.ok, opts.values);
        std::fprintf(out, "%s\n", CodeToHex(rgb.code).c_str());
        if (rgb.clamped)
            std::fprintf(err, "qolvar-cli: note: the colour lies outside sRGB; clamped to %s\n",
                         CodeToHex(rgb.code).c_str());
        return 0;
    } catch (const InputError& e) {
        std::fprintf(err, "qolvar-cli: %s\n", e.what());
        return 2;
    } catch (const ColourError& e) {
        std::fprintf(err, "qolvar-cli: error: %s\n", e.what());
        return 1;
    }
}

int ReverseCommand(const Options& opts, std::FILE* out, std::FILE* err)
{
    if (opts.ok) return ReverseOk(opts, out, err);
    if (opts.values.size() != ArgumentCount(opts.model)) {
        std::fprintf(err, "qolvar-cli: reverse takes %zu values for this model\n", ArgumentCount(opts.model));
        return 2;
    }
    try {
        const RGBCode code = Reverse(opts.model, opts.values);
        std::fprintf(out, "%s\n", CodeToHex(code & 0xFFFFFF).c_str());
        return 0;
    } catch (const InputError& e) {
        std::fprintf(err, "qolvar-cli: %s\n", e.what());
        return 2;
    } catch (const ColourError& e) {
        std::fprintf(err, "qolvar-cli: error: %s\n", e.what());
        return 1;
    }
}

}  // namespace

bool ParseOptions(int argc, const char* const* argv, int first, bool nearest, Options& opts, std::FILE* err)
{
    bool valuesOnly = false;
    for (int i = first; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (!valuesOnly && arg == "--") {
            valuesOnly = true;
            continue;
        }
        if (!valuesOnly && arg.starts_with("--")) {
            std::string_view name = arg, value;
            const auto eq = arg.find('=');
            if (eq != std::string_view::npos) {
                name = arg.substr(0, eq);
                value = arg.substr(eq + 1);
            } else if (i + 1 < argc) {
                value = argv[++i];
            } else {
                std::fprintf(err, "qolvar-cli: %s needs a value\n", Quoted(arg).c_str());
                return false;
            }
            std::optional<std::string> problem;
            if (name == "--gamma") {
                problem = ParseGamma(value);
            } else if (name == "--white") {
                if (!ParseWhite(value)) problem = "invalid value " + Quoted(value);
            } else if (!nearest && name == "--format") {
                opts.format = std::string(value);
            } else if (nearest && name == "--table") {
                if (value.empty()) problem = "needs a file name";
                opts.table = value;
            } else if (!nearest && name == "--method") {
                if (value == "search")
                    opts.munsellMethod = MunsellMethod::Search;
                else if (value == "renotation")
                    opts.munsellMethod = MunsellMethod::Renotation;
                else
                    problem = "invalid value " + Quoted(value) + " (search or renotation)";
            } else if (!nearest && name == "--munsell-table") {
                if (value != "d65" && value != "D65" && value != "c" && value != "C")
                    problem = "invalid value " + Quoted(value);
                opts.munsellFile = (value == "c" || value == "C") ? MunsellFileC : MunsellFileD65;
            } else {
                std::fprintf(err, "qolvar-cli: unknown option %s\n", Quoted(name).c_str());
                return false;
            }
            if (problem) {
                std::fprintf(err, "qolvar-cli: %s: %s\n", std::string(name).c_str(), problem->c_str());
                return false;
            }
            continue;
        }
        opts.values.emplace_back(arg);
    }
    return true;
}

std::string Quoted(std::string_view arg)
{
    constexpr std::size_t kMax = 40;
    // Appended piece by piece: GCC 12's -O3 warns (-Wrestrict, wrongly) on
    // "'" + std::string(...).
    std::string quoted(1, '\'');
    quoted.append(arg.substr(0, kMax));
    quoted.append(arg.size() > kMax ? "...'" : "'");
    return quoted;
}

void AppendHex(std::string& out, std::uint32_t code)
{
    char buf[6];
    CodeToHex(code & 0xFFFFFF, buf);
    out.append(buf, 6);
}

// Appends "TEXT error: ..." for a typed code that is no code.
void AppendNotACode(std::string& out, std::string_view text)
{
    out.append(text);
    out.append(" error: ");
    out.append(kNotAHexCode);
    out.push_back('\n');
}

// Appends "RRGGBB error: MESSAGE" and the line end for a code whose line
// failed.
void AppendErrorLine(std::string& out, RGBCode code, const ColourError& e)
{
    AppendHex(out, code);
    out.append(" error: ");
    out.append(e.what());
    out.push_back('\n');
}

bool AppendConvertLine(Model model, std::uint32_t code, std::string& out, bool* beyond)
{
    const std::size_t mark = out.size();
    AppendHex(out, code);
    if (beyond) *beyond = false;
    try {
        const RGBCode back = ConvertInto(model, code, out, beyond);
        out.append(" -> ");
        AppendHex(out, back);
        out.push_back('\n');
        return true;
    } catch (const ColourError& e) {
        out.resize(mark);
        AppendErrorLine(out, code, e);
        return false;
    }
}

bool AppendOkLine(OkModel model, std::uint32_t code, std::string& out)
{
    AppendHex(out, code);
    const auto texts = OkValueTexts(model, OkValues(model, code & 0xFFFFFF));
    for (const auto& t : texts) {
        out.push_back(' ');
        out.append(t);
    }
    // The colour of the values as printed, as reverse reads them back.
    const std::array<std::string, 3> typed{texts[0], texts[1], texts[2]};
    out.append(" -> ");
    AppendHex(out, ReverseOkValues(model, typed).code);
    out.push_back('\n');
    return true;
}

OkRGB ReverseOkValues(OkModel model, std::span<const std::string> values)
{
    std::array<double, 3> v{};
    for (std::size_t i = 0; i < 3; ++i) {
        const auto x = ParseDecimalTrimmed(values[i]);
        if (!x) throw InputError(Quoted(values[i]) + " は数値ではありません");
        v[i] = static_cast<double>(*x);
        if (!std::isfinite(v[i])) throw InputError(Quoted(values[i]) + " は範囲外です");
    }
    return OkValuesToRGB(model, v);
}

RGBCode Reverse(Model model, std::span<const std::string> values)
{
    ModelValues v;
    if (IsFloatModel(model)) {
        v.vec = TColorVec{ReadSingle(values[0]), ReadSingle(values[1]), ReadSingle(values[2])};
        return ModelToRGB(model, v);
    }
    // Field names and ranges of the packed models' typed values.
    struct Field {
        const char* name;
        long lo, hi;
    };
    std::array<Field, 4> fields{};
    switch (model) {
    case Model::HSV: fields = {Field{"H", 0, 511}, {"S", 0, 255}, {"V", 0, 255}}; break;
    case Model::HLS: fields = {Field{"H", 0, 511}, {"L", 0, 255}, {"S", 0, 255}}; break;
    case Model::CMYK: fields = {Field{"C", 0, 255}, {"M", 0, 255}, {"Y", 0, 255}, {"K", 0, 255}}; break;
    case Model::YCbCr: fields = {Field{"Y", 0, 255}, {"Cb", 0, 255}, {"Cr", 0, 255}}; break;
    default: fields = {Field{"Y", 0, 255}, {"D1", -128, 127}, {"D2", -128, 127}}; break;
    }
    ModelFields f;
    f.count = static_cast<int>(ArgumentCount(model));
    for (std::size_t i = 0; i < static_cast<std::size_t>(f.count); ++i)
        f.value[i] = ReadInt(values[i], fields[i].lo, fields[i].hi, fields[i].name);
    v.code = PackFields(model, f);
    return ModelToRGB(model, v);
}

std::string ProgramFolder()
{
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return ".";
    const QString exeDir = QFile::decodeName(exe.parent_path().c_str());
    return QFile::encodeName(table::DataFolderFor(exeDir)).toStdString();
}

int RunCommand(int argc, const char* const* argv, std::FILE* in, std::FILE* out, std::FILE* err)
{
    if (argc < 2) {
        std::fputs(kUsage, err);
        return 2;
    }
    const std::string_view command = argv[1];
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(kUsage, out);
        return 0;
    }
    if (command == "--version" || command == "-V") {
        std::fputs("qolvar-cli " QOLVAR_VERSION "\n", out);
        return 0;
    }
    if (command == "table") {
        // Reading L*a*b* swatches uses the start-up gamma and white.
        CIEGamma = 2.2f;
        SetCIEWhite(0);
        return RunTable(argc, argv, out, err);
    }
    if (command == "deltae") return DeltaECommand(argc, argv, out, err);
    if (command == "contrast") return ContrastCommand(argc, argv, out, err);
    if (command != "convert" && command != "reverse" && command != "nearest" && command != "format") {
        std::fprintf(err, "qolvar-cli: unknown command %s\n%s", Quoted(command).c_str(), kUsage);
        return 2;
    }
    // Every run starts from the program's start-up settings.
    CIEGamma = 2.2f;
    SetCIEWhite(0);
    MunsellMethodInUse = MunsellMethod::Search;
    if (command == "format") return FormatCommand(argc, argv, in, out, err);
    Options opts;
    if (command == "nearest") {
        if (!ParseOptions(argc, argv, 2, true, opts, err)) return 2;
        return NearestCommand(opts, in, out, err);
    }
    if (!ParseArguments(argc, argv, 2, opts, err)) return 2;
    if (opts.format) {
        if (command != "convert") {
            std::fputs("qolvar-cli: --format applies to convert only\n", err);
            return 2;
        }
        return FormatCodes(*opts.format, argv[2], opts, in, out, err);
    }
    if (opts.model == Model::Munsell && !LoadMunsellFor(opts, err)) return 2;
    if (command == "convert") return Convert(opts, in, out, err);
    return ReverseCommand(opts, out, err);
}

bool LoadMunsellFor(const Options& opts, std::FILE* err)
{
    MunsellFileName = opts.munsellFile;
    MunsellMethodInUse = opts.munsellMethod;
    try {
        LoadMunsellTable(ProgramFolder());
        return true;
    } catch (const ColourError& e) {
        std::fprintf(err, "qolvar-cli: %s\n", e.what());
        return false;
    }
}

int Run(int argc, const char* const* argv, std::FILE* in, std::FILE* out, std::FILE* err)
{
    try {
        int status = RunCommand(argc, argv, in, out, err);
        // Every write to standard output is checked here at the end: a
        // failed one set the stream's error indicator.
        if (std::fflush(out) != 0 || std::ferror(out)) {
            std::fputs("qolvar-cli: 標準出力に書き込めません\n", err);
            status = std::max(status, 1);
        }
        return status;
    } catch (const StreamError& e) {
        std::fprintf(err, "qolvar-cli: %s\n", e.what());
        return 1;
    }
}

}  // namespace qolvar::cli
