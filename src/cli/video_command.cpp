// ycbcr and ypbpr by a standard (--matrix, --range, --bits) and the colour
// bars.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "cli.h"
#include "commands.h"

namespace qolvar::cli {

namespace {

std::string_view MatrixName(VideoMatrix m)
{
    switch (m) {
    case VideoMatrix::BT709: return "bt709";
    case VideoMatrix::BT2020: return "bt2020";
    case VideoMatrix::BT601: break;
    }
    return "bt601";
}

void AppendThreeDecimals(std::string& out, double v)
{
    char buf[64];
    const int n = std::snprintf(buf, sizeof buf, " %.3f", v);
    if (n > 0) out.append(buf, std::min<std::size_t>(static_cast<std::size_t>(n), sizeof buf - 1));
}

}  // namespace

bool ParseVideoOption(std::string_view name, std::string_view value, std::optional<VideoStandard>& video,
                      std::optional<std::string>& problem)
{
    if (name != "--matrix" && name != "--range" && name != "--bits") return false;
    VideoStandard s = video.value_or(VideoStandard{});
    if (name == "--matrix") {
        if (value == "bt601")
            s.matrix = VideoMatrix::BT601;
        else if (value == "bt709")
            s.matrix = VideoMatrix::BT709;
        else if (value == "bt2020")
            s.matrix = VideoMatrix::BT2020;
        else
            problem = "invalid value " + Quoted(value) + " (bt601, bt709 or bt2020)";
    } else if (name == "--range") {
        if (value == "narrow")
            s.range = VideoRange::Narrow;
        else if (value == "full")
            s.range = VideoRange::Full;
        else
            problem = "invalid value " + Quoted(value) + " (narrow or full)";
    } else {
        if (value == "8" || value == "10" || value == "12")
            s.bits = value[0] == '8' ? 8 : value[1] == '0' ? 10 : 12;
        else
            problem = "invalid value " + Quoted(value) + " (8, 10 or 12)";
    }
    video = s;
    return true;
}

int VideoConvert(const Options& opts, std::FILE* in, std::FILE* out, std::FILE* err)
{
    const VideoStandard s = *opts.video;
    const bool ycbcr = opts.model == Model::YCbCr;
    unsigned long clamped = 0;
    const int status =
        ForEachTypedCode(opts.values, in, out, err, UserLanguage(), [&](RGBCode typed, std::string& line) {
            const RGBCode code = typed & 0xFFFFFF;
            AppendHex(line, code);
            RGBCode back;
            if (ycbcr) {
                const YCbCrCodes c = ToYCbCr(s, code);
                clamped += c.clamped;
                for (long v : {c.y, c.cb, c.cr}) line += " " + std::to_string(v);
                back = FromYCbCr(s, c.y, c.cb, c.cr).code;
            } else {
                // The colour after the arrow is that of the values as printed.
                const YPbPrPrime v = ToYPbPr(s.matrix, PrimeOf(code));
                const YPbPrPrime printed{ThreeDecimals(v.y), ThreeDecimals(v.pb), ThreeDecimals(v.pr)};
                for (double d : {printed.y, printed.pb, printed.pr}) AppendThreeDecimals(line, d);
                back = CodeOf(FromYPbPr(s.matrix, printed)).code;
            }
            line.append(" -> ");
            AppendHex(line, back);
            line.push_back('\n');
            return true;
        });
    if (clamped > 0)
        std::fprintf(err,
                     "qolvar-cli: note: %lu code(s) gave Y, Cb or Cr beyond 0..%ld; their lines give the value "
                     "clamped to the range\n",
                     clamped, MaxCodeOf(s));
    return status;
}

int VideoReverse(const Options& opts, std::FILE* out, std::FILE* err)
{
    const VideoStandard s = *opts.video;
    if (opts.values.size() != 3) {
        std::fputs("qolvar-cli: reverse takes 3 values for this model\n", err);
        return 2;
    }
    try {
        RGBCodeResult result;
        if (opts.model == Model::YCbCr) {
            const long max = MaxCodeOf(s);
            const long y = ReadInt(opts.values[0], PackedField("Y", 0, max));
            const long cb = ReadInt(opts.values[1], PackedField("Cb", 0, max));
            const long cr = ReadInt(opts.values[2], PackedField("Cr", 0, max));
            result = FromYCbCr(s, y, cb, cr);
        } else {
            const YPbPrPrime v{ReadDouble(opts.values[0]), ReadDouble(opts.values[1]), ReadDouble(opts.values[2])};
            result = CodeOf(FromYPbPr(s.matrix, v));
        }
        std::fprintf(out, "%s\n", CodeToHex(result.code).c_str());
        if (result.clamped)
            std::fprintf(err, "qolvar-cli: note: the colour lies outside sRGB; clamped to %s\n",
                         CodeToHex(result.code).c_str());
        return 0;
    } catch (const InputError& e) {
        std::fprintf(err, "qolvar-cli: %s\n", e.what());
        return 2;
    }
}

// bars: for each level (75 % then 100 %) one line per bar, left to right:
// "LEVEL NAME Y Cb Cr" in aligned columns. The bars' R′G′B′ are the level
// or 0, quantised directly (not through 8-bit codes).
int BarsCommand(int argc, const char* const* argv, std::FILE* out, std::FILE* err)
{
    std::optional<VideoStandard> video;
    for (int i = 2; i < argc; ++i) {
        const std::string_view arg = argv[i];
        std::string_view name = arg, value;
        if (const auto eq = arg.find('='); arg.starts_with("--") && eq != std::string_view::npos) {
            name = arg.substr(0, eq);
            value = arg.substr(eq + 1);
        } else if (arg.starts_with("--") && i + 1 < argc) {
            value = argv[++i];
        } else if (arg.starts_with("--")) {
            std::fprintf(err, "qolvar-cli: %s needs a value\n", Quoted(arg).c_str());
            return 2;
        }
        std::optional<std::string> problem;
        if (!arg.starts_with("--") || !ParseVideoOption(name, value, video, problem)) {
            std::fprintf(err, "qolvar-cli: bars: unknown argument %s\n", Quoted(arg).c_str());
            return 2;
        }
        if (problem) {
            std::fprintf(err, "qolvar-cli: %s: %s\n", std::string(name).c_str(), problem->c_str());
            return 2;
        }
    }
    const VideoStandard s = video.value_or(VideoStandard{});
    const int width = s.bits == 8 ? 3 : 4;
    std::string text, clamped;
    for (const auto& [level, label] : {std::pair{0.75, "75%"}, std::pair{1.0, "100%"}}) {
        for (const ColourBar& bar : kColourBars) {
            const YCbCrCodes c = QuantiseYCbCr(s, ToYPbPr(s.matrix, BarPrime(bar, level)));
            char buf[96];
            const int n = std::snprintf(buf, sizeof buf, "%-4s %-7s %*ld %*ld %*ld\n", label,
                                        std::string(bar.name).c_str(), width, c.y, width, c.cb, width, c.cr);
            if (n > 0) text.append(buf, std::min<std::size_t>(static_cast<std::size_t>(n), sizeof buf - 1));
            if (c.clamped) clamped += std::string(clamped.empty() ? "" : ", ") + label + " " + std::string(bar.name);
        }
    }
    if (std::fputs(text.c_str(), out) < 0) return 1;
    if (!clamped.empty())
        std::fprintf(err, "qolvar-cli: note: clamped to 0..%ld in %s %s range %d-bit: %s\n", MaxCodeOf(s),
                     std::string(MatrixName(s.matrix)).c_str(), s.range == VideoRange::Full ? "full" : "narrow", s.bits,
                     clamped.c_str());
    return 0;
}

}  // namespace qolvar::cli
