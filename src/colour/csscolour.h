// CSS colours as people paste them: the named colours, hexadecimal codes
// and the functions rgb(), rgba(), hsl(), hsla(), hwb(), lab(), lch(),
// oklab(), oklch() and color() with the predefined colour spaces srgb,
// srgb-linear, display-p3, a98-rgb, prophoto-rgb, rec2020, xyz, xyz-d50 and
// xyz-d65.
//
// The syntax is that of the CSS Color 4 text: the legacy comma form for
// rgb() and hsl() (numbers only or percentages only in rgb(), no `none`),
// the modern blank-separated form for every function with an optional
// "/ alpha", `none` as zero, hues as numbers (degrees) or with deg, grad,
// rad or turn. Function and colour-space names and named colours are read
// in any letter case. Values beyond a component's range are clamped where
// CSS clamps them (rgb() channels, saturation, lightness, L, chroma,
// alpha).
//
// Conversions are in double precision with the text's matrices and
// transfer functions; lab() and lch() are under D50 and reach sRGB through
// the Bradford adaptation. A colour outside sRGB is brought into it by
// reducing its OKLCh chroma until the clipped colour lies within a ΔE-OK of
// 0.02 (the text's gamut mapping); the result says so. The final sRGB
// channels are rounded to the nearest byte, halves upwards as CSS rounds. Alpha is read and dropped: the
// result says when it was not 1.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "codes.h"
#include "oklab.h"

namespace qolvar {

struct CssColour {
    RGBCode code = 0;
    bool mapped = false;    // the colour lay outside sRGB and was mapped into it
    bool hadAlpha = false;  // an alpha other than 1 was given and dropped
};

// Reads one colour; blanks around it are ignored. Bare hexadecimal digits
// and "#…" codes read as ReadTypedHex reads them. Text that is no colour
// gives nothing, and `why` (when given) says what is wrong with it.
std::optional<CssColour> ReadCssColour(std::string_view text, std::string* why = nullptr);

// A colour's values in the CSS functions the program writes besides rgb()
// and hsl(), unrounded, by the same matrices and transfer functions:
//   hwb()                    hue in degrees 0 <= h < 360 (0 for a grey),
//                            whiteness and blackness in percent
//   lab() and lch()          CIE L*a*b* and L*C*h under D50 (Bradford from
//                            sRGB's D65), L 0..100, h in degrees 0 <= h < 360
//                            (0 when C < 0.005: a grey)
//   color(display-p3 …)      encoded channels, 0..1 for sRGB's colours
std::array<double, 3> CssHWBOf(RGBCode code);
std::array<double, 3> CssLabOf(RGBCode code);
std::array<double, 3> CssLChOf(RGBCode code);
std::array<double, 3> CssDisplayP3Of(RGBCode code);

// The colours that other parts of the library compute, made into codes as
// the functions above are read: a colour outside sRGB is gamut-mapped by the
// OKLCh chroma reduction (and `mapped` says so), the sRGB channels are
// rounded to bytes, halves upwards.
//   CssColourOfLinear   linear-light sRGB, 0..1 inside the gamut
//   CssColourOfEncoded  sRGB channels encoded with the sRGB curve, 0..1
//   CssColourOfOkLab    OKLab; L at or beyond 0 or 1 is black or white, as
//                       oklab() reads it
// Throws RangeError (OkLabTooLarge) for values that are not finite.
CssColour CssColourOfLinear(const std::array<double, 3>& linear);
CssColour CssColourOfEncoded(const std::array<double, 3>& encoded);
CssColour CssColourOfOkLab(const OkLab& lab);

// A code's linear-light sRGB (each byte / 255 decoded with the sRGB curve),
// and the linear-light sRGB of CIE L*a*b* under D50 as lab() reads it (the
// inverse of CssLabOf, unrounded and unmapped).
std::array<double, 3> CssLinearOf(RGBCode code);
std::array<double, 3> CssLabToLinear(const std::array<double, 3>& lab);

// The sRGB colour of CIE L*a*b* under D50 (as lab() reads it, and as
// colour-managed files hold Lab): adapted to D65 by the Bradford matrix,
// gamut-mapped when it lies outside sRGB. Non-finite values give black.
CssColour CssLabToSRGB(double L, double a, double b);

}  // namespace qolvar
