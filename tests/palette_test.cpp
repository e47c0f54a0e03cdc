// Generated palettes and colour-vision simulation. The expected codes come
// from outside this code: hand calculations from published formulas and
// matrices, and a short Python script written apart from the library
// (Ottosson's published OKLab matrices, the sRGB curve, the CSS Color 4
// gamut-mapping pseudo-code), as each row says.
#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "colour/palette.h"

using namespace qolvar;

namespace {

std::vector<RGBCode> Codes(const std::vector<CssColour>& colours)
{
    std::vector<RGBCode> codes;
    for (const CssColour& c : colours) codes.push_back(c.code);
    return codes;
}

int MappedCount(const std::vector<CssColour>& colours)
{
    int n = 0;
    for (const CssColour& c : colours) n += c.mapped;
    return n;
}

// 336699 is OKLCh L 0.49931, C 0.09866, h 250.433 (the script); its
// companions keep L and C and lie inside sRGB. FF8000's complement
// (h 232.985) does not and is mapped as the CSS pseudo-code maps it. A grey
// has no hue to turn.
TEST(Palette, HarmoniesTurnTheOkLChHue)
{
    struct Row {
        RGBCode code;
        Harmony harmony;
        std::vector<RGBCode> expected;
        int mapped;
    };
    const Row rows[] = {
        {0x336699, Harmony::Complementary, {0x336699, 0x865815}, 0},
        {0x336699, Harmony::Triadic, {0x336699, 0x924956, 0x4F6E2E}, 0},
        {0xFF8000, Harmony::Complementary, {0xFF8000, 0x00B8FF}, 1},
        {0x808080, Harmony::Tetradic, {0x808080, 0x808080, 0x808080, 0x808080}, 0},
    };
    for (const Row& r : rows) {
        const auto colours = HarmonyColours(r.code, r.harmony);
        EXPECT_EQ(Codes(colours), r.expected) << std::hex << r.code;
        EXPECT_EQ(MappedCount(colours), r.mapped) << std::hex << r.code;
    }
}

// Straight lines in OKLab to black, white and the grey of the same L
// (the script; FF0000's grey is L 0.62796, 888888).
TEST(Palette, ShadesTintsAndTonesRunInOkLab)
{
    EXPECT_EQ(Codes(RampColours(0xFF8000, Ramp::Shades, 5)),
              (std::vector<RGBCode>{0xFF8000, 0xAE5500, 0x632E00, 0x220B00, 0x000000}));
    EXPECT_EQ(Codes(RampColours(0x336699, Ramp::Tints, 3)), (std::vector<RGBCode>{0x336699, 0x97B1CD, 0xFFFFFF}));
    EXPECT_EQ(Codes(RampColours(0xFF0000, Ramp::Tones, 4)),
              (std::vector<RGBCode>{0xFF0000, 0xDD5647, 0xB7746A, 0x888888}));
}

// Black to white in three steps: the middle by hand in each space.
//   oklab        L 0.5: linear 0.5³ = 0.125, encoded 0.38858 → 99.09 → 63
//   lab          L* 50: Y = (66/116)³ = 0.184187, encoded 0.46634 → 118.92 → 77
//   srgb         0.5 · 255 = 127.5, halves up → 128 = 80
//   linear-srgb  0.5 encoded 0.73535 → 187.51 → BC
TEST(Palette, GradientsRunInTheirSpace)
{
    struct Row {
        GradientSpace space;
        RGBCode middle;
    };
    for (const Row& r : {Row{GradientSpace::OkLab, 0x636363}, Row{GradientSpace::Lab, 0x777777},
                         Row{GradientSpace::SRGB, 0x808080}, Row{GradientSpace::LinearSRGB, 0xBCBCBC}}) {
        EXPECT_EQ(Codes(GradientColours(0x000000, 0xFFFFFF, 3, r.space)),
                  (std::vector<RGBCode>{0x000000, r.middle, 0xFFFFFF}))
            << static_cast<int>(r.space);
        // The ends are the codes given, whatever the space.
        const auto two = Codes(GradientColours(0x0A0B0C, 0xFEFDFC, 2, r.space));
        EXPECT_EQ(two, (std::vector<RGBCode>{0x0A0B0C, 0xFEFDFC})) << static_cast<int>(r.space);
    }
    EXPECT_THROW(GradientColours(0x000000, 0xFFFFFF, 1, GradientSpace::OkLab), std::invalid_argument);
}

// Each row by hand from the published matrices of Machado, Oliveira and
// Fernandes (2009): the column of the primary is the linear light seen,
// clamped to 0..1 and encoded with the sRGB curve.
TEST(Palette, DeficiencyByThePublishedMatrices)
{
    struct Row {
        Deficiency deficiency;
        double severity;
        RGBCode code, seen;
    };
    const Row rows[] = {
        // protan 1.0, column R 0.152286 0.114503 -0.003882 → 108.79 95.03 0
        {Deficiency::Protan, 1.0, 0xFF0000, 0x6D5F00},
        // protan 1.0, column B -0.204868 0.099216 1.051998 → 0 88.71 255
        {Deficiency::Protan, 1.0, 0x0000FF, 0x0059FF},
        // deutan 1.0, column R 0.367322 0.280085 -0.011820 → 163.22 144.28 0
        {Deficiency::Deutan, 1.0, 0xFF0000, 0xA39000},
        // tritan 1.0, column B -0.178779 0.147602 0.303900 → 0 107.20 149.76
        {Deficiency::Tritan, 1.0, 0x0000FF, 0x006B96},
        // deutan 0.5, column R 0.547494 0.181692 -0.010410 → 195.28 118.16 0
        {Deficiency::Deutan, 0.5, 0xFF0000, 0xC37600},
        // protan 0.05: half-way between the identity and the 0.1 matrix,
        // column R 0.9280835 0.014671 -0.00144 → 246.76 32.30 0
        {Deficiency::Protan, 0.05, 0xFF0000, 0xF72000},
        // rows summing to 1 keep a grey; severity 0 is the identity
        {Deficiency::Protan, 1.0, 0x808080, 0x808080},
        {Deficiency::Tritan, 0.0, 0x123456, 0x123456},
    };
    for (const Row& r : rows)
        EXPECT_EQ(SimulateDeficiency(r.code, r.deficiency, r.severity), r.seen)
            << static_cast<int>(r.deficiency) << ' ' << r.severity << ' ' << std::hex << r.code;
    EXPECT_THROW(SimulateDeficiency(0xFF0000, Deficiency::Protan, 1.5), std::invalid_argument);
}

}  // namespace
