#include "deltae.h"

#include <cmath>
#include <numbers>

#include "cie.h"
#include "csscolour.h"
#include "numeric.h"

namespace qolvar {

namespace {

using num::Ext;

constexpr Ext Pi = std::numbers::pi_v<Ext>;

Ext Radians(Ext degrees) { return degrees * Pi / 180; }
Ext Degrees(Ext radians) { return radians * 180 / Pi; }
Ext Square(Ext x) { return x * x; }

// √(C⁷ / (C⁷ + 25⁷)): how far a chroma is from neutral, 0..1; it weighs
// both the a* stretch (G) and the rotation term (RT).
Ext ChromaWeight(Ext c)
{
    const Ext c7 = num::IntPower(c, 7);
    return std::sqrt(c7 / (c7 + 6103515625.0L));  // 25⁷
}

// Hue angle of (a', b') in degrees, 0 <= h < 360; 0 for the neutral axis.
Ext HueAngle(Ext b, Ext aPrime)
{
    if (aPrime == 0 && b == 0) return 0;
    Ext h = Degrees(std::atan2(b, aPrime));
    if (h < 0) h += 360;
    return h;
}

}  // namespace

long double DeltaE2000(const LabValue& lab1, const LabValue& lab2)
{
    const Ext c1 = std::hypot(lab1.a, lab1.b), c2 = std::hypot(lab2.a, lab2.b);
    const Ext g = (1 - ChromaWeight((c1 + c2) / 2)) / 2;
    const Ext a1 = (1 + g) * lab1.a, a2 = (1 + g) * lab2.a;
    const Ext cp1 = std::hypot(a1, lab1.b), cp2 = std::hypot(a2, lab2.b);
    const Ext hp1 = HueAngle(lab1.b, a1), hp2 = HueAngle(lab2.b, a2);
    const bool neutral = cp1 * cp2 == 0;

    const Ext dL = lab2.L - lab1.L;
    const Ext dC = cp2 - cp1;
    Ext dh = 0;
    if (!neutral) {
        dh = hp2 - hp1;
        if (dh > 180)
            dh -= 360;
        else if (dh < -180)
            dh += 360;
    }
    const Ext dH = 2 * std::sqrt(cp1 * cp2) * std::sin(Radians(dh / 2));

    const Ext lMean = (lab1.L + lab2.L) / 2;
    const Ext cMean = (cp1 + cp2) / 2;
    Ext hMean = hp1 + hp2;
    if (!neutral) {
        if (std::fabs(hp1 - hp2) <= 180)
            hMean /= 2;
        else if (hMean < 360)
            hMean = (hMean + 360) / 2;
        else
            hMean = (hMean - 360) / 2;
    }

    const Ext t = 1 - 0.17L * std::cos(Radians(hMean - 30)) + 0.24L * std::cos(Radians(2 * hMean)) +
                  0.32L * std::cos(Radians(3 * hMean + 6)) - 0.20L * std::cos(Radians(4 * hMean - 63));
    const Ext l50 = Square(lMean - 50);
    const Ext sl = 1 + 0.015L * l50 / std::sqrt(20 + l50);
    const Ext sc = 1 + 0.045L * cMean;
    const Ext sh = 1 + 0.015L * cMean * t;
    const Ext dTheta = 30 * std::exp(-Square((hMean - 275) / 25));
    const Ext rt = -std::sin(Radians(2 * dTheta)) * 2 * ChromaWeight(cMean);

    const Ext l = dL / sl, c = dC / sc, h = dH / sh;
    const Ext e = std::sqrt(l * l + c * c + h * h + rt * c * h);
    if (!std::isfinite(e)) num::ThrowOverflow();
    return e;
}

std::optional<NearestColour> NearestByDeltaE(const LabValue& lab, std::span<const LabValue> candidates)
{
    std::optional<NearestColour> best;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const long double d = DeltaE2000(lab, candidates[i]);
        if (!best || d < best->deltaE) best = NearestColour{i, d};
    }
    return best;
}

LabValue LabOf(RGBCode code, const ConversionConditions& c)
{
    TColorVec v;
    RGBToLab(code, v, c);
    return {v[0], v[1], v[2]};
}

LabValue SRGBLabD65(RGBCode code)
{
    static constexpr double m[3][3] = {
        {506752.0 / 1228815, 87881.0 / 245763, 12673.0 / 70218},
        {87098.0 / 409605, 175762.0 / 245763, 12673.0 / 175545},
        {7918.0 / 409605, 87881.0 / 737289, 1001167.0 / 1053270},
    };
    constexpr double kappa = 24389.0 / 27, epsilon = 216.0 / 24389;
    const std::array<double, 3> rgb = CssLinearOf(code);
    double f[3];
    for (int i = 0; i < 3; ++i) {
        const double white = m[i][0] + m[i][1] + m[i][2];
        const double r = (m[i][0] * rgb[0] + m[i][1] * rgb[1] + m[i][2] * rgb[2]) / white;
        f[i] = r > epsilon ? std::cbrt(r) : (kappa * r + 16) / 116;
    }
    return {116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])};
}

}  // namespace qolvar
