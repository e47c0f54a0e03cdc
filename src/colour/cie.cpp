// CIE conversions. Notation in the comments: single(e) is a store to a float;
// everything else runs at extended precision, sums left to right.
#include "cie.h"

#include <cstring>

#include "numeric.h"

namespace qolvar {

using num::Ext;
using num::single;

namespace {

// Breakpoints of the CIE lightness function, extended decimal constants:
// ty above (6/29)^3 ≈ 0.008856 takes the cube root; L* below 7.9996
// (≈ 903.3 × 0.008856) takes the linear inverse.
constexpr Ext kLabEpsilon = 0.008856L;
constexpr Ext kLabLinearL = 7.9996L;
constexpr Ext kKappa = 903.3L;
// 16/116 written as the 17-digit decimal on purpose, not as 16.0L / 116: the
// linear form of L*a*b* is fixed to this constant. These are the digits of
// the double nearest 16/116; read as an extended constant they lie 51 ulps
// below the extended quotient 16/116.
constexpr Ext k16Over116 = 0.13793103448275862L;

// single(pow(single(byte / 255), gamma)) for one channel byte. The 256
// results depend only on the gamma, so they are computed once per gamma
// value; the values are the same as computing them on every call. Each
// thread keeps the table of the gamma it used last.
class Linearizer {
public:
    const float* table(float gamma)
    {
        std::uint32_t bits;
        std::memcpy(&bits, &gamma, sizeof bits);
        if (!valid_ || bits != gammaBits_) {
            for (int i = 0; i < 256; ++i) {
                const float c = single(static_cast<Ext>(i) / 255);
                table_[i] = single(num::Pow(c, gamma));
            }
            gammaBits_ = bits;
            valid_ = true;
        }
        return table_;
    }

private:
    float table_[256] = {};
    std::uint32_t gammaBits_ = 0;
    bool valid_ = false;
};

thread_local Linearizer linearizer;

// single(pow(c, 1/gamma)) → Round(c × 255), low 8 bits.
std::uint32_t Delinearize(float c, Ext inverseGamma)
{
    if (!(c >= 0))
        c = 0;
    else if (c > 1)
        c = 1;
    const float v = single(num::Pow(c, inverseGamma));
    return static_cast<std::uint32_t>(num::Round(v * 255.0L)) & 0xFF;
}

// L* of the lightness function from ty = Y / Yn (shared by L*a*b* and L*u*v*).
float Lightness(float ty, float cy) { return ty > kLabEpsilon ? single(116.0L * cy - 16) : single(kKappa * ty); }

}  // namespace

void RGBToXYZ(RGBCode code, TColorVec& vec, const ConversionConditions& c)
{
    const float* lin = linearizer.table(c.gamma);
    const Ext r = lin[(code >> 16) & 0xFF];
    const Ext g = lin[(code >> 8) & 0xFF];
    const Ext b = lin[code & 0xFF];
    vec[0] = single(0.412411L * r + 0.357585L * g + 0.180454L * b);
    vec[1] = single(0.212649L * r + 0.715169L * g + 0.072182L * b);
    vec[2] = single(0.019332L * r + 0.119195L * g + 0.950390L * b);
}

RGBCode XYZToRGB(const TColorVec& vec, const ConversionConditions& c)
{
    const Ext X = vec[0], Y = vec[1], Z = vec[2];
    const float r = single(3.240479L * X - 1.53715L * Y - 0.498535L * Z);
    const float g = single(-0.969256L * X + 1.875991L * Y + 0.041556L * Z);
    const float b = single(0.055648L * X - 0.204043L * Y + 1.057311L * Z);
    const Ext inverseGamma = num::Div(1, c.gamma);
    const std::uint32_t R = Delinearize(r, inverseGamma);
    const std::uint32_t G = Delinearize(g, inverseGamma);
    const std::uint32_t B = Delinearize(b, inverseGamma);
    return R * 65536 + G * 256 + B;
}

void XYZToYxy(TColorVec& vec)
{
    const float X = vec[0], Y = vec[1], Z = vec[2];
    const float s = single(static_cast<Ext>(X) + Y + Z);
    vec[2] = single(static_cast<Ext>(Y) * 100);
    if (s != 0) {
        vec[0] = single(static_cast<Ext>(X) / s);
        vec[1] = single(static_cast<Ext>(Y) / s);
    }
}

void YxyToXYZ(TColorVec& vec)
{
    const float x = vec[0], y = vec[1];
    const float Y = single(static_cast<Ext>(vec[2]) / 100);
    float X = 0, Z = 0;
    if (y != 0) {
        X = single(static_cast<Ext>(x) / y * Y);
        Z = single((1 - static_cast<Ext>(x) - y) / y * Y);
    }
    vec = {X, Y, Z};
}

namespace {

using Matrix3 = std::array<std::array<Ext, 3>, 3>;

Matrix3 Multiply(const Matrix3& a, const Matrix3& b)
{
    Matrix3 m{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) m[i][j] = a[i][0] * b[0][j] + a[i][1] * b[1][j] + a[i][2] * b[2][j];
    return m;
}

Matrix3 Inverse(const Matrix3& m)
{
    const Ext det = m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
                    m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
                    m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
    Matrix3 r{};
    r[0][0] = (m[1][1] * m[2][2] - m[1][2] * m[2][1]) / det;
    r[0][1] = (m[0][2] * m[2][1] - m[0][1] * m[2][2]) / det;
    r[0][2] = (m[0][1] * m[1][2] - m[0][2] * m[1][1]) / det;
    r[1][0] = (m[1][2] * m[2][0] - m[1][0] * m[2][2]) / det;
    r[1][1] = (m[0][0] * m[2][2] - m[0][2] * m[2][0]) / det;
    r[1][2] = (m[0][2] * m[1][0] - m[0][0] * m[1][2]) / det;
    r[2][0] = (m[1][0] * m[2][1] - m[1][1] * m[2][0]) / det;
    r[2][1] = (m[0][1] * m[2][0] - m[0][0] * m[2][1]) / det;
    r[2][2] = (m[0][0] * m[1][1] - m[0][1] * m[1][0]) / det;
    return r;
}

// The Bradford adaptation from D65 (the white of the program's XYZ) to the
// ICC connection space's D50, and back: cone responses by the Bradford
// matrix, scaled by the ratio of the two whites' responses.
struct Bradford {
    Matrix3 toD50, toD65;
    Bradford()
    {
        constexpr Matrix3 cone{
            {{0.8951L, 0.2664L, -0.1614L}, {-0.7502L, 1.7135L, 0.0367L}, {0.0389L, -0.0685L, 1.0296L}}};
        const Ext src[3] = {WhiteD65.X, WhiteD65.Y, WhiteD65.Z}, dst[3] = {WhiteD50.X, WhiteD50.Y, WhiteD50.Z};
        Matrix3 scale{};
        for (int i = 0; i < 3; ++i) {
            const Ext s = cone[i][0] * src[0] + cone[i][1] * src[1] + cone[i][2] * src[2];
            const Ext d = cone[i][0] * dst[0] + cone[i][1] * dst[1] + cone[i][2] * dst[2];
            scale[i][i] = d / s;
        }
        toD50 = Multiply(Inverse(cone), Multiply(scale, cone));
        toD65 = Inverse(toD50);
    }
};

const Bradford& BradfordD65D50()
{
    static const Bradford b;
    return b;
}

void Adapt(TColorVec& vec, const Matrix3& m)
{
    const Ext x = vec[0], y = vec[1], z = vec[2];
    vec = {single(m[0][0] * x + m[0][1] * y + m[0][2] * z), single(m[1][0] * x + m[1][1] * y + m[1][2] * z),
           single(m[2][0] * x + m[2][1] * y + m[2][2] * z)};
}

bool Adapts(const ConversionConditions& c) { return c.white == WhiteD50; }

}  // namespace

void XYZToLab(TColorVec& vec, const ConversionConditions& c)
{
    if (Adapts(c)) Adapt(vec, BradfordD65D50().toD50);
    const WhitePoint& w = c.white;
    const float tx = single(static_cast<Ext>(vec[0]) / w.X);
    const float ty = single(static_cast<Ext>(vec[1]) / w.Y);
    const float tz = single(static_cast<Ext>(vec[2]) / w.Z);
    const float cx = single(num::Pow(tx, num::OneThird));
    const float cy = single(num::Pow(ty, num::OneThird));
    const float cz = single(num::Pow(tz, num::OneThird));
    // One test on ty chooses the form for all three components.
    if (ty > kLabEpsilon) {
        vec[0] = single(116.0L * cy - 16);
        vec[1] = single((static_cast<Ext>(cx) - cy) * 500);
        vec[2] = single((static_cast<Ext>(cy) - cz) * 200);
    } else {
        const Ext fx = 7.787L * tx + k16Over116;
        const Ext fy = 7.787L * ty + k16Over116;
        const Ext fz = 7.787L * tz + k16Over116;
        vec[0] = single(kKappa * ty);
        vec[1] = single((fx - fy) * 500);
        vec[2] = single((fy - fz) * 200);
    }
}

void LabToXYZ(TColorVec& vec, const ConversionConditions& c)
{
    const WhitePoint& w = c.white;
    const Ext L = vec[0], a = vec[1], b = vec[2];
    float X, Y, Z;
    if (L < kLabLinearL) {
        // 3893.5 = 500 × 7.787 and 1557.4 = 200 × 7.787.
        Y = single(L / kKappa * w.Y);
        X = single((a / 3893.5L + Y) * w.X);
        Z = single((Y - b / 1557.4L) * w.Z);
    } else {
        const float fy = single((L + 16) / 116);
        float t = single(a / 500 + fy);
        X = single(num::IntPower(t, 3) * w.X);
        Y = single(num::IntPower(fy, 3) * w.Y);
        t = single(fy - b / 200);
        Z = single(num::IntPower(t, 3) * w.Z);
    }
    vec = {X, Y, Z};
    if (Adapts(c)) Adapt(vec, BradfordD65D50().toD65);
}

namespace {
struct WhiteUV {
    float un, vn;
};
WhiteUV WhiteChromaticity(const WhitePoint& w)
{
    const Ext den = 15.0L * w.Y + w.X + 3.0L * w.Z;
    return {single(num::Div(4.0L * w.X, den)), single(num::Div(9.0L * w.Y, den))};
}
}  // namespace

void XYZToLuv(TColorVec& vec, const ConversionConditions& c)
{
    const WhitePoint& white = c.white;
    if (Adapts(c)) Adapt(vec, BradfordD65D50().toD50);
    const float X = vec[0], Y = vec[1], Z = vec[2];
    const float ty = single(static_cast<Ext>(Y) / white.Y);
    const float cy = single(num::Pow(ty, num::OneThird));
    const float L = Lightness(ty, cy);
    const WhiteUV w = WhiteChromaticity(white);
    const Ext d = 15.0L * Y + X + 3.0L * Z;
    float u = w.un, v = w.vn;  // black takes the white's chromaticity
    if (d != 0) {
        u = single(4.0L * X / d);
        v = single(9.0L * Y / d);
    }
    vec[0] = L;
    vec[1] = single(13.0L * L * (static_cast<Ext>(u) - w.un));
    vec[2] = single(13.0L * L * (static_cast<Ext>(v) - w.vn));
}

void LuvToXYZ(TColorVec& vec, const ConversionConditions& c)
{
    const WhitePoint& white = c.white;
    const WhiteUV w = WhiteChromaticity(white);
    const Ext L = vec[0], u = vec[1], v = vec[2];
    if (L == 0) {  // lightness 0 is black whatever u* and v* say
        vec = {0, 0, 0};
        return;
    }
    const float p = single((u / (13.0L * L) + w.un) / 4);
    const float q = single((v / (13.0L * L) + w.vn) / 9);
    const float Y = L < kLabLinearL ? single(L / kKappa * white.Y) : single(num::IntPower((L + 16) / 116, 3) * white.Y);
    const float X = single(num::Div(p, q) * Y);
    const float Z = single((num::Div(Y, q) - (num::Div(p, q) * Y + 15.0L * Y)) / 3);
    vec = {X, Y, Z};
    if (Adapts(c)) Adapt(vec, BradfordD65D50().toD65);
}

void RGBToYxy(RGBCode code, TColorVec& vec, const ConversionConditions& c)
{
    RGBToXYZ(code, vec, c);
    XYZToYxy(vec);
}

RGBCode YxyToRGB(TColorVec& vec, const ConversionConditions& c)
{
    YxyToXYZ(vec);
    return XYZToRGB(vec, c);
}

void RGBToLab(RGBCode code, TColorVec& vec, const ConversionConditions& c)
{
    RGBToXYZ(code, vec, c);
    XYZToLab(vec, c);
}

RGBCode LabToRGB(TColorVec& vec, const ConversionConditions& c)
{
    LabToXYZ(vec, c);
    return XYZToRGB(vec, c);
}

void RGBToLuv(RGBCode code, TColorVec& vec, const ConversionConditions& c)
{
    RGBToXYZ(code, vec, c);
    XYZToLuv(vec, c);
}

RGBCode LuvToRGB(TColorVec& vec, const ConversionConditions& c)
{
    LuvToXYZ(vec, c);
    return XYZToRGB(vec, c);
}

}  // namespace qolvar
