#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "colour/colourformat.h"
#include "colour/csscolour.h"
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

// The CSS forms beyond rgb() and hsl(): colorjs.io 0.5.2's coordinates for
// the same sRGB colour (hwb, lab, lch, oklab, oklch, p3), rounded to the
// written decimals by JavaScript's toFixed.
TEST(ColourFormat, CssFormsAsAnotherImplementationWritesThem)
{
    struct Case {
        RGBCode code;
        const char* form;
        const char* text;
    };
    const Case cases[] = {
        {0xFF8000, "css-hwb", "hwb(30.12 0.00% 0.00%)"},
        {0x7F3F1F, "css-hwb", "hwb(20.00 12.16% 50.20%)"},
        {0x808080, "css-hwb", "hwb(0.00 50.20% 49.80%)"},
        {0xFF8000, "css-lab", "lab(67.82 45.49 74.84)"},
        {0x336699, "css-lab", "lab(41.52 -4.57 -33.49)"},
        {0x808080, "css-lab", "lab(53.59 0.00 0.00)"},
        {0x0000FF, "css-lch", "lch(29.57 131.20 301.36)"},
        {0x808080, "css-lch", "lch(53.59 0.00 0.00)"},
        {0x00FF00, "css-oklab", "oklab(0.86644 -0.23389 0.17950)"},
        {0x336699, "css-oklch", "oklch(0.49931 0.09866 250.433)"},
        {0x00FF00, "css-p3", "color(display-p3 0.45840 0.98526 0.29829)"},
        {0x0000FF, "css-p3", "color(display-p3 0.00000 0.00000 0.95959)"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatColour(c.code, c.form, ConversionConditions{}), c.text) << c.form;
}

// Each CSS form reads back to the code it was written from: the greys,
// white and a spread of every 4099th code.
TEST(ColourFormat, CssFormsReadBackToTheSameCode)
{
    std::vector<RGBCode> codes{0xFFFFFF};
    for (RGBCode grey = 0; grey <= 0xFFFFFF; grey += 0x010101) codes.push_back(grey);
    for (RGBCode code = 1; code <= 0xFFFFFF; code += 4099) codes.push_back(code);
    for (const char* form : {"css-hwb", "css-lab", "css-lch", "css-oklab", "css-oklch", "css-p3"})
        for (const RGBCode code : codes) {
            const std::string text = FormatColour(code, form, ConversionConditions{});
            const auto back = ReadCssColour(text);
            ASSERT_TRUE(back.has_value()) << text;
            EXPECT_EQ(back->code, code) << text;
            EXPECT_FALSE(back->mapped) << text;
        }
}

TEST(ColourFormat, BadTemplatesAreRefused)
{
    for (const char* templ : {"{Q}", "{}", "{lab", "{lab.l}", "{.L}", "{lab.}", "a}b", "{R{G}}", "{hsl.H}"})
        EXPECT_THROW(ColourTemplate{templ}, TemplateError) << templ;
}

}  // namespace
