// The conditions a conversion runs under, as one value: the display gamma
// of RGB, the reference white of L*a*b* and L*u*v*, the Munsell renotation
// table and the Munsell method. Every conversion that depends on one of them
// takes the value; nothing in the library remembers a setting between calls.
#pragma once

#include <memory>

namespace qolvar {

// A white point in XYZ, single precision.
struct WhitePoint {
    float X, Y, Z;
    friend bool operator==(const WhitePoint&, const WhitePoint&) = default;
};
inline constexpr WhitePoint WhiteD65{0.95045f, 1.0f, 1.088917f};
inline constexpr WhitePoint WhiteC{0.98072165f, 1.0f, 1.1822538f};
inline constexpr WhitePoint WhiteA{1.09851f, 1.0f, 0.35582f};
// The ICC connection space's white. Under it, L*a*b* and L*u*v* take the
// XYZ adapted from D65 by the Bradford transform (as colour management
// does), not the bare ratio to the white that the other whites use.
inline constexpr WhitePoint WhiteD50{0.9642f, 1.0f, 0.8249f};

// Which conversion the Munsell model uses: the table search (the default)
// or the interpolation of the renotation samples.
enum class MunsellMethod { Search = 0, Renotation = 1 };

// A loaded renotation table (munsell.h). It never changes once loaded, so
// any number of conditions, in any threads, may share it.
class MunsellData;
using MunsellTablePtr = std::shared_ptr<const MunsellData>;

struct ConversionConditions {
    // RGB is linearised with c^gamma (and c^(1/gamma) on the way back).
    float gamma = 2.2f;
    // The reference white of L*a*b* and L*u*v*.
    WhitePoint white = WhiteD65;
    // The renotation table of the Munsell conversions; without one, coloured
    // Munsell conversions fail with RangeError (greys need none).
    MunsellTablePtr munsell;
    MunsellMethod method = MunsellMethod::Search;

    // The conditions with the Munsell notation by the renotation's
    // interpolation: what the window and the command line start with.
    static ConversionConditions WithRenotation()
    {
        ConversionConditions c;
        c.method = MunsellMethod::Renotation;
        return c;
    }
    // An ICC profile of the RGB and a video standard of the video models
    // would join these as further members, read by the conversions that
    // they change.
};

}  // namespace qolvar
