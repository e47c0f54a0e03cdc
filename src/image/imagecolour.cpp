#include "image/imagecolour.h"

#include <QColorSpace>
#include <exception>

namespace qolvar {

ImageColours::ImageColours(const QImage& image)
{
    // A profile that Qt cannot use itself still comes with its bytes.
    const QByteArray icc = image.colorSpace().iccProfile();
    if (!icc.isEmpty()) {
        try {
            auto profile = icc::Profile::FromBytes(std::span(reinterpret_cast<const unsigned char*>(icc.constData()),
                                                             static_cast<std::size_t>(icc.size())),
                                                   "the image's profile");
            profile->Require(icc::Space::RGB, "an RGB profile");
            converter_ = std::make_unique<icc::ToSRGB>(profile, icc::Intent::Relative);
        } catch (const std::exception& e) {  // the profile refused, or no memory for it
            problem_ = QString::fromStdString(e.what());
        }
    }
    // Device values as 8-bit channels; the colour space tag is dropped so
    // that Qt does not convert them itself.
    image_ = image.convertToFormat(QImage::Format_RGB32);
    image_.setColorSpace(QColorSpace());
}

QString ImageColours::ProfileName() const
{
    return converter_ ? QString::fromStdString(converter_->Source().Description()) : QString();
}

std::optional<RGBCode> ImageColours::Sample(int x, int y, int size) const
{
    if (size < 1 || size % 2 == 0 || x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) return std::nullopt;
    const int half = size / 2;
    const int x0 = std::max(0, x - half), x1 = std::min(image_.width() - 1, x + half);
    const int y0 = std::max(0, y - half), y1 = std::min(image_.height() - 1, y + half);
    std::uint64_t sum[3] = {0, 0, 0};
    for (int row = y0; row <= y1; ++row) {
        const auto* line = reinterpret_cast<const QRgb*>(image_.constScanLine(row));
        for (int col = x0; col <= x1; ++col) {
            sum[0] += static_cast<std::uint64_t>(qRed(line[col]));
            sum[1] += static_cast<std::uint64_t>(qGreen(line[col]));
            sum[2] += static_cast<std::uint64_t>(qBlue(line[col]));
        }
    }
    const auto count = static_cast<std::uint64_t>(x1 - x0 + 1) * static_cast<std::uint64_t>(y1 - y0 + 1);
    if (converter_) {
        const double device[3] = {static_cast<double>(sum[0]) / static_cast<double>(count) / 255.0,
                                  static_cast<double>(sum[1]) / static_cast<double>(count) / 255.0,
                                  static_cast<double>(sum[2]) / static_cast<double>(count) / 255.0};
        return converter_->Convert(device);
    }
    RGBCode code = 0;
    for (std::uint64_t s : sum) {
        // Nearest whole number, halves to even.
        std::uint64_t q = s / count, r = s % count;
        if (2 * r > count || (2 * r == count && (q & 1) != 0)) ++q;
        code = code << 8 | static_cast<RGBCode>(q);
    }
    return code;
}

}  // namespace qolvar
