#include <gtest/gtest.h>

#include "colour/cmyk.h"
#include "whole_range.h"

using namespace qolvar;

namespace {

constexpr CMYKCode Cmyk(std::uint32_t c, std::uint32_t m, std::uint32_t y, std::uint32_t k)
{
    return c << 24 | m << 16 | y << 8 | k;
}

TEST(CMYK, Examples)
{
    struct Case {
        RGBCode rgb;
        CMYKCode cmyk;
    };
    for (auto [rgb, cmyk] : {Case{0xFFFFFF, Cmyk(0, 0, 0, 0)}, Case{0x000000, Cmyk(0, 0, 0, 255)},
                             Case{0xFF8000, Cmyk(0, 127, 255, 0)}, Case{0x336699, Cmyk(102, 51, 0, 102)}}) {
        EXPECT_EQ(RGBToCMYK(rgb), cmyk) << std::hex << rgb;
        EXPECT_EQ(CMYKToRGB(cmyk), rgb) << std::hex << rgb;
    }
}

TEST(CMYK, TypedSumsAbove255ClipToZero)
{
    EXPECT_EQ(CMYKToRGB(Cmyk(200, 0, 0, 100)), 0x009B9Bu);
    EXPECT_EQ(CMYKToRGB(Cmyk(255, 255, 255, 255)), 0x000000u);
    EXPECT_EQ(CMYKToRGB(Cmyk(0, 0, 0, 0)), 0xFFFFFFu);
}

TEST(CMYK, EveryColourComesBackAndHasAZeroInk)
{
    test::ForEachColour([](RGBCode c) {
        const CMYKCode k = RGBToCMYK(c);
        ASSERT_EQ(CMYKToRGB(k), c) << std::hex << c;
        ASSERT_TRUE(((k >> 24) & 0xFF) == 0 || ((k >> 16) & 0xFF) == 0 || ((k >> 8) & 0xFF) == 0);
    });
}

TEST(CMYK, BitsAbove24AreIgnored) { EXPECT_EQ(RGBToCMYK(0xAB336699), RGBToCMYK(0x336699)); }

}  // namespace
