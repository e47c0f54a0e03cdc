#include "oklab.h"

#include <cmath>

#include "errors.h"
#include "models.h"
#include "numtext.h"

namespace qolvar {

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;
using Vec = std::array<double, 3>;

// The published OKLab matrices for linear sRGB: M1 takes linear R, G, B to
// the cone responses L, M, S; M2 takes their cube roots to L, a, b. The
// inverses are the published inverses, not recomputed here.
constexpr Matrix kM1{{
    {0.4122214708, 0.5363325363, 0.0514459929},
    {0.2119034982, 0.6806995451, 0.1073969566},
    {0.0883024619, 0.2817188376, 0.6299787005},
}};
constexpr Matrix kM2{{
    {0.2104542553, 0.7936177850, -0.0040720468},
    {1.9779984951, -2.4285922050, 0.4505937099},
    {0.0259040371, 0.7827717662, -0.8086757660},
}};
constexpr Matrix kM2Inverse{{
    {1.0, 0.3963377774, 0.2158037573},
    {1.0, -0.1055613458, -0.0638541728},
    {1.0, -0.0894841775, -1.2914855480},
}};
constexpr Matrix kM1Inverse{{
    {4.0767416621, -3.3077115913, 0.2309699292},
    {-1.2684380046, 2.6097574011, -0.3413193965},
    {-0.0041960863, -0.7034186147, 1.7076147010},
}};

// A chroma below this shows as 0.0000: the colour has no hue.
constexpr double kAchromatic = 0.00005;
constexpr double kPi = 3.14159265358979323846;

Vec Multiply(const Matrix& m, const Vec& v)
{
    Vec r{};
    for (std::size_t i = 0; i < 3; ++i) r[i] = m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
    return r;
}

// The sRGB transfer function, decoding (byte fraction to linear light) and
// encoding; the encoding continues linearly below 0 so that colours outside
// the gamut stay outside.
double Decode(double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); }
double Encode(double c) { return c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1 / 2.4) - 0.055; }

std::string Fixed(double v, int decimals) { return FixedText(v, decimals, 1); }

}  // namespace

OkLab RGBToOkLab(RGBCode code)
{
    return LinearSRGBToOkLab(
        {Decode(((code >> 16) & 0xFF) / 255.0), Decode(((code >> 8) & 0xFF) / 255.0), Decode((code & 0xFF) / 255.0)});
}

OkLab LinearSRGBToOkLab(const std::array<double, 3>& rgb)
{
    Vec lms = Multiply(kM1, rgb);
    for (double& c : lms) c = std::cbrt(c);
    const Vec lab = Multiply(kM2, lms);
    return {lab[0], lab[1], lab[2]};
}

std::array<double, 3> OkLabToLinearSRGB(const OkLab& lab)
{
    Vec lms = Multiply(kM2Inverse, {lab.L, lab.a, lab.b});
    for (double& c : lms) c = c * c * c;
    return Multiply(kM1Inverse, lms);
}

OkLCh OkLabToOkLCh(const OkLab& lab)
{
    const double c = std::hypot(lab.a, lab.b);
    if (c < kAchromatic) return {lab.L, c, 0};
    double h = std::atan2(lab.b, lab.a) * 180 / kPi;
    if (h < 0) h += 360;
    if (h >= 360) h = 0;
    return {lab.L, c, h};
}

OkLab OkLChToOkLab(const OkLCh& lch)
{
    const double rad = lch.h * kPi / 180;
    return {lch.L, lch.C * std::cos(rad), lch.C * std::sin(rad)};
}

OkRGB OkLabToRGB(const OkLab& lab)
{
    const Vec rgb = OkLabToLinearSRGB(lab);
    OkRGB result;
    for (const double linear : rgb) {
        if (!std::isfinite(linear)) throw RangeError(Message{MessageId::OkLabTooLarge, {}, nullptr});
        double byte = std::nearbyint(Encode(linear) * 255);
        if (byte < 0 || byte > 255) {
            result.clamped = true;
            byte = byte < 0 ? 0 : 255;
        }
        result.code = result.code << 8 | static_cast<RGBCode>(byte);
    }
    return result;
}

std::array<double, 3> OkValues(OkModel model, RGBCode code)
{
    const OkLab lab = RGBToOkLab(code);
    if (model == OkModel::OkLab) return {lab.L, lab.a, lab.b};
    const OkLCh lch = OkLabToOkLCh(lab);
    return {lch.L, lch.C, lch.h};
}

std::array<std::string, 3> OkValueTexts(OkModel model, const std::array<double, 3>& values)
{
    const ModelInfo& info = InfoOf(model == OkModel::OkLab ? Model::OkLab : Model::OkLCh);
    std::array<std::string, 3> texts;
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = Fixed(values[i], info.fields[i].decimals);
    if (model == OkModel::OkLCh && texts[2] == "360.00") texts[2] = "0.00";
    return texts;
}

OkRGB OkValuesToRGB(OkModel model, const std::array<double, 3>& values)
{
    if (model == OkModel::OkLab) return OkLabToRGB({values[0], values[1], values[2]});
    return OkLabToRGB(OkLChToOkLab({values[0], values[1], values[2]}));
}

}  // namespace qolvar
