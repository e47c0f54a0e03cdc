// CIEDE2000 colour difference (ΔE00) between two CIE L*a*b* colours.
//
//   C*  = √(a² + b²) of each colour, C̄ their mean
//   G   = ½ (1 − √(C̄⁷ / (C̄⁷ + 25⁷)))       a' = (1 + G) a
//   C'  = √(a'² + b²)    h' = atan2(b, a') in degrees 0..360 (0 when a' = b = 0)
//   ΔL' = L₂ − L₁        ΔC' = C'₂ − C'₁
//   Δh' = h'₂ − h'₁ taken the short way round (0 when either C' is 0)
//   ΔH' = 2 √(C'₁ C'₂) sin(Δh' / 2)
//   L̄', C̄' the means; h̄' the mean hue the short way round (the sum when
//   either C' is 0)
//   T   = 1 − 0.17 cos(h̄' − 30°) + 0.24 cos 2h̄' + 0.32 cos(3h̄' + 6°) − 0.20 cos(4h̄' − 63°)
//   SL  = 1 + 0.015 (L̄' − 50)² / √(20 + (L̄' − 50)²)
//   SC  = 1 + 0.045 C̄'       SH = 1 + 0.015 C̄' T
//   RT  = −sin(2 Δθ) · 2 √(C̄'⁷ / (C̄'⁷ + 25⁷)),  Δθ = 30° exp(−((h̄' − 275°) / 25°)²)
//   ΔE00 = √((ΔL'/SL)² + (ΔC'/SC)² + (ΔH'/SH)² + RT (ΔC'/SC)(ΔH'/SH))
//
// with the parametric weights kL = kC = kH = 1. The arithmetic is extended
// precision throughout; the result matches the 34 published test pairs of
// the formula to four decimals, the hue discontinuities included. The
// difference is symmetric and 0 for equal colours.
#pragma once

#include <cstddef>
#include <optional>
#include <span>

#include "codes.h"
#include "conditions.h"

namespace qolvar {

struct LabValue {
    long double L = 0, a = 0, b = 0;
};

// The L*a*b* of a colour under the conditions (RGBToLab), as a LabValue.
LabValue LabOf(RGBCode code, const ConversionConditions& c);

// The L*a*b* of an sRGB code under D65: the sRGB curve, the sRGB matrix to
// XYZ and the white of that matrix (the XYZ of linear 1, 1, 1), not the
// program's gamma and white of the CIE models. For colours that are sRGB
// whatever the conditions: pixels, simulated colours.
LabValue SRGBLabD65(RGBCode code);

// ΔE00 of two L*a*b* colours (L* 0..100, a*, b* about −128..128; any finite
// values are accepted). Throws FloatError (overflow) when values so large
// that the powers overflow make the result not finite.
long double DeltaE2000(const LabValue& lab1, const LabValue& lab2);

struct NearestColour {
    std::size_t index;  // into the candidates
    long double deltaE;
};

// The candidate with the least ΔE00 from lab, the first of equals; none when
// there are no candidates.
std::optional<NearestColour> NearestByDeltaE(const LabValue& lab, std::span<const LabValue> candidates);

}  // namespace qolvar
