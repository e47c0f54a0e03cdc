// palette IMAGE N [--table OUT] [--stats]: the N most representative colours
// of an image (colour/imagepalette.h), one "RRGGBB SHARE%" line each, the
// largest share first; with --table OUT a colour table of them instead, each
// named by its share; --stats adds "mean dE00 X.XX" on standard error.
#include <QColorSpace>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "colour/imagepalette.h"
#include "colour/models.h"
#include "commands.h"
#include "messages.h"
#include "table/entry.h"
#include "table/lines.h"
#include "table_command.h"

namespace qolvar::cli {

namespace {

constexpr const char* kUsage = "palette IMAGE N [--table OUT] [--stats]";

int UsageError(std::FILE* err)
{
    std::fprintf(err, "qolvar-cli: usage: qolvar-cli %s\n", kUsage);
    return 2;
}

// The share as the lines and the table give it: percent with one decimal.
std::string ShareText(double share)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f%%", share * 100);
    return buf;
}

// The image's pixels as 0xAARRGGBB (the library ignores the alpha): in
// sRGB when the file names another colour space, 8 bits per channel.
// Problems are reported; none gives nothing.
std::optional<QImage> ReadImage(const std::string& path, std::FILE* err)
{
    QImageReader reader(QFile::decodeName(path.c_str()));
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        std::fprintf(err, "qolvar-cli: %s error: %s\n", path.c_str(),
                     CliText(CliMessage::ImageNotRead, UserLanguage(), {reader.errorString().toStdString()}).c_str());
        return std::nullopt;
    }
    image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    const QColorSpace space = image.colorSpace();
    if (!image.isNull() && space.isValid() && space != QColorSpace(QColorSpace::SRgb))
        image.convertToColorSpace(QColorSpace::SRgb);
    if (image.isNull()) {  // the conversions found no memory
        std::fprintf(err, "qolvar-cli: %s error: %s\n", path.c_str(),
                     CliText(CliMessage::NoMemory, UserLanguage()).c_str());
        return std::nullopt;
    }
    return image;
}

// The pixels of a 32-bit image, row after row. Its rows lie back to back
// (32-bit rows need no padding), so the image's own memory serves; the
// copy is only there should a row ever be padded.
std::span<const RGBCode> PixelsOf(const QImage& image, std::vector<RGBCode>& copy)
{
    static_assert(std::is_same_v<QRgb, RGBCode>);
    const auto width = static_cast<std::size_t>(image.width());
    const auto size = width * static_cast<std::size_t>(image.height());
    if (static_cast<std::size_t>(image.bytesPerLine()) == width * sizeof(QRgb))
        return {reinterpret_cast<const RGBCode*>(image.constBits()), size};
    copy.reserve(size);
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        copy.insert(copy.end(), row, row + width);
    }
    return copy;
}

bool WriteTable(const std::string& path, const std::vector<PaletteColour>& colours, std::FILE* err)
{
    QStringList lines;
    for (const PaletteColour& c : colours)
        lines << table::ProgramLine(CodeToColor(c.code), QString::fromStdString(ShareText(c.share)), {});
    return WriteMadeTable(path, lines, err);
}

}  // namespace

int ImagePaletteCommand(int argc, const char* const* argv, std::FILE* out, std::FILE* err)
{
    std::vector<std::string> values;
    std::optional<std::string> table;
    bool stats = false, valuesOnly = false;
    for (int i = 2; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (valuesOnly || !arg.starts_with("--")) {
            values.emplace_back(arg);
        } else if (arg == "--") {
            valuesOnly = true;
        } else if (arg == "--stats") {
            stats = true;
        } else if (arg == "--table" || arg.starts_with("--table=")) {
            std::string_view value;
            if (arg.starts_with("--table=")) {
                value = arg.substr(8);
            } else if (i + 1 < argc) {
                value = argv[++i];
            } else {
                std::fputs("qolvar-cli: '--table' needs a value\n", err);
                return 2;
            }
            if (value.empty()) {
                std::fputs("qolvar-cli: --table: needs a file name\n", err);
                return 2;
            }
            table = std::string(value);
        } else {
            std::fprintf(err, "qolvar-cli: unknown option %s\n", Quoted(arg).c_str());
            return 2;
        }
    }
    if (values.size() != 2) return UsageError(err);
    int count;
    try {
        count = static_cast<int>(ReadInt(values[1], PackedField("N", 1, kMaxImagePaletteColours)));
    } catch (const InputError& e) {
        std::fprintf(err, "qolvar-cli: %s\n", ErrorMessage(e).c_str());
        return 2;
    }

    if (table && RefusedTableExtension(table->c_str(), err)) return 2;
    const auto image = ReadImage(values[0], err);
    if (!image) return 1;
    std::vector<RGBCode> copy;
    const std::span<const RGBCode> pixels = PixelsOf(*image, copy);
    const std::vector<PaletteColour> colours = ImagePalette(pixels, count);
    if (table) {
        if (!WriteTable(*table, colours, err)) return 1;
    } else {
        std::string text;
        for (const PaletteColour& c : colours) {
            AppendHex(text, c.code);
            text += ' ' + ShareText(c.share) + '\n';
        }
        std::fputs(text.c_str(), out);
    }
    if (stats) {
        std::vector<RGBCode> codes;
        for (const PaletteColour& c : colours) codes.push_back(c.code);
        if (const auto mean = MeanDeltaE2000(pixels, codes)) std::fprintf(err, "mean dE00 %.2f\n", *mean);
    }
    return 0;
}

}  // namespace qolvar::cli
