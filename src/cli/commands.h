// Pieces the command-line commands share: options, messages, and the loop
// over typed codes with its buffered, checked standard output.
#pragma once

#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "colour/codes.h"
#include "colour/colour.h"
#include "colour/csscolour.h"
#include "colour/icc.h"
#include "colour/videostandard.h"
#include "messages.h"

namespace qolvar::cli {

// Standard input or output that cannot be read or written.
class StreamError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A typed value that cannot be used: a usage error, not a failed conversion.
class InputError : public ColourError {
public:
    using ColourError::ColourError;
};

struct Options {
    Model model{};
    std::vector<std::string> values;
    // --gamma, --white and --method (the renotation's interpolation unless
    // --method search); the table of --munsell-table once LoadMunsellFor has
    // loaded it.
    ConversionConditions conditions = ConversionConditions::WithRenotation();
    MunsellIlluminant munsellTable = MunsellIlluminant::D65;  // --munsell-table
    std::string table;                                        // nearest: --table, empty for the default table
    std::optional<std::string> format;                        // convert: --format TEMPLATE
    // --matrix, --range and --bits: Y′CbCr and Y′PbPr by a standard instead
    // of the classic 8-bit models; unset when none of them is given.
    std::optional<VideoStandard> video;
    // --profile FILE, --intent, --bpc: CMYK through an ICC profile instead
    // of the classic formula.
    std::optional<std::string> profile;
    icc::Intent intent = icc::Intent::Relative;
    bool intentGiven = false;
    bool blackPoint = false;
};

// An argument as messages quote it: at most 40 characters, so that a huge
// argument never floods the terminal. QuotedValue is the same without the
// quotes.
std::string Quoted(std::string_view arg);
std::string QuotedValue(std::string_view arg);

void AppendHex(std::string& out, std::uint32_t code);

// Appends "TEXT error: ..." for a typed code that is no code.
void AppendNotACode(std::string& out, std::string_view text, Language language);

// Appends "'START...' error: ..." for a line of standard input too long to
// read.
void AppendLineTooLong(std::string& out, std::string_view start, Language language);

// Appends "RRGGBB error: MESSAGE" and the line end for a code whose line
// failed.
void AppendErrorLine(std::string& out, RGBCode code, const ColourError& e, Language language);

// Parses "[options] [--] values..." starting at argv[first]. --gamma and
// --white always; --munsell-table and --method for the conversions, --table
// for nearest.
bool ParseOptions(int argc, const char* const* argv, int first, bool nearest, Options& opts, std::FILE* err);

// A typed value of reverse: a decimal number as a double (no number, or one
// beyond the double range, is an InputError), or a whole number within the
// field's lo … hi (else an InputError naming field.argument).
double ReadDouble(const std::string& text);
long ReadInt(const std::string& text, const FieldInfo& field);

// Reads --matrix, --range or --bits into video (the other two keep their
// defaults: bt601, narrow, 8); false when name is none of them. A bad value
// sets problem.
bool ParseVideoOption(std::string_view name, std::string_view value, std::optional<VideoStandard>& video,
                      std::optional<std::string>& problem);

// Loads the Munsell table the options name into their conditions; a table
// that cannot be loaded is reported and gives false.
bool LoadMunsellFor(Options& opts, std::FILE* err);

// Standard output in large pieces; a piece that cannot be written (a full
// disk, a closed pipe) ends the output.
class Output {
public:
    explicit Output(std::FILE* f) : file_(f) { buffer_.reserve(1 << 16); }
    ~Output() { flush(); }
    std::string& buffer() { return buffer_; }
    void maybeFlush()
    {
        if (buffer_.size() >= (1u << 16) - 256) flush();
    }
    void flush()
    {
        if (!buffer_.empty() && std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size()) failed_ = true;
        buffer_.clear();
    }
    bool failed() const { return failed_; }

private:
    std::FILE* file_;
    std::string buffer_;
    bool failed_ = false;
};

// The longest line of standard input a command reads: no code, colour or
// template needs more, and a longer one (a file that is no list of codes,
// an endless device) is never held in memory whole.
inline constexpr std::size_t kMaxLineBytes = 64 * 1024;

// Calls one(text) for each value, or without values for each line of
// standard input. Blank lines of standard input are skipped; a line longer
// than kMaxLineBytes is passed over unread and tooLong(start) is called
// with its first bytes instead.
template <typename One, typename TooLong>
void ForEachCode(const std::vector<std::string>& values, std::FILE* in, const Output& output, One&& one,
                 TooLong&& tooLong)
{
    if (!values.empty()) {
        for (const auto& v : values) one(v);
        return;
    }
    // Batch mode: one code per line; CR LF and LF line ends alike. A final
    // line without its newline counts; nothing after the last newline does.
    auto each = [&](std::string_view line) {
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.find_first_not_of(" \t") == std::string_view::npos) return;
        one(line);
    };
    std::vector<char> chunk(1 << 16);
    std::string pending;
    bool skipping = false;  // the rest of a line that is too long
    std::size_t got;
    while (!output.failed() && (got = std::fread(chunk.data(), 1, chunk.size(), in)) > 0) {
        std::string_view data(chunk.data(), got);
        std::size_t start = 0;
        for (std::size_t nl; (nl = data.find('\n', start)) != std::string_view::npos; start = nl + 1) {
            std::string_view line = data.substr(start, nl - start);
            if (skipping) {
                skipping = false;
            } else if (pending.size() + line.size() > kMaxLineBytes) {
                pending.append(line.substr(0, 40));
                tooLong(std::string_view(pending).substr(0, 40));
            } else {
                if (!pending.empty()) {
                    pending.append(line);
                    line = pending;
                }
                each(line);
            }
            pending.clear();
        }
        const std::string_view rest = data.substr(start);
        if (skipping) continue;
        if (pending.size() + rest.size() > kMaxLineBytes) {
            pending.append(rest.substr(0, 40));
            tooLong(std::string_view(pending).substr(0, 40));
            pending.clear();
            skipping = true;
        } else {
            pending.append(rest);
        }
    }
    if (std::ferror(in)) throw StreamError(CliText(CliMessage::CannotRead, UserLanguage()));
    if (!pending.empty()) each(pending);
}

// What reading typed colours noticed, for the notes on standard error:
// colours outside sRGB mapped into it (the first one's text and code), and
// alphas dropped.
struct TypedColourNotes {
    unsigned long mapped = 0, alphas = 0;
    std::string firstMapped;
    RGBCode firstMappedCode = 0;

    void Take(std::string_view text, const CssColour& c)
    {
        if (c.mapped && mapped++ == 0) {
            firstMapped = QuotedValue(text);
            firstMappedCode = c.code;
        }
        alphas += c.hadAlpha;
    }
    void Print(std::FILE* err) const;
};

// Reads a typed colour: a hexadecimal code or any CSS colour. Text that is
// no colour gets its error line "TEXT error: MESSAGE" in `out`.
std::optional<CssColour> ReadTypedColour(std::string_view text, std::string& out, Language language);

// Calls line(code, buffer) for each typed colour (the values, else the
// lines of standard input); line appends the code's whole line and returns
// false when it failed. Text that is no colour gets its error line; colours
// mapped into sRGB and alphas dropped are noted on err at the end. The
// status is 1 when any line failed, else 0.
template <typename Line>
int ForEachTypedCode(const std::vector<std::string>& values, std::FILE* in, std::FILE* out, std::FILE* err,
                     Language language, Line&& line)
{
    Output output(out);
    bool failed = false;
    TypedColourNotes notes;
    ForEachCode(
        values, in, output,
        [&](std::string_view text) {
            if (const auto colour = ReadTypedColour(text, output.buffer(), language)) {
                notes.Take(text, *colour);
                failed |= !line(colour->code, output.buffer());
            } else {
                failed = true;
            }
            output.maybeFlush();
        },
        [&](std::string_view start) {
            AppendLineTooLong(output.buffer(), start, language);
            failed = true;
        });
    notes.Print(err);
    return failed ? 1 : 0;
}

// The colour tools: nearest, deltae, contrast and format.
int NearestCommand(const Options& opts, std::FILE* in, std::FILE* out, std::FILE* err);
int DeltaECommand(int argc, const char* const* argv, std::FILE* out, std::FILE* err);
int ContrastCommand(int argc, const char* const* argv, std::FILE* out, std::FILE* err);
int FormatCommand(int argc, const char* const* argv, std::FILE* in, std::FILE* out, std::FILE* err);
// Prints each typed code by the template (or predefined format); bare
// field names are the model's when a model is given.
int FormatCodes(std::string_view text, std::string_view model, const Options& opts, std::FILE* in, std::FILE* out,
                std::FILE* err);

// ycbcr and ypbpr by a standard (opts.video set): convert prints
// "RRGGBB Y Cb Cr -> RRGGBB" or "RRGGBB Y′ Pb Pr -> RRGGBB" (three decimals),
// reverse the typed values' nearest colour; values clamped to their range
// are noted on standard error.
int VideoConvert(const Options& opts, std::FILE* in, std::FILE* out, std::FILE* err);
int VideoReverse(const Options& opts, std::FILE* out, std::FILE* err);

// Reads --profile or --intent into opts; false when name is neither. A bad
// value sets problem.
bool ParseProfileOption(std::string_view name, std::string_view value, Options& opts,
                        std::optional<std::string>& problem);
// convert cmyk / reverse cmyk through opts.profile: "RRGGBB C M Y K ->
// RRGGBB" with ink percentages to two decimals (the colour back from the
// printed inks); reverse takes four percentages and prints the code.
int ProfileConvert(const Options& opts, std::FILE* in, std::FILE* out, std::FILE* err);
int ProfileReverse(const Options& opts, std::FILE* out, std::FILE* err);
int SampleCommand(int argc, const char* const* argv, std::FILE* out, std::FILE* err);
// bars [--matrix M] [--range R] [--bits N]: the 75 % and 100 % colour bars.
int BarsCommand(int argc, const char* const* argv, std::FILE* out, std::FILE* err);

// Generated palettes (palette_command.cpp): harmony KIND CODE, shades,
// tints and tones CODE N, gradient CODE1 CODE2 N [--space S], each printing
// one code per line or writing a table with --table OUT; and
// simulate KIND [--severity S] [CODE ...], one "RRGGBB -> RRGGBB" per code.
int HarmonyCommand(int argc, const char* const* argv, std::FILE* out, std::FILE* err);
int RampCommand(int argc, const char* const* argv, std::FILE* out, std::FILE* err);
int GradientCommand(int argc, const char* const* argv, std::FILE* out, std::FILE* err);
int SimulateCommand(int argc, const char* const* argv, std::FILE* in, std::FILE* out, std::FILE* err);

// palette IMAGE N [--table OUT] [--stats] (image_palette_command.cpp): the
// image's N most representative colours, "RRGGBB SHARE%" per line.
int ImagePaletteCommand(int argc, const char* const* argv, std::FILE* out, std::FILE* err);

}  // namespace qolvar::cli
