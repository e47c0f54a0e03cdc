#include <gtest/gtest.h>

#include <string>

#include "colour/colourformat.h"
#include "colour/errors.h"

using namespace qolvar;

namespace {

// Rows worked out by hand: CSS HSL from the bytes (hue 60° × the sextant,
// S = chroma / (255 − |max + min − 255|), L = (max + min) / 510), halves up.
TEST(ColourFormat, TemplatesAndPredefinedFormats)
{
    struct Case {
        RGBCode code;
        const char* templ;
        const char* text;
    };
    const Case cases[] = {
        {0xFF8000, "hex", "#FF8000"},
        {0xFF8000, "css-rgb", "rgb(255, 128, 0)"},
        {0xFF8000, "css-hsl", "hsl(30, 100%, 50%)"},
        {0x336699, "css-hsl", "hsl(210, 50%, 40%)"},
        {0x7F3F1F, "css-hsl", "hsl(20, 61%, 31%)"},
        {0x808080, "css-hsl", "hsl(0, 0%, 50%)"},
        {0xF00200, "css-hsl", "hsl(1, 100%, 47%)"},  // hue 0.5 rounds up
        {0xFF0001, "{hsl.h}", "0"},                  // 359.76 rounds to 360, which is 0
        {0x1FF8000, "{hex}", "ff8000"},              // bits above 24 ignored
        {0xFF8000, "{{{R}}} {G}/{B}", "{255} 128/0"},
        {0xFF8000, "{hsv} {hls.L} {cmyk.Y}", "30 255 255 128 255"},
        {0xFF8000, "L*={lab.L}", "L*=67.2502136"},
        {0xFF8000, "{oklch}", "0.7319 0.1858 52.98"},
        {0x336699, "{yuv.V} {ycbcr}", "-30 96 158 102"},
        {0x000000, "", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatColour(c.code, c.templ, ConversionConditions{}), c.text) << c.templ;
}

TEST(ColourFormat, BadTemplatesAreRefused)
{
    for (const char* templ : {"{Q}", "{}", "{lab", "{lab.l}", "{.L}", "{lab.}", "a}b", "{R{G}}", "{hsl.H}"})
        EXPECT_THROW(ColourTemplate{templ}, TemplateError) << templ;
}

}  // namespace
