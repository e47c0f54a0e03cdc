// The sRGB colour of an image's pixels. An image that embeds an ICC profile
// (PNG iCCP, JPEG APP2, TIFF, as Qt's readers hand it over) has its device
// values converted from that profile to sRGB (relative colorimetric); an
// image without one is taken as sRGB, its values unchanged.
#pragma once

#include <QImage>
#include <QString>
#include <memory>
#include <optional>

#include "colour/codes.h"
#include "colour/icc.h"

namespace qolvar {

class ImageColours {
public:
    // Never throws: an embedded profile that cannot serve is set aside and
    // the image read as sRGB, with the reason in ProfileProblem().
    explicit ImageColours(const QImage& image);

    // The colour of the size×size square centred on (x, y) (size odd, at
    // least 1): each device channel's mean over the square's pixels inside
    // the image, then converted through the profile; without a profile the
    // means are rounded half to even. Nullopt when (x, y) lies outside the
    // image or size is no odd positive number.
    std::optional<RGBCode> Sample(int x, int y, int size = 1) const;

    // Whether the pixels go through an embedded profile, and its name (the
    // profile's description).
    bool ThroughProfile() const { return converter_ != nullptr; }
    QString ProfileName() const;
    // Why an embedded profile was not used (empty when there was none or it
    // was used).
    const QString& ProfileProblem() const { return problem_; }

private:
    QImage image_;
    std::unique_ptr<icc::ToSRGB> converter_;
    QString problem_;
};

}  // namespace qolvar
