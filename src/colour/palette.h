// Palettes made from colours, and how a colour looks with a colour-vision
// deficiency.
//
// Like oklab.h these stand apart from the exact models: ordinary double
// precision arithmetic. Every colour made is a code as CSS makes one
// (csscolour.h): a colour outside sRGB is brought into it by the CSS gamut
// mapping (OKLCh chroma reduced until the clipped colour is within ΔE-OK
// 0.02 of it), and `mapped` says so; channels round to bytes, halves
// upwards. The colours a palette starts or ends with are exactly the codes
// given (and black or white), not recomputed.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <vector>

#include "codes.h"
#include "csscolour.h"

namespace qolvar {

// Hue harmonies in OKLCh: the colour first, then the colour with its hue
// turned by these angles, lightness and chroma kept:
//   Complementary  +180            Analogous  −30, +30
//   Triadic        +120, +240      Split      +150, +210
//   Tetradic       +90, +180, +270
// A grey has no hue to turn; its companions are the grey itself.
enum class Harmony { Complementary, Analogous, Triadic, Split, Tetradic };
std::vector<CssColour> HarmonyColours(RGBCode code, Harmony harmony);

// count colours evenly spaced on the straight line in OKLab from the colour
// to black (Shades), to white (Tints) or to the grey of the colour's OKLab
// lightness (Tones, chroma towards 0); the first is the colour, the last
// black, white or that grey. count is at least 2 (std::invalid_argument).
enum class Ramp { Shades, Tints, Tones };
std::vector<CssColour> RampColours(RGBCode code, Ramp ramp, int count);

// count colours evenly spaced from `from` to `to`, both included, on the
// straight line between them in the space:
//   OkLab       OKLab
//   Lab         CIE L*a*b* under D50, as CSS lab() (Bradford from sRGB's D65)
//   SRGB        the encoded sRGB channels (byte / 255)
//   LinearSRGB  linear-light sRGB
// count is at least 2 (std::invalid_argument).
enum class GradientSpace { OkLab, Lab, SRGB, LinearSRGB };
std::vector<CssColour> GradientColours(RGBCode from, RGBCode to, int count, GradientSpace space);

// Colour-vision deficiency by the model of Machado, Oliveira and Fernandes
// (2009): the L (protan), M (deutan) or S (tritan) cones' sensitivity
// shifted, severity 0 (normal vision) to 1 (dichromacy).
enum class Deficiency { Protan, Deutan, Tritan };

// The model's matrix for linear-light sRGB at the severity: the published
// matrix where the severity is a tenth, else the linear interpolation of
// the two published matrices either side of it. A severity outside 0..1
// (or no number) is std::invalid_argument.
std::array<std::array<double, 3>, 3> DeficiencyMatrix(Deficiency deficiency, double severity);

// The colour as the deficiency shows it: the code's linear-light sRGB times
// the matrix, each channel clamped to 0..1, encoded and rounded to a byte
// (halves upwards).
RGBCode SimulateDeficiency(RGBCode code, Deficiency deficiency, double severity);

// Two colours of a list that a deficiency shows alike: their indices
// (first < second) and the ΔE00 of their simulated colours.
struct LookAlikePair {
    std::size_t first = 0, second = 0;
    double deltaE = 0;
};

// The pairs of codes whose simulated colours (SimulateDeficiency at the
// severity, in D65 L*a*b* by SRGBLabD65) differ by less than `limit` ΔE00,
// ordered by first, then second. ΔE00 is at least |ΔL*| / SL, and SL is at
// most 1.75 for L* in 0..100, so only pairs nearer than 1.75 × limit in L*
// are measured: a list sorted by L* is swept once.
std::vector<LookAlikePair> LookAlikePairs(std::span<const RGBCode> codes, Deficiency deficiency, double severity,
                                          double limit);

}  // namespace qolvar
