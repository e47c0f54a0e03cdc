#include <gtest/gtest.h>

#include <cmath>

#include "colour/colour.h"
#include "colour/numeric.h"

using namespace qolvar;

namespace {

// The start-up conditions: gamma 2.2, white D65.
const ConversionConditions kStart;

// Conditions that differ from the start-up ones.
ConversionConditions WithGamma(float gamma)
{
    ConversionConditions c;
    c.gamma = gamma;
    return c;
}
ConversionConditions WithWhite(WhitePoint white)
{
    ConversionConditions c;
    c.white = white;
    return c;
}

class CIE : public ::testing::Test {};

void ExpectVecNear(const TColorVec& v, float a, float b, float c, float tol)
{
    EXPECT_NEAR(v[0], a, tol);
    EXPECT_NEAR(v[1], b, tol);
    EXPECT_NEAR(v[2], c, tol);
}

TEST_F(CIE, WhiteIsTheWhitePoint)
{
    TColorVec v;
    RGBToXYZ(0xFFFFFF, v, kStart);
    EXPECT_EQ(v, (TColorVec{0.95045f, 1.0f, 1.088917f}));
    EXPECT_EQ(XYZToRGB(v, kStart), 0xFFFFFFu);
    RGBToYxy(0xFFFFFF, v, kStart);
    ExpectVecNear(v, 0.31271f, 0.32902f, 100.0f, 1e-5f);
    EXPECT_EQ(YxyToRGB(v, kStart), 0xFFFFFFu);
    RGBToLab(0xFFFFFF, v, kStart);
    EXPECT_EQ(v, (TColorVec{100, 0, 0}));
    EXPECT_EQ(LabToRGB(v, kStart), 0xFFFFFFu);
    RGBToLuv(0xFFFFFF, v, kStart);
    EXPECT_EQ(v, (TColorVec{100, 0, 0}));
    EXPECT_EQ(LuvToRGB(v, kStart), 0xFFFFFFu);
}

struct ForwardCase {
    const char* name;
    RGBCode code;
    void (*forward)(RGBCode, TColorVec&, const ConversionConditions&);
    float a, b, c, tol;
};

void PrintTo(const ForwardCase& c, std::ostream* os) { *os << c.name; }

class CIEForward : public ::testing::TestWithParam<ForwardCase> {};

TEST_P(CIEForward, MatchesPublishedValues)
{
    const auto& p = GetParam();
    TColorVec v;
    p.forward(p.code, v, kStart);
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
        RGBToXYZ(in, v, kStart);
        EXPECT_EQ(XYZToRGB(v, kStart), out) << std::hex << in;
        RGBToLab(in, v, kStart);
        EXPECT_EQ(LabToRGB(v, kStart), out) << std::hex << in;
        RGBToYxy(in, v, kStart);
        EXPECT_EQ(YxyToRGB(v, kStart), out) << std::hex << in;
    }
}

TEST_F(CIE, ReverseLeavesXYZInTheVector)
{
    TColorVec lab;
    RGBToLab(0x336699, lab, kStart);
    TColorVec xyz;
    RGBToXYZ(0x336699, xyz, kStart);
    LabToRGB(lab, kStart);
    ExpectVecNear(lab, xyz[0], xyz[1], xyz[2], 1e-6f);
}

TEST_F(CIE, TypedXYZOutsideTheGamutIsClipped)
{
    EXPECT_EQ(XYZToRGB({2, 2, 2}, kStart), 0xFFFFFFu);
    EXPECT_EQ(XYZToRGB({-1, -1, -1}, kStart), 0x000000u);
    EXPECT_EQ(XYZToRGB({0.412411f, 0.212649f, 0.019332f}, kStart), 0xFF0000u);
}

TEST_F(CIE, GammaOfTheConditions)
{
    // Without gamma the normalised components go into the matrix unchanged.
    TColorVec v;
    RGBToXYZ(0x808080, v, WithGamma(1.0f));
    const float c = 128.0f / 255.0f;
    ExpectVecNear(v, 0.95045f * c, c, 1.088917f * c, 1e-6f);
    // Gamma 3 is a whole-number power on the way in: an exact cube.
    const ConversionConditions cube3 = WithGamma(3.0f);
    RGBToXYZ(0x808080, v, cube3);
    const float cube = static_cast<float>(static_cast<long double>(c) * c * c);
    ExpectVecNear(v, 0.95045f * cube, cube, 1.088917f * cube, 1e-6f);
    for (RGBCode code : {0xFFFFFFu, 0x000000u, 0x808080u}) {
        RGBToXYZ(code, v, cube3);
        EXPECT_EQ(XYZToRGB(v, cube3), code) << std::hex << code;
    }
}

// Each call takes its own conditions' gamma, whatever gamma the call before
// used (the linearised bytes are kept per gamma).
TEST_F(CIE, GammaChangesAreSeenImmediately)
{
    TColorVec a, b;
    RGBToXYZ(0x808080, a, kStart);
    RGBToXYZ(0x808080, b, WithGamma(1.0f));
    EXPECT_NE(a[1], b[1]);
    RGBToXYZ(0x808080, b, kStart);
    EXPECT_EQ(a, b);
}

TEST_F(CIE, IlluminantChangesOnlyLabAndLuv)
{
    TColorVec xyz65, yxy65, lab65, luv65, xyzA, yxyA, labA, luvA;
    const RGBCode code = 0xFF8000;
    RGBToXYZ(code, xyz65, kStart);
    RGBToYxy(code, yxy65, kStart);
    RGBToLab(code, lab65, kStart);
    RGBToLuv(code, luv65, kStart);
    const ConversionConditions a = WithWhite(WhiteA);
    RGBToXYZ(code, xyzA, a);
    RGBToYxy(code, yxyA, a);
    RGBToLab(code, labA, a);
    RGBToLuv(code, luvA, a);
    EXPECT_EQ(xyz65, xyzA);
    EXPECT_EQ(yxy65, yxyA);
    EXPECT_NE(lab65, labA);
    EXPECT_NE(luv65, luvA);
    EXPECT_EQ(LabToRGB(labA, a), code);
    EXPECT_EQ(LuvToRGB(luvA, a), code);
}

// Whatever is typed, the reverse conversions return finite values or throw
// FloatError; no infinity or NaN escapes into a colour.
TEST_F(CIE, ReverseConversionsNeverLeakNonFiniteValues)
{
    const float values[] = {0,  -0.0f,    1e-30f, -1e-30f, 0.5f,  -7.9996f, 7.9996f,
                            50, -304.39f, 1e10f,  -1e10f,  3e38f, -3e38f};
    using Reverse = void (*)(TColorVec&);
    const Reverse reverses[] = {[](TColorVec& v) { LuvToXYZ(v, kStart); }, [](TColorVec& v) { LabToXYZ(v, kStart); },
                                YxyToXYZ};
    for (Reverse reverse : reverses)
        for (float a : values)
            for (float b : values)
                for (float c : values) {
                    TColorVec v{a, b, c};
                    try {
                        reverse(v);
                        XYZToRGB(v, kStart);
                    } catch (const FloatError&) {
                        continue;
                    }
                    for (float x : v) ASSERT_TRUE(std::isfinite(x)) << a << ' ' << b << ' ' << c;
                }
}

TEST_F(CIE, HugeTypedValuesOverflowInsteadOfWrapping)
{
    TColorVec v{3e38f, 0, 0};
    EXPECT_THROW(LabToXYZ(v, kStart), FloatError);
    EXPECT_THROW(XYZToRGB({3e38f, 0, 0}, kStart), FloatError);
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
