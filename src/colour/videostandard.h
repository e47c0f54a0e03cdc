// Y′CbCr and Y′PbPr by the studio standards: the luma weights of ITU-R
// BT.601, BT.709 or BT.2020 (non-constant luminance), narrow or full range,
// 8 to 16 bits a sample.
//
// These work on gamma-encoded R′G′B′ (an sRGB code's channel / 255, not
// linearised), as the standards define Y′CbCr:
//   E′Y  = Kr·R′ + Kg·G′ + Kb·B′        Kg = 1 − Kr − Kb
//   E′Pb = (B′ − E′Y) / (2·(1 − Kb))    −0.5 … 0.5
//   E′Pr = (R′ − E′Y) / (2·(1 − Kr))    −0.5 … 0.5
// and quantise E′Y, E′Pb, E′Pr to whole codes of n bits:
//   narrow  Y = (16 + 219·E′Y)·2^(n−8)          C = (128 + 224·E′P)·2^(n−8)
//   full    Y = (2^n − 1)·E′Y                   C = 2^(n−1) + (2^n − 1)·E′P
// Full-range chroma is scaled by 2^n − 1 like luma (not by 2^n), so that
// E′P = ±0.5 lands half a code beyond the ends: pure blue's Cb and pure
// red's Cr round to 2^n and are clamped to 2^n − 1.
//
// Arithmetic is in double precision, ample for 16 bits; codes are rounded to
// the nearest integer, halves upwards (away from zero, as the standards'
// Round is). A code outside 0 … 2^n − 1 is clamped, never wrapped, and the
// result says so.
//
// The classic 8-bit models of video.h are a separate set and unchanged.
#pragma once

#include <array>
#include <string_view>

#include "codes.h"

namespace qolvar {

enum class VideoMatrix { BT601, BT709, BT2020 };
enum class VideoRange { Narrow, Full };

struct VideoStandard {
    VideoMatrix matrix = VideoMatrix::BT601;
    VideoRange range = VideoRange::Narrow;
    int bits = 8;  // 8 … 16
};

// The luma weights of red and blue as the recommendations publish them:
// BT.601 0.299, 0.114; BT.709 0.2126, 0.0722; BT.2020 0.2627, 0.0593.
struct LumaWeights {
    double kr, kb;
};
LumaWeights WeightsOf(VideoMatrix matrix);

// Gamma-encoded R′, G′, B′ on 0 … 1.
struct RGBPrime {
    double r, g, b;
};
// E′Y on 0 … 1, E′Pb and E′Pr on −0.5 … 0.5 for colours inside R′G′B′.
struct YPbPrPrime {
    double y, pb, pr;
};

// An sRGB code's channels / 255.
RGBPrime PrimeOf(RGBCode code);
YPbPrPrime ToYPbPr(VideoMatrix matrix, RGBPrime rgb);
RGBPrime FromYPbPr(VideoMatrix matrix, YPbPrPrime ypbpr);

// A value rounded to three decimals, as Y′PbPr is shown and read back;
// -0.000 becomes 0.
double ThreeDecimals(double v);

// R′G′B′ rounded to the nearest 8-bit code per channel; a channel below 0
// or above 255 after rounding is clamped and clamped is set.
struct RGBCodeResult {
    RGBCode code;
    bool clamped;
};
RGBCodeResult CodeOf(RGBPrime rgb);

// Whole Y, Cb, Cr codes; clamped says a code was brought into 0 … 2^n − 1.
struct YCbCrCodes {
    long y, cb, cr;
    bool clamped;
};

// The largest code of a sample: 2^bits − 1.
long MaxCodeOf(const VideoStandard& standard);

YCbCrCodes QuantiseYCbCr(const VideoStandard& standard, YPbPrPrime ypbpr);
// Codes back to E′Y, E′Pb, E′Pr by the inverse of the scaling (not clamped:
// footroom and headroom codes give values beyond 0 … 1 and ±0.5).
YPbPrPrime DequantiseYCbCr(const VideoStandard& standard, long y, long cb, long cr);

// An sRGB code to Y′CbCr codes, and codes back to the nearest sRGB code.
YCbCrCodes ToYCbCr(const VideoStandard& standard, RGBCode code);
RGBCodeResult FromYCbCr(const VideoStandard& standard, long y, long cb, long cr);

// The bars of a colour-bar signal, left to right: each R′, G′, B′ is either
// the bar's level or 0.
struct ColourBar {
    std::string_view name;
    bool r, g, b;
};
inline constexpr std::array<ColourBar, 8> kColourBars{{
    {"white", true, true, true},
    {"yellow", true, true, false},
    {"cyan", false, true, true},
    {"green", false, true, false},
    {"magenta", true, false, true},
    {"red", true, false, false},
    {"blue", false, false, true},
    {"black", false, false, false},
}};
// A bar's R′G′B′ at a level (0.75 for 75 % bars, 1 for 100 %).
constexpr RGBPrime BarPrime(const ColourBar& bar, double level)
{
    return {bar.r ? level : 0.0, bar.g ? level : 0.0, bar.b ? level : 0.0};
}

}  // namespace qolvar
