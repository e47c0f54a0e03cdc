// Y′CbCr by the studio standards: the published 10-bit colour bars, a few
// rows worked by hand, and the way back to 8-bit codes.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "colour/videostandard.h"

using namespace qolvar;

namespace {

constexpr VideoStandard kBT709Narrow10{VideoMatrix::BT709, VideoRange::Narrow, 10};

// The 10-bit BT.709 narrow-range colour bars as SMPTE RP 219 publishes them.
TEST(VideoStandard, PublishedTenBitBars)
{
    struct Row {
        double level;
        const char* bar;
        long y, cb, cr;
    };
    const Row rows[] = {
        {0.75, "white", 721, 512, 512},  {0.75, "yellow", 674, 176, 543},  {0.75, "cyan", 581, 589, 176},
        {0.75, "green", 534, 253, 207},  {0.75, "magenta", 251, 771, 817}, {0.75, "red", 204, 435, 848},
        {0.75, "blue", 111, 848, 481},   {0.75, "black", 64, 512, 512},    {1.0, "white", 940, 512, 512},
        {1.0, "yellow", 877, 64, 553},   {1.0, "cyan", 754, 615, 64},      {1.0, "green", 691, 167, 105},
        {1.0, "magenta", 313, 857, 919}, {1.0, "red", 250, 409, 960},      {1.0, "blue", 127, 960, 471},
        {1.0, "black", 64, 512, 512},
    };
    for (const Row& row : rows) {
        const auto bar =
            std::find_if(kColourBars.begin(), kColourBars.end(), [&](const ColourBar& b) { return b.name == row.bar; });
        ASSERT_NE(bar, kColourBars.end()) << row.bar;
        const YCbCrCodes c = QuantiseYCbCr(kBT709Narrow10, ToYPbPr(VideoMatrix::BT709, BarPrime(*bar, row.level)));
        EXPECT_EQ(c.y, row.y) << row.level << ' ' << row.bar;
        EXPECT_EQ(c.cb, row.cb) << row.level << ' ' << row.bar;
        EXPECT_EQ(c.cr, row.cr) << row.level << ' ' << row.bar;
        EXPECT_FALSE(c.clamped) << row.level << ' ' << row.bar;
    }
}

// Rows worked by hand from an sRGB code. For BT.2020 12-bit narrow green
// (Kg = 1 − 0.2627 − 0.0593 = 0.678, narrow scale 2^4 = 16):
//   Y  = (16 + 219·0.678)·16                      = 2631.712  → 2632
//   Pb = −0.678 / (2·(1 − 0.0593)) = −0.360370;  Cb = (128 + 224·Pb)·16 = 756.43 → 756
//   Pr = −0.678 / (2·(1 − 0.2627)) = −0.459786;  Cr = (128 + 224·Pr)·16 = 400.13 → 400
// BT.709 full-range 8-bit blue: Cb = 128 + 255·0.5 = 255.5 rounds to 256,
// clamped to 255; Y = 255·0.0722 = 18.41; Cr = 128 − 255·0.0722/1.5748 = 116.31.
TEST(VideoStandard, HandComputedRows)
{
    struct Row {
        VideoStandard standard;
        RGBCode rgb;
        long y, cb, cr;
        bool clamped;
    };
    const Row rows[] = {
        {{VideoMatrix::BT2020, VideoRange::Narrow, 12}, 0x00FF00, 2632, 756, 400, false},
        {{VideoMatrix::BT709, VideoRange::Full, 8}, 0x0000FF, 18, 255, 116, true},
        // BT.601 8-bit red: 16 + 219·0.299 = 81.48; 128 − 224·0.299/1.772 = 90.20; Cr 128 + 112.
        {{VideoMatrix::BT601, VideoRange::Narrow, 8}, 0xFF0000, 81, 90, 240, false},
        // Grey 200 in 10-bit full range: 1023·200/255 = 802.35 (a scale of 1024 would give 803).
        {{VideoMatrix::BT709, VideoRange::Full, 10}, 0xC8C8C8, 802, 512, 512, false},
        // BT.709 full-range 8-bit yellow: Y = 255·0.9278 = 236.59; Cb = 128 − 255·0.5 = 0.5, a half
        // rounded up; Cr = 128 + 255·0.0722/1.5748 = 139.69.
        {{VideoMatrix::BT709, VideoRange::Full, 8}, 0xFFFF00, 237, 1, 140, false},
    };
    for (const Row& row : rows) {
        const YCbCrCodes c = ToYCbCr(row.standard, row.rgb);
        EXPECT_EQ(c.y, row.y) << std::hex << row.rgb;
        EXPECT_EQ(c.cb, row.cb) << std::hex << row.rgb;
        EXPECT_EQ(c.cr, row.cr) << std::hex << row.rgb;
        EXPECT_EQ(c.clamped, row.clamped) << std::hex << row.rgb;
    }
}

// 10 and 12 bits hold every 8-bit level with room to spare: greys and a few
// colours come back as the same code, unclamped.
TEST(VideoStandard, TenAndTwelveBitsReverseToTheSameCode)
{
    std::vector<RGBCode> codes = {0x336699, 0xFF8000, 0x00FF00, 0xC0FFEE, 0x123456, 0xFF00FF};
    for (RGBCode g = 0; g < 256; ++g) codes.push_back(g * 0x010101);
    for (VideoMatrix m : {VideoMatrix::BT601, VideoMatrix::BT709, VideoMatrix::BT2020})
        for (VideoRange r : {VideoRange::Narrow, VideoRange::Full})
            for (int bits : {10, 12}) {
                const VideoStandard s{m, r, bits};
                for (RGBCode code : codes) {
                    const YCbCrCodes c = ToYCbCr(s, code);
                    const RGBCodeResult back = FromYCbCr(s, c.y, c.cb, c.cr);
                    ASSERT_EQ(back.code, code) << std::hex << code << std::dec << ' ' << bits << " bits";
                    ASSERT_FALSE(back.clamped) << std::hex << code;
                }
            }
}

// Codes in the footroom and headroom lie outside R′G′B′: clamped and flagged.
TEST(VideoStandard, ReverseClampsBeyondRGB)
{
    struct Row {
        long y, cb, cr;
        RGBCode rgb;
        bool clamped;
    };
    const Row rows[] = {
        {64, 512, 512, 0x000000, false},
        {940, 512, 512, 0xFFFFFF, false},
        {1023, 512, 512, 0xFFFFFF, true},  // Y′ = 959 / 876 = 1.095
        {0, 512, 512, 0x000000, true},     // Y′ = −64 / 876
    };
    for (const Row& row : rows) {
        const RGBCodeResult back = FromYCbCr(kBT709Narrow10, row.y, row.cb, row.cr);
        EXPECT_EQ(back.code, row.rgb) << row.y;
        EXPECT_EQ(back.clamped, row.clamped) << row.y;
    }
}

}  // namespace
