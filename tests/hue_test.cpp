#include <gtest/gtest.h>

#include "colour/hue.h"

using namespace qolvar;

namespace {

constexpr HueCode Hue(std::uint32_t h, std::uint32_t a, std::uint32_t b) { return h << 16 | a << 8 | b; }

struct HueCase {
    RGBCode rgb;
    HueCode hsv;
    RGBCode hsvBack;
    HueCode hls;
    RGBCode hlsBack;
};

void PrintTo(const HueCase& c, std::ostream* os) { *os << std::hex << c.rgb; }

class HueExamples : public ::testing::TestWithParam<HueCase> {};

TEST_P(HueExamples, ForwardAndBack)
{
    const auto& c = GetParam();
    EXPECT_EQ(RGBToHSV(c.rgb), c.hsv);
    EXPECT_EQ(HSVToRGB(c.hsv), c.hsvBack);
    EXPECT_EQ(RGBToHLS(c.rgb), c.hls);
    EXPECT_EQ(HLSToRGB(c.hls), c.hlsBack);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HueExamples,
    ::testing::Values(HueCase{0xFFFFFF, Hue(0, 0, 255), 0xFFFFFF, Hue(0, 255, 0), 0xFFFFFF},
                      HueCase{0x000000, Hue(0, 0, 0), 0x000000, Hue(0, 0, 0), 0x000000},
                      HueCase{0x808080, Hue(0, 0, 128), 0x808080, Hue(0, 128, 0), 0x808080},
                      // L = 0.5 exactly rounds to 128, above one half on the way back.
                      HueCase{0xFF0000, Hue(0, 255, 255), 0xFF0000, Hue(0, 128, 255), 0xFF0101},
                      HueCase{0x00FF00, Hue(120, 255, 255), 0x00FF00, Hue(120, 128, 255), 0x01FF01},
                      HueCase{0x0000FF, Hue(240, 255, 255), 0x0000FF, Hue(240, 128, 255), 0x0101FF},
                      // A hue just below zero is lifted by one turn and rounds to 360.
                      HueCase{0xFF0001, Hue(360, 255, 255), 0xFF0000, Hue(360, 128, 255), 0xFF0101},
                      HueCase{0xFF8000, Hue(30, 255, 255), 0xFF8000, Hue(30, 128, 255), 0xFF8001},
                      HueCase{0x336699, Hue(210, 170, 153), 0x336699, Hue(210, 102, 128), 0x336699}));

TEST(HSVToRGB, HueOutsideTheCircle)
{
    for (std::uint32_t h = 361; h <= 511; ++h) {
        EXPECT_EQ(HSVToRGB(Hue(h, 1, 255)), 0u) << h;
        EXPECT_EQ(HSVToRGB(Hue(h, 0, 77)), 0x4D4D4Du) << h;  // no saturation: the grey of the value
    }
    for (std::uint32_t s : {1u, 128u, 255u}) EXPECT_EQ(HSVToRGB(Hue(360, s, 200)), HSVToRGB(Hue(0, s, 200)));
    // Only bits 16..24 of the hue are read.
    EXPECT_EQ(HSVToRGB(Hue(512 + 30, 255, 255)), 0xFF8000u);
}

TEST(HLSToRGB, HuesBeyond360WrapOnce)
{
    for (std::uint32_t h = 360; h <= 511; ++h)
        for (std::uint32_t l = 0; l < 256; l += 15)
            for (std::uint32_t s = 0; s < 256; s += 17)
                ASSERT_EQ(HLSToRGB(Hue(h, l, s)), HLSToRGB(Hue(h - 360, l, s))) << h << ' ' << l << ' ' << s;
}

TEST(HLSValue, Segments)
{
    EXPECT_EQ(HLSValue(0.2f, 0.8f, 0), 0.2f);
    EXPECT_FLOAT_EQ(HLSValue(0.2f, 0.8f, 30), 0.5f);
    EXPECT_EQ(HLSValue(0.2f, 0.8f, 60), 0.8f);
    EXPECT_EQ(HLSValue(0.2f, 0.8f, 179.9f), 0.8f);
    EXPECT_FLOAT_EQ(HLSValue(0.2f, 0.8f, 210), 0.5f);
    EXPECT_EQ(HLSValue(0.2f, 0.8f, 240), 0.2f);
    EXPECT_EQ(HLSValue(0.2f, 0.8f, 480), 0.8f);   // 480 - 360 = 120
    EXPECT_EQ(HLSValue(0.2f, 0.8f, -120), 0.2f);  // -120 + 360 = 240
    EXPECT_EQ(HLSValue(0.2f, 0.8f, 360), 0.2f);   // 360 is not above 360
}

TEST(HueModels, GreysHaveNoHueAndComeBack)
{
    for (std::uint32_t g = 0; g < 256; ++g) {
        const RGBCode grey = g * 0x010101;
        EXPECT_EQ(RGBToHSV(grey), Hue(0, 0, g));
        EXPECT_EQ(RGBToHLS(grey), Hue(0, g, 0));
        EXPECT_EQ(HSVToRGB(RGBToHSV(grey)), grey);
        EXPECT_EQ(HLSToRGB(RGBToHLS(grey)), grey);
    }
}

TEST(HueModels, ForwardFieldsStayInRange)
{
    for (RGBCode c = 0; c < 0x1000000; c += 4099) {
        const HueCode hsv = RGBToHSV(c), hls = RGBToHLS(c);
        EXPECT_LE(hsv >> 16, 360u);
        EXPECT_LE(hls >> 16, 360u);
    }
}

}  // namespace
