// Colour management on the command line: CMYK through an ICC profile
// (convert cmyk --profile, reverse cmyk --profile) and an image's pixel
// through its embedded profile (sample).
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <array>
#include <charconv>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <string>
#include <string_view>
#include <system_error>
#include <thread>

#include "colour/colourformat.h"
#include "colour/icc.h"
#include "commands.h"
#include "image/imagecolour.h"
#include "messages.h"

namespace qolvar::cli {

namespace {

// An ink percentage in hundredths, rounded half to even, clipped to
// 0..100 first (the profile's pipeline may overshoot by rounding). The
// product with 100 is exact in extended precision, so the rounding is that
// of the exact value, as correctly rounded decimal printing gives.
long Hundredths(double v)
{
    v = v >= 0.0 ? (v <= 100.0 ? v : 100.0) : 0.0;
    return std::lrint(static_cast<long double>(v) * 100);
}

void AppendHundredths(std::string& out, long h)
{
    char buf[8];
    char* p = buf + sizeof buf;
    *--p = static_cast<char>('0' + h % 10);
    *--p = static_cast<char>('0' + h / 10 % 10);
    *--p = '.';
    long whole = h / 100;
    do {
        *--p = static_cast<char>('0' + whole % 10);
        whole /= 10;
    } while (whole > 0);
    *--p = ' ';
    out.append(p, buf + sizeof buf);
}

std::optional<icc::CMYKConverter> OpenConverter(const Options& opts, std::FILE* err)
{
    try {
        return icc::CMYKConverter(icc::Profile::Open(*opts.profile), opts.intent, opts.blackPoint);
    } catch (const icc::ProfileError& e) {
        std::fprintf(err, "qolvar-cli: %s\n", e.what());
        return std::nullopt;
    }
}

}  // namespace

bool ParseProfileOption(std::string_view name, std::string_view value, Options& opts,
                        std::optional<std::string>& problem)
{
    if (name == "--profile") {
        if (value.empty()) problem = "needs a file name";
        opts.profile = std::string(value);
        return true;
    }
    if (name == "--intent") {
        if (const auto intent = icc::ParseIntent(value))
            opts.intent = *intent;
        else
            problem = "invalid value " + Quoted(value) + " (perceptual, relative, saturation or absolute)";
        opts.intentGiven = true;
        return true;
    }
    return false;
}

namespace {

// A batch of input lines and what their conversion gives. Lines that are no
// colour keep their place with their error text.
struct Batch {
    struct Line {
        RGBCode code = 0;
        std::size_t errorStart = 0, errorEnd = 0;  // in errors, when the line is no colour
    };
    std::vector<Line> lines;
    std::vector<RGBCode> codes;
    std::string errors;
    std::vector<icc::Ink> inks, printed;
    std::vector<std::array<long, 4>> hundredths;
    std::vector<RGBCode> backs;

    // The inks of codes[begin, end) in hundredths, then the colour back from
    // the inks as printed (what reverse gives for them).
    void Convert(const icc::CMYKConverter& converter, std::size_t begin, std::size_t end)
    {
        const std::size_t n = end - begin;
        converter.ToInk(std::span(codes.data() + begin, n), std::span(inks.data() + begin, n));
        for (std::size_t i = begin; i < end; ++i) {
            const icc::Ink& ink = inks[i];
            std::array<long, 4>& h = hundredths[i];
            h = {Hundredths(ink.c), Hundredths(ink.m), Hundredths(ink.y), Hundredths(ink.k)};
            printed[i] = icc::Ink{static_cast<double>(h[0]) / 100, static_cast<double>(h[1]) / 100,
                                  static_cast<double>(h[2]) / 100, static_cast<double>(h[3]) / 100};
        }
        converter.ToCode(std::span<const icc::Ink>(printed.data() + begin, n), std::span(backs.data() + begin, n));
    }
    void Size()
    {
        inks.resize(codes.size());
        printed.resize(codes.size());
        hundredths.resize(codes.size());
        backs.resize(codes.size());
    }
    void Clear()
    {
        lines.clear();
        codes.clear();
        errors.clear();
    }
};

// A second thread that converts the head of one batch at a time while the
// calling thread reads the next lines and writes the last results: the
// profile's transforms are most of the work, and they keep no state between
// pixels, so both threads may use them at once.
class ConversionWorker {
public:
    explicit ConversionWorker(const icc::CMYKConverter& converter) : converter_(converter)
    {
        try {
            thread_ = std::thread([this] { Run(); });
        } catch (const std::system_error&) {
            // No thread to be had: the caller converts everything itself.
        }
    }
    ~ConversionWorker()
    {
        if (!thread_.joinable()) return;
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }
    ConversionWorker(const ConversionWorker&) = delete;
    ConversionWorker& operator=(const ConversionWorker&) = delete;

    bool Running() const { return thread_.joinable(); }
    // Hands over codes[0, end) of the batch; the previous job must be done.
    void Start(Batch* batch, std::size_t end)
    {
        {
            std::lock_guard lock(mutex_);
            job_ = batch;
            end_ = end;
        }
        wake_.notify_all();
    }
    void Wait()
    {
        std::unique_lock lock(mutex_);
        done_.wait(lock, [this] { return job_ == nullptr; });
    }

private:
    void Run()
    {
        std::unique_lock lock(mutex_);
        for (;;) {
            wake_.wait(lock, [this] { return stop_ || job_ != nullptr; });
            if (job_ == nullptr) return;  // stopped with nothing left to do
            Batch* batch = job_;
            const std::size_t end = end_;
            lock.unlock();
            batch->Convert(converter_, 0, end);
            lock.lock();
            job_ = nullptr;
            done_.notify_all();
        }
    }

    const icc::CMYKConverter& converter_;
    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable wake_, done_;
    Batch* job_ = nullptr;
    std::size_t end_ = 0;
    bool stop_ = false;
};

}  // namespace

int ProfileConvert(const Options& opts, std::FILE* in, std::FILE* out, std::FILE* err)
{
    const auto converter = OpenConverter(opts, err);
    if (!converter) return 2;
    const Language language = UserLanguage();
    // Lines are gathered and converted in batches: the transforms run several
    // times faster over many pixels than one at a time. While the worker
    // converts one batch, this thread writes the one before and reads the
    // next; it converts the last part of each batch itself, as much as
    // keeps both threads busy.
    constexpr std::size_t kBatch = 2048;
    Batch batches[2];
    Batch* filling = &batches[0];
    Batch* converting = nullptr;  // handed to the worker, not yet written
    for (Batch& b : batches) {
        b.lines.reserve(kBatch);
        b.codes.reserve(kBatch);
    }
    Output output(out);
    bool failed = false;
    TypedColourNotes notes;
    ConversionWorker worker(*converter);

    auto write = [&](Batch& batch) {
        std::size_t next = 0;
        std::string& buffer = output.buffer();
        for (const Batch::Line& line : batch.lines) {
            if (line.errorEnd > line.errorStart) {
                buffer.append(batch.errors, line.errorStart, line.errorEnd - line.errorStart);
            } else {
                AppendHex(buffer, line.code);
                for (long h : batch.hundredths[next]) AppendHundredths(buffer, h);
                buffer.append(" -> ");
                AppendHex(buffer, batch.backs[next++]);
                buffer.push_back('\n');
            }
            output.maybeFlush();
        }
        batch.Clear();
    };
    // Starts the conversion of the batch just read, then writes the one
    // before while the worker converts.
    auto flush = [&] {
        Batch& batch = *filling;
        batch.Size();
        const std::size_t n = batch.codes.size();
        // This thread also reads and writes, a small part of the work next
        // to the conversion: it converts two fifths, the worker the rest.
        const std::size_t split = n * 3 / 5;
        Batch* previous = converting;
        if (previous) worker.Wait();
        if (worker.Running())
            worker.Start(&batch, split);
        else
            batch.Convert(*converter, 0, split);
        batch.Convert(*converter, split, n);
        if (previous) write(*previous);
        converting = &batch;
        filling = filling == &batches[0] ? &batches[1] : &batches[0];
    };
    ForEachCode(
        opts.values, in, output,
        [&](std::string_view text) {
            Batch& batch = *filling;
            const std::size_t mark = batch.errors.size();
            if (const auto colour = ReadTypedColour(text, batch.errors, language)) {
                notes.Take(text, *colour);
                batch.lines.push_back(Batch::Line{colour->code & 0xFFFFFF});
                batch.codes.push_back(colour->code & 0xFFFFFF);
            } else {
                batch.lines.push_back(Batch::Line{0, mark, batch.errors.size()});
                failed = true;
            }
            if (batch.lines.size() == kBatch) flush();
        },
        [&](std::string_view start) {
            Batch& batch = *filling;
            const std::size_t mark = batch.errors.size();
            AppendLineTooLong(batch.errors, start, language);
            batch.lines.push_back(Batch::Line{0, mark, batch.errors.size()});
            failed = true;
            if (batch.lines.size() == kBatch) flush();
        });
    flush();
    worker.Wait();
    write(*converting);
    notes.Print(err);
    return failed ? 1 : 0;
}

int ProfileReverse(const Options& opts, std::FILE* out, std::FILE* err)
{
    if (opts.values.size() != 4) {
        std::fputs("qolvar-cli: reverse cmyk --profile takes four ink percentages C M Y K (0..100)\n", err);
        return 2;
    }
    double ink[4];
    try {
        for (std::size_t i = 0; i < 4; ++i) {
            ink[i] = ReadDouble(opts.values[i]);
            if (!(ink[i] >= 0.0 && ink[i] <= 100.0))
                throw InputError(CliText(CliMessage::OutOfRange, UserLanguage(), {QuotedValue(opts.values[i])}));
        }
    } catch (const InputError& e) {
        std::fprintf(err, "qolvar-cli: %s\n", e.what());
        return 2;
    }
    const auto converter = OpenConverter(opts, err);
    if (!converter) return 2;
    std::fprintf(out, "%s\n", CodeToHex(converter->ToCode(icc::Ink{ink[0], ink[1], ink[2], ink[3]})).c_str());
    return std::fflush(out) == 0 ? 0 : 1;
}

// sample IMAGE X Y [--average N] [--format F]: the sRGB colour of one pixel
// (or of the N×N square around it) of an image, through the image's
// embedded ICC profile when it has one. Which profile served is said on
// standard error.
int SampleCommand(int argc, const char* const* argv, std::FILE* out, std::FILE* err)
{
    constexpr const char* kUsage = "qolvar-cli: usage: qolvar-cli sample IMAGE X Y [--average N] [--format F]\n";
    std::vector<std::string> values;
    std::string format = "hex";
    int average = 1;
    bool valuesOnly = false;
    for (int i = 2; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (valuesOnly || !arg.starts_with("--")) {
            values.emplace_back(arg);
            continue;
        }
        if (arg == "--") {
            valuesOnly = true;
            continue;
        }
        std::string_view name = arg, value;
        if (const auto eq = arg.find('='); eq != std::string_view::npos) {
            name = arg.substr(0, eq);
            value = arg.substr(eq + 1);
        } else if (i + 1 < argc) {
            value = argv[++i];
        } else {
            std::fprintf(err, "qolvar-cli: %s needs a value\n", Quoted(arg).c_str());
            return 2;
        }
        if (name == "--average") {
            int n = 0;
            const auto res = std::from_chars(value.data(), value.data() + value.size(), n);
            if (res.ec != std::errc() || res.ptr != value.data() + value.size() || n < 1 || n > 101 || n % 2 == 0) {
                std::fprintf(err, "qolvar-cli: --average: invalid value %s (an odd number 1..101)\n",
                             Quoted(value).c_str());
                return 2;
            }
            average = n;
        } else if (name == "--format") {
            format = std::string(value);
        } else {
            std::fprintf(err, "qolvar-cli: unknown option %s\n", Quoted(name).c_str());
            return 2;
        }
    }
    if (values.size() != 3) {
        std::fputs(kUsage, err);
        return 2;
    }
    int xy[2] = {0, 0};
    for (int k = 0; k < 2; ++k) {
        const std::string& v = values[static_cast<std::size_t>(k) + 1];
        const auto res = std::from_chars(v.data(), v.data() + v.size(), xy[k]);
        if (res.ec != std::errc() || res.ptr != v.data() + v.size() || xy[k] < 0) {
            std::fprintf(err, "qolvar-cli: %s is not a pixel position (a whole number from 0)\n", Quoted(v).c_str());
            return 2;
        }
    }
    Options opts;
    std::optional<ColourTemplate> templ;
    try {
        templ.emplace(format);
    } catch (const ColourError& e) {
        std::fprintf(err, "qolvar-cli: --format: %s\n", ErrorMessage(e).c_str());
        return 2;
    }
    if (templ->Uses(Model::Munsell) && !LoadMunsellFor(opts, err)) return 2;

    const std::string& path = values[0];
    QImageReader reader(QFile::decodeName(path.c_str()));
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        std::fprintf(err, "qolvar-cli: %s error: %s\n", path.c_str(),
                     CliText(CliMessage::ImageNotRead, UserLanguage(), {reader.errorString().toStdString()}).c_str());
        return 1;
    }
    const ImageColours colours(image);
    const auto code = colours.Sample(xy[0], xy[1], average);
    if (!code) {
        std::fprintf(err, "qolvar-cli: %s: (%d, %d) lies outside the image (%d x %d pixels)\n", path.c_str(), xy[0],
                     xy[1], image.width(), image.height());
        return 2;
    }
    std::string text;
    try {
        text = templ->Format(*code, opts.conditions);
    } catch (const ColourError& e) {
        std::fprintf(err, "qolvar-cli: error: %s\n", ErrorMessage(e).c_str());
        return 1;
    }
    if (colours.ThroughProfile())
        std::fprintf(err, "qolvar-cli: note: through the image's profile '%s'\n",
                     colours.ProfileName().toStdString().c_str());
    else if (!colours.ProfileProblem().isEmpty())
        std::fprintf(err, "qolvar-cli: note: the image's profile was not used: %s; read as sRGB\n",
                     colours.ProfileProblem().toStdString().c_str());
    std::fprintf(out, "%s\n", text.c_str());
    return std::fflush(out) == 0 ? 0 : 1;
}

}  // namespace qolvar::cli
