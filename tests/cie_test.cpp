#include <gtest/gtest.h>

#include <cmath>

#include "colour/colour.h"
#include "colour/numeric.h"
#include "colour_settings.h"

using namespace qolvar;
using qolvar::test::ColourSettingsTest;

namespace {

using CIE = ColourSettingsTest;

void ExpectVecNear(const TColorVec& v, float a, float b, float c, float tol)
{
    EXPECT_NEAR(v[0], a, tol);
    EXPECT_NEAR(v[1], b, tol);
    EXPECT_NEAR(v[2], c, tol);
}

TEST_F(CIE, WhiteIsTheWhitePoint)
{
    TColorVec v;
    RGBToXYZ(0xFFFFFF, v);
    EXPECT_EQ(v, (TColorVec{0.95045f, 1.0f, 1.088917f}));
    EXPECT_EQ(XYZToRGB(v), 0xFFFFFFu);
    RGBToYxy(0xFFFFFF, v);
    ExpectVecNear(v, 0.31271f, 0.32902f, 100.0f, 1e-5f);
    EXPECT_EQ(YxyToRGB(v), 0xFFFFFFu);
    RGBToLab(0xFFFFFF, v);
    EXPECT_EQ(v, (TColorVec{100, 0, 0}));
    EXPECT_EQ(LabToRGB(v), 0xFFFFFFu);
    RGBToLuv(0xFFFFFF, v);
    EXPECT_EQ(v, (TColorVec{100, 0, 0}));
    EXPECT_EQ(LuvToRGB(v), 0xFFFFFFu);
}

struct ForwardCase {
    const char* name;
    RGBCode code;
    void (*forward)(RGBCode, TColorVec&);
    float a, b, c, tol;
};

void PrintTo(const ForwardCase& c, std::ostream* os) { *os << c.name; }

class CIEForward : public ColourSettingsTest, public ::testing::WithParamInterface<ForwardCase> {};

TEST_P(CIEForward, MatchesPublishedValues)
{
    const auto& p = GetParam();
    TColorVec v;
    p.forward(p.code, v);
    ExpectVecNear(v, p.a, p.b, p.c, p.tol);
}

INSTANTIATE_TEST_SUITE_P(Examples, CIEForward,
                         ::testing::Values(ForwardCase{"RedXYZ", 0xFF0000, RGBToXYZ, 0.412411f, 0.212649f, 0.019332f,
                                                       1e-7f},
                                           ForwardCase{"RedYxy", 0xFF0000, RGBToYxy, 0.6400f, 0.3300f, 21.2649f, 1e-4f},
                                           ForwardCase{"RedLab", 0xFF0000, RGBToLab, 53.238f, 80.092f, 67.202f, 1e-3f},
                                           ForwardCase{"RedLuv", 0xFF0000, RGBToLuv, 53.238f, 175.01f, 37.758f, 1e-2f},
                                           ForwardCase{"GreyLab", 0x808080, RGBToLab, 53.976f, 0, 0, 1e-3f},
                                           ForwardCase{"BlackXYZ", 0x000000, RGBToXYZ, 0, 0, 0, 0},
                                           ForwardCase{"BlackYxy", 0x000000, RGBToYxy, 0, 0, 0, 0},
                                           ForwardCase{"BlackLab", 0x000000, RGBToLab, 0, 0, 0, 0},
                                           // Black in L*u*v* takes the white's chromaticity: no 0/0.
                                           ForwardCase{"BlackLuv", 0x000000, RGBToLuv, 0, 0, 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CIE, RoundTripsOfTheExamples)
{
    struct Case {
        RGBCode in, viaXYZ;
    };
    // Green's red row of the reverse matrix leaves about 0.0000018, which the
    // gamma lifts to 0.63/255.
    for (auto [in, out] : {Case{0x000000, 0x000000}, Case{0xFF0000, 0xFF0000}, Case{0x808080, 0x808080},
                           Case{0x00FF00, 0x01FF00}, Case{0x336699, 0x336699}}) {
        TColorVec v;
        RGBToXYZ(in, v);
        EXPECT_EQ(XYZToRGB(v), out) << std::hex << in;
        RGBToLab(in, v);
        EXPECT_EQ(LabToRGB(v), out) << std::hex << in;
        RGBToYxy(in, v);
        EXPECT_EQ(YxyToRGB(v), out) << std::hex << in;
    }
}

TEST_F(CIE, ReverseLeavesXYZInTheVector)
{
    TColorVec lab;
    RGBToLab(0x336699, lab);
    TColorVec xyz;
    RGBToXYZ(0x336699, xyz);
    LabToRGB(lab);
    ExpectVecNear(lab, xyz[0], xyz[1], xyz[2], 1e-6f);
}

TEST_F(CIE, TypedXYZOutsideTheGamutIsClipped)
{
    EXPECT_EQ(XYZToRGB({2, 2, 2}), 0xFFFFFFu);
    EXPECT_EQ(XYZToRGB({-1, -1, -1}), 0x000000u);
    EXPECT_EQ(XYZToRGB({0.412411f, 0.212649f, 0.019332f}), 0xFF0000u);
}

TEST_F(CIE, GammaSettings)
{
    struct Case {
        int index;
        float gamma;
    };
    for (auto [index, gamma] :
         {Case{0, 1.0f}, Case{1, 1.8f}, Case{2, 2.2f}, Case{3, 2.4f}, Case{4, 3.0f}, Case{-1, 1.0f}, Case{5, 1.0f}}) {
        CIEGamma = 7;
        SetCIEGamma(index);
        EXPECT_EQ(CIEGamma, gamma) << index;
    }
    // Without gamma the normalised components go into the matrix unchanged.
    SetCIEGamma(0);
    TColorVec v;
    RGBToXYZ(0x808080, v);
    const float c = 128.0f / 255.0f;
    ExpectVecNear(v, 0.95045f * c, c, 1.088917f * c, 1e-6f);
    // Gamma 3 is a whole-number power on the way in: an exact cube.
    SetCIEGamma(4);
    RGBToXYZ(0x808080, v);
    const float cube = static_cast<float>(static_cast<long double>(c) * c * c);
    ExpectVecNear(v, 0.95045f * cube, cube, 1.088917f * cube, 1e-6f);
    for (RGBCode code : {0xFFFFFFu, 0x000000u, 0x808080u}) {
        RGBToXYZ(code, v);
        EXPECT_EQ(XYZToRGB(v), code) << std::hex << code;
    }
}

TEST_F(CIE, GammaChangesAreSeenImmediately)
{
    TColorVec a, b;
    RGBToXYZ(0x808080, a);
    SetCIEGamma(0);
    RGBToXYZ(0x808080, b);
    EXPECT_NE(a[1], b[1]);
    SetCIEGamma(2);
    RGBToXYZ(0x808080, b);
    EXPECT_EQ(a, b);
}

TEST_F(CIE, IlluminantChangesOnlyLabAndLuv)
{
    TColorVec xyz65, yxy65, lab65, luv65, xyzA, yxyA, labA, luvA;
    const RGBCode code = 0xFF8000;
    RGBToXYZ(code, xyz65);
    RGBToYxy(code, yxy65);
    RGBToLab(code, lab65);
    RGBToLuv(code, luv65);
    SetCIEWhite(2);
    EXPECT_EQ(WhiteX, 1.09851f);
    EXPECT_EQ(WhiteZ, 0.35582f);
    RGBToXYZ(code, xyzA);
    RGBToYxy(code, yxyA);
    RGBToLab(code, labA);
    RGBToLuv(code, luvA);
    EXPECT_EQ(xyz65, xyzA);
    EXPECT_EQ(yxy65, yxyA);
    EXPECT_NE(lab65, labA);
    EXPECT_NE(luv65, luvA);
    EXPECT_EQ(LabToRGB(labA), code);
    EXPECT_EQ(LuvToRGB(luvA), code);
    SetCIEWhite(1);
    EXPECT_EQ(WhiteX, 0.98072165f);
    EXPECT_EQ(WhiteZ, 1.1822538f);
    SetCIEWhite(-1);  // no item selected: unchanged
    EXPECT_EQ(WhiteX, 0.98072165f);
}

// The threshold constants are extended decimals. The single nearest 7.9996
// lies below the extended 7.9996, so it still takes the linear form; the
// single nearest 0.008856 lies above the extended 0.008856, so it already
// takes the cube form.
TEST_F(CIE, LabToXYZThresholdIsStrictlyBelowExtended7_9996)
{
    ASSERT_LT(static_cast<long double>(7.9996f), 7.9996L);
    auto X = [](float L) {
        TColorVec v{L, 100, 0};
        LabToXYZ(v);
        return v[0];
    };
    // With a* = 100 the two forms are far apart: linear X ≈ 0.034, cube X ≈ 0.064.
    struct Case {
        float L;
        bool linear;
    };
    for (auto [L, linear] : {Case{7.9995f, true}, Case{7.9996f, true}, Case{std::nextafter(7.9996f, 10.0f), false},
                             Case{8.0f, false}, Case{0.0f, true}, Case{-5.0f, true}}) {
        if (linear)
            EXPECT_LT(X(L), 0.04f) << L;
        else
            EXPECT_GT(X(L), 0.06f) << L;
    }
    // The linear form exactly: Y = L/903.3, X = (a/3893.5 + Y) Xn.
    TColorVec v{7.9995f, 100, 0};
    LabToXYZ(v);
    const float Y = static_cast<float>(7.9995f / 903.3L);
    EXPECT_EQ(v[1], Y);
    EXPECT_EQ(v[0], static_cast<float>((100 / 3893.5L + Y) * 0.95045f));
    EXPECT_EQ(v[2], static_cast<float>(Y * static_cast<long double>(1.088917f)));
}

TEST_F(CIE, XYZToLabThresholdOnTyAlone)
{
    ASSERT_GT(static_cast<long double>(0.008856f), 0.008856L);
    // X at half the white: the linear form gives a* ≈ 1912, the cube form ≈ 293.
    auto lab = [](float Y) {
        TColorVec v{0.5f * 0.95045f, Y, Y * 1.088917f};
        XYZToLab(v);
        return v;
    };
    const float below = std::nextafter(0.008856f, 0.0f);
    EXPECT_GT(lab(below)[1], 1000) << "ty just below 0.008856 takes the linear form";
    EXPECT_LT(lab(0.008856f)[1], 1000) << "the single nearest 0.008856 takes the cube form";
    EXPECT_EQ(lab(below)[0], static_cast<float>(903.3L * below));
    // One test on ty decides for all three: tx far above the threshold still
    // goes through the linear form when ty is small.
    TColorVec v{0.9f, 0.001f, 0.001f};
    XYZToLab(v);
    EXPECT_GT(v[1], 3000);
}

TEST_F(CIE, LuvReverseOfBlackAndZeroDivisors)
{
    TColorVec v{0, 12, -7};  // L* = 0 is black whatever u*, v*
    LuvToXYZ(v);
    EXPECT_EQ(v, (TColorVec{0, 0, 0}));
    TColorVec w{0, 0, 0};
    EXPECT_EQ(LuvToRGB(w), 0u);
}

// Whatever is typed, the reverse conversions return finite values or throw
// FloatError; no infinity or NaN escapes into a colour.
TEST_F(CIE, ReverseConversionsNeverLeakNonFiniteValues)
{
    const float values[] = {0,  -0.0f,    1e-30f, -1e-30f, 0.5f,  -7.9996f, 7.9996f,
                            50, -304.39f, 1e10f,  -1e10f,  3e38f, -3e38f};
    using Reverse = void (*)(TColorVec&);
    for (Reverse reverse : {Reverse{LuvToXYZ}, Reverse{LabToXYZ}, Reverse{YxyToXYZ}})
        for (float a : values)
            for (float b : values)
                for (float c : values) {
                    TColorVec v{a, b, c};
                    try {
                        reverse(v);
                        XYZToRGB(v);
                    } catch (const FloatError&) {
                        continue;
                    }
                    for (float x : v) ASSERT_TRUE(std::isfinite(x)) << a << ' ' << b << ' ' << c;
                }
}

TEST_F(CIE, HugeTypedValuesOverflowInsteadOfWrapping)
{
    TColorVec v{3e38f, 0, 0};
    EXPECT_THROW(LabToXYZ(v), FloatError);
    EXPECT_THROW(XYZToRGB({3e38f, 0, 0}), FloatError);
    TColorVec y{0.3f, 1e-30f, 3e38f};
    EXPECT_THROW(YxyToXYZ(y), FloatError);
}

TEST_F(CIE, YxyGuards)
{
    TColorVec v{0.3f, 0.0f, 50.0f};  // y = 0: X and Z are 0
    YxyToXYZ(v);
    EXPECT_EQ(v, (TColorVec{0, 0.5f, 0}));
    TColorVec sumZero{0.25f, -0.25f, 0};  // X + Y + Z = 0 keeps components 0 and 1
    XYZToYxy(sumZero);
    EXPECT_EQ(sumZero, (TColorVec{0.25f, -0.25f, -25.0f}));
}

}  // namespace
