// Colour management: ICC profiles and the transforms between them, over
// LittleCMS 2.
//
// A Profile is read once and never changes; any number of transforms and
// threads may share it. Transforms are built once per source and
// destination profile object, intent and black-point compensation and kept
// in a small process-wide cache, so asking again for the same conversion
// costs a lookup (keep the Profile to be found again). Transforms evaluate
// the profiles' pipelines in double precision (no precalculated device link),
// which is what the library's own calculator does for floating-point values.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "codes.h"

namespace qolvar::icc {

// The ICC rendering intents, numbered as in the profile format.
enum class Intent { Perceptual = 0, Relative = 1, Saturation = 2, Absolute = 3 };
// "perceptual", "relative", "saturation", "absolute" (either case).
std::optional<Intent> ParseIntent(std::string_view text) noexcept;
const char* IntentName(Intent intent) noexcept;

// The colour space of a profile's device side.
enum class Space { RGB, CMYK, Gray, Other };

// A profile that cannot be read or cannot serve: the message names the file
// (or the profile's label) and the reason, in English.
class ProfileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Profile;
using ProfilePtr = std::shared_ptr<const Profile>;

class Profile {
public:
    // The built-in sRGB (IEC 61966-2-1) profile.
    static ProfilePtr SRGB();
    // Reads a profile file (at most 64 MiB). Throws ProfileError naming path.
    static ProfilePtr Open(const std::string& path);
    // A profile from bytes, such as one embedded in an image; label names it
    // in messages. Throws ProfileError.
    static ProfilePtr FromBytes(std::span<const unsigned char> bytes, std::string label);

    ~Profile();
    Profile(const Profile&) = delete;
    Profile& operator=(const Profile&) = delete;

    Space DeviceSpace() const noexcept { return space_; }
    // The file name or label it was opened with.
    const std::string& Label() const noexcept { return label_; }
    // The profile's own description (its 'desc' tag, English where it has
    // several, as UTF-8 without control characters), or the label when it
    // has none.
    const std::string& Description() const noexcept { return description_; }
    // Whether the profile can convert from its device space to the
    // connection space (asInput) or back, for the intent.
    bool Serves(Intent intent, bool asInput) const noexcept;
    // Throws ProfileError unless the device space is `space` and the class is
    // one that converts device values (input, display, output or colour
    // space); `role` names the use in the message ("a CMYK profile").
    void Require(Space space, const char* role) const;

    void* Handle() const noexcept { return handle_; }  // cmsHPROFILE

private:
    Profile(void* handle, std::string label);
    void* handle_;
    std::string label_;
    std::string description_;
    Space space_ = Space::Other;
};

// A built transform. Pixels are interleaved doubles: RGB and Gray 0..1,
// CMYK 0..100 (ink percentages).
class Transform {
public:
    // The cached transform from `from` to `to`; builds it on first use.
    // Throws ProfileError when the library cannot make one.
    static std::shared_ptr<const Transform> Get(const ProfilePtr& from, const ProfilePtr& to, Intent intent,
                                                bool blackPointCompensation);
    ~Transform();
    Transform(const Transform&) = delete;
    Transform& operator=(const Transform&) = delete;

    // Converts `count` pixels; in and out hold count × channels doubles.
    void Apply(const double* in, double* out, std::size_t count) const noexcept;
    int InChannels() const noexcept { return inChannels_; }
    int OutChannels() const noexcept { return outChannels_; }

    // Transforms built since the process started (for tests and benchmarks).
    static std::size_t BuiltCount() noexcept;

private:
    Transform(void* handle, int inChannels, int outChannels);
    void* handle_;
    int inChannels_, outChannels_;
};

// Ink percentages 0..100.
struct Ink {
    double c = 0, m = 0, y = 0, k = 0;
};

// sRGB codes to a CMYK profile's inks and back, under one intent.
class CMYKConverter {
public:
    // Throws ProfileError unless `cmyk` is a CMYK profile that both ways can use.
    CMYKConverter(ProfilePtr cmyk, Intent intent, bool blackPointCompensation);
    Ink ToInk(RGBCode code) const noexcept;
    void ToInk(std::span<const RGBCode> codes, std::span<Ink> inks) const noexcept;
    // Ink values outside 0..100 are clipped first; the sRGB result is rounded
    // half to even and clipped to 0..255.
    RGBCode ToCode(const Ink& ink) const noexcept;
    void ToCode(std::span<const Ink> inks, std::span<RGBCode> codes) const noexcept;
    const Profile& CMYKProfile() const noexcept { return *profile_; }

private:
    ProfilePtr profile_;
    std::shared_ptr<const Transform> toInk_, toCode_;
};

// Device values of an RGB, Gray or CMYK profile (an image's, a monitor's)
// to sRGB codes.
class ToSRGB {
public:
    // Throws ProfileError unless the profile is RGB, Gray or CMYK and usable
    // as input.
    explicit ToSRGB(ProfilePtr source, Intent intent = Intent::Relative);
    // Channels 0..1 (CMYK 0..100), as many as the source space has.
    RGBCode Convert(std::span<const double> device) const noexcept;
    // An 8-bit RGB device code (the source must be an RGB profile).
    RGBCode Convert(RGBCode deviceCode) const noexcept;
    const Profile& Source() const noexcept { return *profile_; }
    int Channels() const noexcept { return transform_->InChannels(); }

private:
    ProfilePtr profile_;
    std::shared_ptr<const Transform> transform_;
};

// 0..1 sRGB channels to a code: each rounded half to even after scaling by
// 255 and clipped to 0..255 (NaN gives 0).
RGBCode UnitRGBToCode(const double* rgb) noexcept;

}  // namespace qolvar::icc
