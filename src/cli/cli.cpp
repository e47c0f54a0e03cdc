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
#include "commands.h"
#include "messages.h"
#include "named_table.h"
#include "table/folders.h"
#include "table_command.h"

namespace qolvar::cli {

namespace {

// The usage text; its lists of models and their fields come from kModels.
std::string Usage()
{
    std::string fields;  // "    xyz X Y Z   yxy x y Y ...", lines of at most 80 columns
    std::string line = "   ";
    for (const ModelInfo& m : kModels) {
        std::string entry = "   " + std::string(m.name);
        for (int i = 0; i < m.fieldCount; ++i) entry += " " + std::string(m.fields[static_cast<std::size_t>(i)].name);
        if (line.size() > 3 && line.size() + entry.size() > 80) {
            fields += line + "\n";
            line = "   ";
        }
        line += line.size() > 3 ? entry : entry.substr(2);
    }
    fields += line + "\n";
    return "Usage:\n"
           "  qolvar-cli convert MODEL [--gamma G] [--white W] [--format TEMPLATE] [CODE ...]\n"
           "  qolvar-cli reverse MODEL [--gamma G] [--white W] V1 V2 V3 [V4]\n"
           "  qolvar-cli convert ycbcr|ypbpr --matrix M [--range R] [--bits N] [CODE ...]\n"
           "  qolvar-cli reverse ycbcr|ypbpr --matrix M [--range R] [--bits N] V1 V2 V3\n"
           "  qolvar-cli bars [--matrix M] [--range R] [--bits N]\n"
           "  qolvar-cli table convert IN OUT\n"
           "  qolvar-cli table sort --by rgb|hue|sat|val [--desc] IN OUT\n"
           "  qolvar-cli table dump IN\n"
           "  qolvar-cli deltae L1 a1 b1 L2 a2 b2\n"
           "  qolvar-cli nearest [--table FILE] [--gamma G] [--white W] [CODE ...]\n"
           "  qolvar-cli contrast CODE1 CODE2\n"
           "  qolvar-cli format TEMPLATE [--gamma G] [--white W] [CODE ...]\n"
           "  qolvar-cli harmony complementary|analogous|triadic|split|tetradic [--table OUT] CODE\n"
           "  qolvar-cli shades|tints|tones [--table OUT] CODE N\n"
           "  qolvar-cli gradient [--space oklab|lab|srgb|linear-srgb] [--table OUT] CODE1 CODE2 N\n"
           "  qolvar-cli simulate protan|deutan|tritan [--severity S] [CODE ...]\n"
           "  qolvar-cli palette IMAGE N [--table OUT] [--stats]\n"
           "  qolvar-cli convert cmyk --profile FILE [--intent I] [--bpc] [CODE ...]\n"
           "  qolvar-cli reverse cmyk --profile FILE [--intent I] [--bpc] C M Y K\n"
           "  qolvar-cli sample IMAGE X Y [--average N] [--format F]\n"
           "  qolvar-cli --help | --version\n"
           "\n"
           "MODEL: " +
           ModelNameList() +
           "\n"
           "CODE:  up to eight hexadecimal digits (RRGGBB); with no CODE, one code per line\n"
           "       is read from standard input.\n"
           "convert prints: RRGGBB values -> RRGGBB (the back-converted colour)\n"
           "reverse prints: RRGGBB\n"
           "  --gamma G      display gamma for the CIE models (default 2.2)\n"
           "  --white W      reference white for L*a*b* and L*u*v*: d65 (default), c, a or\n"
           "                 d50 (the ICC connection space, adapted from D65 by Bradford)\n"
           "  --munsell-table T  renotation table: d65 (default) or c (Illuminant C)\n"
           "  --method M     Munsell conversion: renotation (default, interpolation of the\n"
           "                 renotation data) or search (the table search, as in earlier versions)\n"
           "munsell prints H V C x y Y (H = -1 for a neutral grey); reverse munsell takes H V C.\n"
           "oklab prints L a b, oklch L C h (four decimals, h in degrees with two, 0 for a\n"
           "  grey), from sRGB; --gamma and --white do not apply. reverse oklab / oklch\n"
           "  prints the nearest sRGB colour and notes on standard error when it clamps.\n"
           "--matrix bt601|bt709|bt2020, --range narrow|full, --bits 8|10|12:\n"
           "  ycbcr and ypbpr by that standard (defaults bt601, narrow, 8) from the code's\n"
           "  R'G'B' instead of the classic 8-bit models: ycbcr prints whole codes, ypbpr\n"
           "  Y' Pb Pr with three decimals. Codes beyond 0..2^N-1 are clamped, with a note\n"
           "  on standard error.\n"
           "bars prints the 75% and 100% colour bars by the standard: LEVEL NAME Y Cb Cr.\n"
           "table reads IN by its extension (.aco, .gpl, .ase, .cgd, .log, else a text\n"
           "table) and writes OUT as a Photoshop swatch when it ends in .aco, a GIMP\n"
           "palette for .gpl, a swatch exchange file for .ase, a text table for .tab, .txt\n"
           "or .csv; another extension is refused. dump prints the table's lines.\n"
           "deltae prints the CIEDE2000 difference of two L*a*b* colours (four decimals).\n"
           "nearest prints, for each CODE: RRGGBB NAME dE, the table's entry nearest to it\n"
           "  by CIEDE2000 in L*a*b* under --gamma and --white (dE to one decimal); the\n"
           "  table is a text table, .aco, .gpl, .ase or .cgd (default: the CSS named\n"
           "  colours).\n"
           "contrast prints the WCAG 2 contrast ratio (two decimals) and the levels passed:\n"
           "  AA AAA (normal text: 4.5, 7) AA-large AAA-large (large text: 3, 4.5).\n"
           "harmony prints the colour and its hues turned in OKLCh (L and C kept):\n"
           "  complementary +180, analogous -30 +30, triadic +120 +240, split +150 +210,\n"
           "  tetradic +90 +180 +270. shades, tints and tones print N colours (2..1000)\n"
           "  from CODE to black, to white or to the grey of its OKLab L, evenly spaced\n"
           "  in OKLab; gradient N colours from CODE1 to CODE2 in the --space (default\n"
           "  oklab; lab is CIE L*a*b* D50 as CSS lab()). A colour outside sRGB is mapped\n"
           "  into it as CSS maps it. --table OUT writes them as a colour table instead.\n"
           "simulate prints RRGGBB -> RRGGBB: the colour under protanomaly, deuteranomaly\n"
           "  or tritanomaly of severity S (0..1, default 1: dichromacy), by the matrices\n"
           "  of Machado, Oliveira and Fernandes (2009) in linear-light sRGB.\n"
           "palette prints the N (1..256) most representative colours of IMAGE (any\n"
           "  format Qt reads; alpha ignored), by k-means in OKLab: RRGGBB SHARE% per\n"
           "  line, the largest share first. --table OUT writes them as a colour table\n"
           "  instead, named by their share; --stats adds \"mean dE00 X.XX\" on standard\n"
           "  error: the mean CIEDE2000 from each pixel to its nearest palette colour.\n"
           "--profile FILE: cmyk through an ICC CMYK profile instead of the formula:\n"
           "  convert prints RRGGBB C M Y K -> RRGGBB with ink percentages (two decimals),\n"
           "  reverse takes percentages. --intent perceptual|relative|saturation|absolute\n"
           "  (default relative); --bpc adds black-point compensation.\n"
           "sample prints the sRGB colour of pixel X Y of IMAGE (0 0 is the top left), or\n"
           "  the mean of the N x N square around it (N odd), through the image's own ICC\n"
           "  profile when it embeds one (named on standard error); --format as format.\n"
           "format prints each CODE by TEMPLATE, or by a named format: hex (#RRGGBB),\n"
           "  css-rgb (rgb(r, g, b)), css-hsl (hsl(h, s%, l%)), css-hwb, css-lab, css-lch,\n"
           "  css-oklab, css-oklch, css-p3 (color(display-p3 r g b)), each written with\n"
           "  the decimals that read back to the same code. Tokens in braces:\n"
           "  {R} {G} {B} channels 0..255, {HEX} {hex} six digits, {MODEL.FIELD} one value\n"
           "  as convert prints it, {MODEL} all of them; {{ and }} are literal braces.\n" +
           fields +
           "    hsl h s l  (CSS HSL: degrees and percent, whole numbers)\n"
           "    css-hwb h w b  css-lab L a b  css-lch L C h  css-oklab L a b\n"
           "    css-oklch L C h  css-p3 r g b  (the CSS forms' values; lab and lch D50)\n"
           "  e.g. format '{R},{G},{B} L*={lab.L}' FF8000\n"
           "convert MODEL --format TEMPLATE prints by the template as format does; the\n"
           "  model's own fields may be written bare: convert lab --format '{L} {a} {b}'\n";
}

float ReadSingle(const std::string& text)
{
    // Read at extended precision and stored as a single, as the pages read
    // typed values.
    const auto v = ParseDecimalTrimmed(text);
    if (!v) throw InputError(MessageText(Message{MessageId::NotANumber, {text}, nullptr}, UserLanguage()));
    try {
        return num::single(*v);
    } catch (const FloatError&) {
        throw InputError(CliText(CliMessage::OutOfRange, UserLanguage(), {text}));
    }
}

// The gamma as the program stores it, a single; a value that is no number
// or whose single is not within 0 < G <= 100 (1e-50 becomes 0) is refused
// with the message.
std::optional<std::string> ParseGamma(std::string_view text, ConversionConditions& c)
{
    const auto v = ParseDecimal(text);
    if (!v) return Quoted(text) + " is not a number";
    const float g = static_cast<float>(*v);
    if (!(g > 0) || !(g <= 100)) return Quoted(text) + " is out of range (0 < G <= 100)";
    c.gamma = g;
    return std::nullopt;
}

bool ParseWhite(std::string_view text, ConversionConditions& c)
{
    if (text == "d65" || text == "D65")
        c.white = WhiteD65;
    else if (text == "c" || text == "C")
        c.white = WhiteC;
    else if (text == "a" || text == "A")
        c.white = WhiteA;
    else if (text == "d50" || text == "D50")
        c.white = WhiteD50;
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
    if (!model) {
        std::fprintf(err, "qolvar-cli: unknown model %s\n", Quoted(argv[first]).c_str());
        return false;
    }
    opts.model = *model;
    return ParseOptions(argc, argv, first + 1, false, opts, err);
}

int Convert(const Options& opts, std::FILE* in, std::FILE* out, std::FILE* err)
{
    unsigned long beyond = 0;
    const Language language = UserLanguage();
    const int status =
        ForEachTypedCode(opts.values, in, out, err, language, [&](std::uint32_t code, std::string& buffer) {
            bool far = false;
            const bool done = AppendConvertLine(opts.model, code, buffer, opts.conditions, &far, language);
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

// reverse: the typed values' colour. OKLab and OKLCh give the nearest sRGB
// colour; one that lies outside sRGB is clamped, and a note on standard
// error says so (status 0).
int ReverseCommand(const Options& opts, std::FILE* out, std::FILE* err)
{
    const int count = InfoOf(opts.model).inputs;
    if (opts.values.size() != static_cast<std::size_t>(count)) {
        std::fprintf(err, "qolvar-cli: reverse takes %d values for this model\n", count);
        return 2;
    }
    try {
        bool clamped = false;
        const RGBCode code = Reverse(opts.model, opts.values, opts.conditions, &clamped);
        std::fprintf(out, "%s\n", CodeToHex(code & 0xFFFFFF).c_str());
        if (clamped)
            std::fprintf(err, "qolvar-cli: note: the colour lies outside sRGB; clamped to %s\n",
                         CodeToHex(code).c_str());
        return 0;
    } catch (const InputError& e) {
        std::fprintf(err, "qolvar-cli: %s\n", e.what());
        return 2;
    } catch (const ColourError& e) {
        std::fprintf(err, "qolvar-cli: error: %s\n", ErrorMessage(e).c_str());
        return 1;
    }
}

}  // namespace

// A typed OKLab or OKLCh value: a decimal number, read at extended precision
// and taken as a double.
double ReadDouble(const std::string& text)
{
    const auto x = ParseDecimalTrimmed(text);
    if (!x) throw InputError(MessageText(Message{MessageId::NotANumber, {QuotedValue(text)}, nullptr}, UserLanguage()));
    const auto v = static_cast<double>(*x);
    if (!std::isfinite(v)) throw InputError(CliText(CliMessage::OutOfRange, UserLanguage(), {QuotedValue(text)}));
    return v;
}

long ReadInt(const std::string& text, const FieldInfo& field)
{
    long v = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+') ++first;
    const auto res = std::from_chars(first, last, v);
    if (res.ec == std::errc::invalid_argument || res.ptr != last || first == last)
        throw InputError(CliText(CliMessage::NotAnInteger, UserLanguage(), {text}));
    if (res.ec == std::errc::result_out_of_range || v < field.lo || v > field.hi)
        throw InputError(
            CliText(CliMessage::FieldRange, UserLanguage(),
                    {std::string(field.argument), std::to_string(field.lo), std::to_string(field.hi), text}));
    return v;
}

bool ParseOptions(int argc, const char* const* argv, int first, bool nearest, Options& opts, std::FILE* err)
{
    bool valuesOnly = false;
    for (int i = first; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (!valuesOnly && arg == "--") {
            valuesOnly = true;
            continue;
        }
        if (!valuesOnly && !nearest && arg == "--bpc") {
            opts.blackPoint = true;
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
                problem = ParseGamma(value, opts.conditions);
            } else if (name == "--white") {
                if (!ParseWhite(value, opts.conditions)) problem = "invalid value " + Quoted(value);
            } else if (!nearest && name == "--format") {
                opts.format = std::string(value);
            } else if (nearest && name == "--table") {
                if (value.empty()) problem = "needs a file name";
                opts.table = value;
            } else if (!nearest && name == "--method") {
                if (value == "search")
                    opts.conditions.method = MunsellMethod::Search;
                else if (value == "renotation")
                    opts.conditions.method = MunsellMethod::Renotation;
                else
                    problem = "invalid value " + Quoted(value) + " (search or renotation)";
            } else if (!nearest && ParseProfileOption(name, value, opts, problem)) {
                // --profile, --intent
            } else if (!nearest && ParseVideoOption(name, value, opts.video, problem)) {
                // --matrix, --range, --bits
            } else if (!nearest && name == "--munsell-table") {
                if (value != "d65" && value != "D65" && value != "c" && value != "C")
                    problem = "invalid value " + Quoted(value);
                opts.munsellTable = (value == "c" || value == "C") ? MunsellIlluminant::C : MunsellIlluminant::D65;
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

std::string QuotedValue(std::string_view arg)
{
    const std::string quoted = Quoted(arg);
    return quoted.substr(1, quoted.size() - 2);
}

// Appends "TEXT error: ..." for a typed code that is no code.
void AppendNotACode(std::string& out, std::string_view text, Language language)
{
    out.append(text);
    out.append(" error: ");
    out.append(MessageTemplate(MessageId::NotAHexCode, language));
    out.push_back('\n');
}

std::optional<CssColour> ReadTypedColour(std::string_view text, std::string& out, Language language)
{
    std::string why;
    const auto colour = ReadCssColour(text, &why);
    if (colour) return colour;
    // Text that looks like a hexadecimal code keeps the message it has
    // always had; other text says what is wrong with it.
    const bool hexLike = !text.empty() && (text[0] == '#' || text.find('(') == std::string_view::npos);
    if (hexLike) {
        AppendNotACode(out, text, language);
    } else {
        out.append(text);
        out.append(" error: ");
        out.append(why);
        out.push_back('\n');
    }
    return std::nullopt;
}

void TypedColourNotes::Print(std::FILE* err) const
{
    if (mapped == 1)
        std::fprintf(err, "qolvar-cli: note: %s lies outside sRGB; mapped to %s\n", firstMapped.c_str(),
                     CodeToHex(firstMappedCode).c_str());
    else if (mapped > 1)
        std::fprintf(err,
                     "qolvar-cli: note: %lu colours lie outside sRGB and were mapped into it (the first, %s, to %s)\n",
                     mapped, firstMapped.c_str(), CodeToHex(firstMappedCode).c_str());
    if (alphas > 0) std::fputs("qolvar-cli: note: alpha was dropped; colours are opaque\n", err);
}

void AppendLineTooLong(std::string& out, std::string_view start, Language language)
{
    out.append(Quoted(std::string(start) + "..."));
    out.append(" error: ");
    out.append(CliText(CliMessage::LineTooLong, language, {std::to_string(kMaxLineBytes)}));
    out.push_back('\n');
}

// Appends "RRGGBB error: MESSAGE" and the line end for a code whose line
// failed.
void AppendErrorLine(std::string& out, RGBCode code, const ColourError& e, Language language)
{
    AppendHex(out, code);
    out.append(" error: ");
    out.append(MessageText(e, language));
    out.push_back('\n');
}

bool AppendConvertLine(Model model, std::uint32_t code, std::string& out, const ConversionConditions& c, bool* beyond,
                       Language language)
{
    const std::size_t mark = out.size();
    AppendHex(out, code);
    if (beyond) *beyond = false;
    try {
        // The forward conversion's values and the back-converted colour, as
        // the page's refresh computes them.
        const ModelValues v = ConvertToModel(model, code, c);
        if (beyond) *beyond = v.beyond;
        AppendValueTexts(out, model, v);
        const RGBCode back = BackConverted(model, v, c);
        out.append(" -> ");
        AppendHex(out, back);
        out.push_back('\n');
        return true;
    } catch (const ColourError& e) {
        out.resize(mark);
        AppendErrorLine(out, code, e, language);
        return false;
    }
}

RGBCode Reverse(Model model, std::span<const std::string> values, const ConversionConditions& c, bool* clamped)
{
    const ModelInfo& info = InfoOf(model);
    ModelValues v;
    switch (info.kind) {
    case ValueKind::Single:
        v.vec = TColorVec{ReadSingle(values[0]), ReadSingle(values[1]), ReadSingle(values[2])};
        break;
    case ValueKind::Double:
        for (std::size_t i = 0; i < v.ok.size(); ++i) v.ok[i] = ReadDouble(values[i]);
        break;
    case ValueKind::Packed: {
        ModelFields f;
        f.count = info.inputs;
        for (std::size_t i = 0; i < static_cast<std::size_t>(f.count); ++i)
            f.value[i] = ReadInt(values[i], info.fields[i]);
        v.code = PackFields(model, f);
        break;
    }
    }
    return ModelToRGB(model, v, c, clamped);
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
        std::fputs(Usage().c_str(), err);
        return 2;
    }
    const std::string_view command = argv[1];
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(Usage().c_str(), out);
        return 0;
    }
    if (command == "--version" || command == "-V") {
        std::fputs("qolvar-cli " QOLVAR_VERSION "\n", out);
        return 0;
    }
    if (command == "table") {
        const TableMessages english;
        return RunTable(argc, argv, out, err);
    }
    if (command == "deltae") return DeltaECommand(argc, argv, out, err);
    if (command == "contrast") return ContrastCommand(argc, argv, out, err);
    if (command == "bars") return BarsCommand(argc, argv, out, err);
    if (command == "harmony") return HarmonyCommand(argc, argv, out, err);
    if (command == "shades" || command == "tints" || command == "tones") return RampCommand(argc, argv, out, err);
    if (command == "gradient") return GradientCommand(argc, argv, out, err);
    if (command == "simulate") return SimulateCommand(argc, argv, in, out, err);
    if (command == "palette") return ImagePaletteCommand(argc, argv, out, err);
    if (command == "sample") return SampleCommand(argc, argv, out, err);
    if (command != "convert" && command != "reverse" && command != "nearest" && command != "format") {
        std::fprintf(err, "qolvar-cli: unknown command %s\n%s", Quoted(command).c_str(), Usage().c_str());
        return 2;
    }
    if (command == "format") return FormatCommand(argc, argv, in, out, err);
    Options opts;
    if (command == "nearest") {
        if (!ParseOptions(argc, argv, 2, true, opts, err)) return 2;
        const TableMessages english;
        return NearestCommand(opts, in, out, err);
    }
    if (!ParseArguments(argc, argv, 2, opts, err)) return 2;
    if (opts.profile || opts.intentGiven || opts.blackPoint) {
        if (opts.model != Model::CMYK || !opts.profile || opts.video || opts.format) {
            std::fputs(
                "qolvar-cli: --profile applies to cmyk only, without --format; --intent and --bpc need "
                "--profile\n",
                err);
            return 2;
        }
        return command == "convert" ? ProfileConvert(opts, in, out, err) : ProfileReverse(opts, out, err);
    }
    if (opts.video) {
        if (opts.model != Model::YCbCr && opts.model != Model::YPbPr) {
            std::fputs("qolvar-cli: --matrix, --range and --bits apply to ycbcr and ypbpr only\n", err);
            return 2;
        }
        if (opts.format) {
            std::fputs("qolvar-cli: --format does not combine with --matrix, --range or --bits\n", err);
            return 2;
        }
        return command == "convert" ? VideoConvert(opts, in, out, err) : VideoReverse(opts, out, err);
    }
    if (opts.format) {
        if (command != "convert") {
            std::fputs("qolvar-cli: --format applies to convert only\n", err);
            return 2;
        }
        return FormatCodes(*opts.format, argv[2], opts, in, out, err);
    }
    if (InfoOf(opts.model).follows.munsellTable && !LoadMunsellFor(opts, err)) return 2;
    if (command == "convert") return Convert(opts, in, out, err);
    return ReverseCommand(opts, out, err);
}

bool LoadMunsellFor(Options& opts, std::FILE* err)
{
    try {
        opts.conditions.munsell = LoadMunsellTable(ProgramFolder(), opts.munsellTable);
        return true;
    } catch (const ColourError& e) {
        std::fprintf(err, "qolvar-cli: %s\n", ErrorMessage(e).c_str());
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
            std::fprintf(err, "qolvar-cli: %s\n", CliText(CliMessage::CannotWrite, UserLanguage()).c_str());
            status = std::max(status, 1);
        }
        return status;
    } catch (const StreamError& e) {
        std::fprintf(err, "qolvar-cli: %s\n", e.what());
        return 1;
    }
}

}  // namespace qolvar::cli
