// CSS colours read to sRGB codes: the CSS Color test suite's stated
// results, a few rows checked by hand, colours outside sRGB as another
// implementation maps them, and text that is no colour.
#include <gtest/gtest.h>

#include "colour/csscolour.h"

using namespace qolvar;

namespace {

struct Row {
    const char* text;
    RGBCode code;
    bool mapped = false, alpha = false;
};

void ExpectRows(std::initializer_list<Row> rows)
{
    for (const Row& r : rows) {
        std::string why;
        const auto c = ReadCssColour(r.text, &why);
        ASSERT_TRUE(c.has_value()) << r.text << ": " << why;
        EXPECT_EQ(c->code, r.code) << r.text << std::hex << " gave " << c->code;
        EXPECT_EQ(c->mapped, r.mapped) << r.text;
        EXPECT_EQ(c->hadAlpha, r.alpha) << r.text;
    }
}

// The sRGB each test of web-platform-tests css/css-color states for its
// colour (as percentages there, here as the bytes they round to).
TEST(CssColour, TheTestSuitesStatedResults)
{
    ExpectRows({
        {"lab(50 50 0)", 0xC14E79},                                  // lab-004: 75.62% 30.45% 47.56%
        {"lab(70 0 70)", 0xC3A90E},                                  // lab-006: 76.62% 66.36% 5.58%
        {"lab(46.2775% -47.5621 48.5837)", 0x008000},                // lab-001: green
        {"lch(46.2775% 67.9892 134.3912)", 0x008000},                // lch-001
        {"lch(55% 60 270)", 0x2187ED},                               // lch-007: 12.8128% 53.105% 92.7645%
        {"lch(0% 110 60)", 0x000000, true},                          // lch-010: black
        {"color(display-p3 0.465377 0.532768 0.317713)", 0x728949},  // display-p3-006
        {"oklab(51.975% -0.1403 0.10768)", 0x008000},                // oklab-001
        {"oklab(51.975% -35.075% 26.92%)", 0x008000},                // oklab-009
        {"oklch(51.975% 44.215% 142.495)", 0x008000},                // oklch-011
        {"oklch(80% 0.15 160)", 0x52DB9C},                           // oklch-006: 32.022% 85.805% 61.147%
        {"oklch(50% 0.2 0)", 0xB4065F},                              // oklch-004: 70.492% 2.351% 37.073%
        {"oklch(100% 110 60)", 0xFFFFFF},                            // oklch-009: white
        {"oklch(0% 1.1 60)", 0x000000},                              // oklch-010: black
    });
}

// Worked by hand from the CSS formulas (halves round up).
TEST(CssColour, FunctionsAndForms)
{
    ExpectRows({
        {"Orange", 0xFFA500},
        {"  rebeccapurple ", 0x663399},
        {"#F80", 0xFF8800},
        {"#ff800080", 0xFF8000, false, true},
        {"#ff8f", 0xFFFF88},  // an opaque alpha is no alpha
        {"ff8000", 0xFF8000},
        {" ", 0x000000},  // the empty text is black, as in the hexadecimal field
        {"rgb(255,0,0)", 0xFF0000},
        {"rgba(255, 128, 0, 0.5)", 0xFF8000, false, true},
        {"rgb(255 128 0 / 50%)", 0xFF8000, false, true},
        {"rgb(100% 50% 0%)", 0xFF8000},   // 127.5 rounds up
        {"RGB(300 -20 none)", 0xFF0000},  // clamped; none is 0
        {"rgb(10% 20% 30% / 1)", 0x1A334D},
        {"hsl(120 100% 25%)", 0x008000},  // CSS green
        {"hsl(120deg, 100%, 25%)", 0x008000},
        {"hsl(0.5turn 50% 50%)", 0x40BFBF},  // 0.25, 0.75, 0.75
        {"hsl(200grad 50% 50%)", 0x40BFBF},
        {"hsla(3.14159265rad 50 50 / 0.2)", 0x40BFBF, false, true},
        {"hwb(120 20% 30%)", 0x33B333},  // 0.2, 0.7, 0.2
        {"hwb(0 60% 60%)", 0x808080},    // whiteness + blackness > 1: grey 0.5
        {"color(srgb 1 0.5 0)", 0xFF8000},
        {"color(srgb-linear 1 0 0)", 0xFF0000},
        {"color(xyz-d65 0.95047 1 1.08883)", 0xFFFFFF},
    });
}

// Colours outside sRGB, mapped by the CSS gamut mapping; the codes are
// what colorjs.io 0.5.2 (toGamut, method "css") gives for the same text.
TEST(CssColour, ColoursOutsideSRGBAreMapped)
{
    ExpectRows({
        {"color(display-p3 1 0 0)", 0xFF0B0C, true},
        {"color(display-p3 0 1 0)", 0x00FB29, true},
        {"color(display-p3 1 0.5 0)", 0xFF7D00, true},
        {"oklch(0.9 0.5 150)", 0x41FF87, true},
        {"color(rec2020 1 0 0)", 0xFF494F, true},
        {"color(a98-rgb 0 1 0)", 0x00EC68, true},
        {"color(prophoto-rgb 0.5 0.5 0.5)", 0x929292},
        {"color(xyz-d50 0.2 0.3 0.4)", 0x00A8BC, true},
        {"color(xyz 0.2 0.3 0.4)", 0x00A7A4, true},
    });
}

TEST(CssColour, TextThatIsNoColourIsRefused)
{
    for (const char* text : {"rgb(255, 0 0)",
                             "lab(50% 20)",
                             "#12345",
                             "foo(1 2 3)",
                             "color(bogus 1 2 3)",
                             "rgb(1 2 3",
                             "rgb(255, 0, none)",
                             "rgb(255 0 0 0)",
                             "rgb(10%, 20, 30)",
                             "hsl(120, 50, 50)",
                             "lab(50 20 30deg)",
                             "hsl(120 50% 50% /)",
                             "rgb(/ 1 2 3)",
                             "color(srgb 1 2)",
                             "oklch(1e999 0 0)",
                             "hsl(120zz 50% 50%)",
                             "notacolour",
                             "rgb()",
                             "rgb(1 2 3) x",
                             "rgb(1;2;3)",
                             "color()",
                             "lab(1 2 3 / 4 / 5)",
                             "hsl(1e308turn 50% 50%)"}) {
        std::string why;
        EXPECT_FALSE(ReadCssColour(text, &why).has_value()) << text;
        EXPECT_FALSE(why.empty()) << text;
    }
}

}  // namespace
