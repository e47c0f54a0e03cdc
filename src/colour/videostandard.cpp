#include "videostandard.h"

#include <cmath>

namespace qolvar {

namespace {

// Nearest whole number within 0 … max, halves upwards; a value beyond the
// ends (or no number at all) gives the end and sets clamped.
long RoundInto(double v, long max, bool& clamped)
{
    const double r = std::round(v);
    if (!(r >= 0)) {
        clamped = true;
        return 0;
    }
    if (r > static_cast<double>(max)) {
        clamped = true;
        return max;
    }
    return static_cast<long>(r);
}

// 2^(bits − 8), the factor of the narrow-range levels.
double NarrowScale(int bits) { return std::ldexp(1.0, bits - 8); }

}  // namespace

LumaWeights WeightsOf(VideoMatrix matrix)
{
    switch (matrix) {
    case VideoMatrix::BT709: return {0.2126, 0.0722};
    case VideoMatrix::BT2020: return {0.2627, 0.0593};
    case VideoMatrix::BT601: break;
    }
    return {0.299, 0.114};
}

RGBPrime PrimeOf(RGBCode code)
{
    return {static_cast<double>((code >> 16) & 0xFF) / 255, static_cast<double>((code >> 8) & 0xFF) / 255,
            static_cast<double>(code & 0xFF) / 255};
}

YPbPrPrime ToYPbPr(VideoMatrix matrix, RGBPrime rgb)
{
    const auto [kr, kb] = WeightsOf(matrix);
    // Kr·R′ + Kg·G′ + Kb·B′ with Kg = 1 − Kr − Kb, written around G′ so
    // that a grey's luma is its level exactly and the primaries' colour
    // differences come out at exactly ±0.5.
    const double y = kr * (rgb.r - rgb.g) + kb * (rgb.b - rgb.g) + rgb.g;
    return {y, (rgb.b - y) / (2 * (1 - kb)), (rgb.r - y) / (2 * (1 - kr))};
}

RGBPrime FromYPbPr(VideoMatrix matrix, YPbPrPrime v)
{
    const auto [kr, kb] = WeightsOf(matrix);
    const double r = v.y + 2 * (1 - kr) * v.pr;
    const double b = v.y + 2 * (1 - kb) * v.pb;
    // From E′Y = Kr·R′ + Kg·G′ + Kb·B′: Kg·(G′ − E′Y) = −Kr·(R′ − E′Y) − Kb·(B′ − E′Y).
    const double g = v.y - (kr * (r - v.y) + kb * (b - v.y)) / (1 - kr - kb);
    return {r, g, b};
}

double ThreeDecimals(double v)
{
    const double r = std::round(v * 1000) / 1000;
    return r == 0 ? 0.0 : r;
}

RGBCodeResult CodeOf(RGBPrime rgb)
{
    bool clamped = false;
    const long r = RoundInto(255 * rgb.r, 255, clamped);
    const long g = RoundInto(255 * rgb.g, 255, clamped);
    const long b = RoundInto(255 * rgb.b, 255, clamped);
    return {static_cast<RGBCode>(r << 16 | g << 8 | b), clamped};
}

long MaxCodeOf(const VideoStandard& standard) { return (1L << standard.bits) - 1; }

YCbCrCodes QuantiseYCbCr(const VideoStandard& s, YPbPrPrime v)
{
    const long max = MaxCodeOf(s);
    double y, cb, cr;
    if (s.range == VideoRange::Narrow) {
        const double k = NarrowScale(s.bits);
        y = (16 + 219 * v.y) * k;
        cb = (128 + 224 * v.pb) * k;
        cr = (128 + 224 * v.pr) * k;
    } else {
        const double full = static_cast<double>(max);
        const double mid = std::ldexp(1.0, s.bits - 1);
        y = full * v.y;
        cb = mid + full * v.pb;
        cr = mid + full * v.pr;
    }
    YCbCrCodes codes{};
    codes.y = RoundInto(y, max, codes.clamped);
    codes.cb = RoundInto(cb, max, codes.clamped);
    codes.cr = RoundInto(cr, max, codes.clamped);
    return codes;
}

YPbPrPrime DequantiseYCbCr(const VideoStandard& s, long y, long cb, long cr)
{
    const auto Y = static_cast<double>(y), Cb = static_cast<double>(cb), Cr = static_cast<double>(cr);
    if (s.range == VideoRange::Narrow) {
        const double k = NarrowScale(s.bits);
        return {(Y / k - 16) / 219, (Cb / k - 128) / 224, (Cr / k - 128) / 224};
    }
    const auto full = static_cast<double>(MaxCodeOf(s));
    const double mid = std::ldexp(1.0, s.bits - 1);
    return {Y / full, (Cb - mid) / full, (Cr - mid) / full};
}

YCbCrCodes ToYCbCr(const VideoStandard& standard, RGBCode code)
{
    return QuantiseYCbCr(standard, ToYPbPr(standard.matrix, PrimeOf(code)));
}

RGBCodeResult FromYCbCr(const VideoStandard& standard, long y, long cb, long cr)
{
    return CodeOf(FromYPbPr(standard.matrix, DequantiseYCbCr(standard, y, cb, cr)));
}

}  // namespace qolvar
