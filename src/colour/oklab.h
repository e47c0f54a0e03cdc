// OKLab and its cylindrical form OKLCh, for sRGB colours.
//
// These two models stand apart from the rest of the library: they are
// computed in double precision with the standard sRGB transfer function and
// the published OKLab matrices, not in the extended-precision sequence of
// the other models, and the display gamma and reference white of the CIE
// models do not enter.
//
//   byte c/255 → linear:  c / 12.92 for c <= 0.04045, else ((c + 0.055) / 1.055)^2.4
//   linear RGB →M1→ LMS → cube root of each → M2 → L, a, b
//   C = sqrt(a² + b²), h = atan2(b, a) in degrees, 0 <= h < 360
//
// Ranges for sRGB colours: L 0 (black) .. 1 (white); a about −0.23..0.28,
// b about −0.31..0.20; C 0..0.33. A colour whose chroma shows as 0.0000
// (C < 0.00005, every grey) is achromatic and its hue is 0.
//
// The way back inverts both steps, encodes with the sRGB curve and rounds
// each channel to the nearest byte; a channel whose byte would fall outside
// 0..255 is clamped, and the result says so.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "codes.h"

namespace qolvar {

// The two models (Model::OkLab and Model::OkLCh of models.h).
enum class OkModel { OkLab, OkLCh };

struct OkLab {
    double L = 0, a = 0, b = 0;
};
struct OkLCh {
    double L = 0, C = 0, h = 0;  // h in degrees
};

// A colour 0xRRGGBB (the bits above 24 are ignored).
OkLab RGBToOkLab(RGBCode code);
OkLCh OkLabToOkLCh(const OkLab& lab);
OkLab OkLChToOkLab(const OkLCh& lch);

struct OkRGB {
    RGBCode code = 0;
    bool clamped = false;  // a channel lay outside 0..255 and was clamped
};
// Linear-light sRGB (0..1 inside the gamut, any value outside it) and
// OKLab, both ways, unrounded.
OkLab LinearSRGBToOkLab(const std::array<double, 3>& rgb);
std::array<double, 3> OkLabToLinearSRGB(const OkLab& lab);

// The nearest sRGB colour. Throws RangeError for values so large that the
// arithmetic overflows.
OkRGB OkLabToRGB(const OkLab& lab);

// The model's three values (L a b, or L C h) of a colour, and its values
// as text: L, a, b and C with four decimals, h with two (a hue that rounds
// to 360.00 is 0.00), no minus sign on a value that rounds to zero.
std::array<double, 3> OkValues(OkModel model, RGBCode code);
std::array<std::string, 3> OkValueTexts(OkModel model, const std::array<double, 3>& values);

// The colour of three values of the model.
OkRGB OkValuesToRGB(OkModel model, const std::array<double, 3>& values);

}  // namespace qolvar
