#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "cli/cli.h"
#include "colour/cie.h"
#include "colour/munsell_renotation.h"

using namespace qolvar;

namespace {

// The shipped tables, loaded into the conditions c_ the conversions take.
class Renotation : public ::testing::Test {
protected:
    const RenotationGrid& Shipped(MunsellIlluminant illuminant)
    {
        c_.munsell = LoadMunsellTable(cli::ProgramFolder(), illuminant);
        return RenotationOf(c_);
    }
    ConversionConditions c_;
};

const char* FileOf(MunsellIlluminant illuminant) { return MunsellFileOf(illuminant); }

// Hue distance on the circle.
double HueGap(double a, double b)
{
    const double d = std::fabs(a - b);
    return std::min(d, 100 - d);
}

struct Sample {
    double H, V, C, x, y, Y;  // Y as published, relative to magnesium oxide
};

// Published renotation samples (Illuminant C), hues as numbers: 5R = 5,
// 10YR = 20, 5PB = 75, 10RP = 100.
constexpr Sample kPublished[] = {
    {100, 1, 2, 0.3629, 0.2710, 1.210}, {45, 1, 8, 0.0559, 0.5710, 1.210},    {20, 2, 4, 0.4676, 0.4168, 3.126},
    {75, 3, 12, 0.1557, 0.1356, 6.555}, {2.5, 4, 18, 0.5898, 0.2622, 12.0},   {30, 4, 2, 0.3476, 0.3732, 12.0},
    {5, 5, 10, 0.4747, 0.3227, 19.77},  {5, 5, 14, 0.5341, 0.3158, 19.77},    {65, 5, 2, 0.2794, 0.3032, 19.77},
    {55, 6, 8, 0.2236, 0.3311, 30.05},  {32.5, 7, 10, 0.4091, 0.5030, 43.06}, {22.5, 8, 12, 0.4678, 0.4589, 59.1},
    {100, 9, 2, 0.3205, 0.3155, 78.66}, {87.5, 9, 4, 0.3117, 0.2928, 78.66},
};

void ExpectNotation(const RenotationNotation& n, double H, double V, double C, const std::string& what)
{
    EXPECT_LE(HueGap(n.H, H), 0.05) << what << " H " << n.H;
    EXPECT_NEAR(n.V, V, 0.01) << what;
    EXPECT_NEAR(n.C, C, 0.05) << what;
    EXPECT_FALSE(n.beyond) << what;
}

TEST_F(Renotation, PublishedSamplesComeBackToTheirNotation)
{
    const RenotationGrid& grid = Shipped(MunsellIlluminant::C);
    for (const Sample& s : kPublished) {
        const std::string what = std::to_string(s.H) + " " + std::to_string(s.V) + "/" + std::to_string(s.C);
        // The perfect diffuser's scale: magnesium oxide reflects 0.975.
        ExpectNotation(grid.Notation(s.x, s.y, s.Y * 0.975), s.H, s.V, s.C, what);
        double x = 0, y = 0;
        EXPECT_TRUE(grid.Chromaticity(s.H, s.V, s.C, x, y)) << what;
        EXPECT_NEAR(x, s.x, 2e-4) << what;  // some rows of the full file have three decimals
        EXPECT_NEAR(y, s.y, 2e-4) << what;
    }
}

// Every sample of both shipped tables (the extrapolated ones and those below
// value 1 included) converts back to its own notation, from the Y of its
// value and from its own published Y. Five samples of value 0.8 cannot come
// back from their published Y (only their value does): that Y (0.943 ×
// 0.975) is below the value polynomial's 0.920271 and makes them value
// 0.7993; they end their pages, where the chroma steps of the 0.8 plane lie
// 0.001 to 0.004 apart and the 0.6 plane's lie about 0.01 further out, so
// that small share of the 0.6 plane costs 0.05 to 0.08 chroma. From the Y
// of value 0.8 they come back.
TEST_F(Renotation, EveryTableSampleComesBackToItsNotation)
{
    const struct {
        float H, V, C;
    } offPlane[] = {{80, 0.8, 36}, {82.5, 0.8, 30}, {82.5, 0.8, 34}, {82.5, 0.8, 36}, {95, 0.8, 20}};
    for (const MunsellIlluminant illuminant : {MunsellIlluminant::C, MunsellIlluminant::D65}) {
        const char* file = FileOf(illuminant);
        const RenotationGrid& grid = Shipped(illuminant);
        int checked = 0, fromOwnY = 0;
        const auto rows = c_.munsell->Rows();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const MunsellRow& r = rows[i];
            bool own = true;
            for (const auto& o : offPlane)
                if (r.H == o.H && r.V == o.V && r.C == o.C) own = false;
            for (const double Y : {MunsellValueToY(r.V), static_cast<double>(r.Y)}) {
                const RenotationNotation n = grid.Notation(r.x, r.y, Y);
                ASSERT_NEAR(n.V, r.V, 0.01) << file << " row " << i << " Y " << Y;
                ASSERT_FALSE(n.beyond) << file << " row " << i << " Y " << Y;
                if (!own && Y == r.Y) continue;
                ASSERT_LE(HueGap(n.H, r.H), 0.05) << file << " row " << i << " Y " << Y;
                ASSERT_NEAR(n.C, r.C, 0.05) << file << " row " << i << " Y " << Y;
            }
            ++checked;
            fromOwnY += own;
        }
        EXPECT_EQ(checked, 4995) << file;
        EXPECT_EQ(fromOwnY, 4990) << file;
    }
}

TEST_F(Renotation, ValuePolynomialAndItsInverse)
{
    // Hand-computed from the polynomial's coefficients.
    const struct {
        double V, Y;
    } rows[] = {{0, 0}, {1, 1.17982636}, {5, 19.270875}, {10, 99.997}};
    for (const auto& r : rows) {
        EXPECT_NEAR(MunsellValueToY(r.V), r.Y, 1e-9) << r.V;
        EXPECT_NEAR(MunsellYToValue(r.Y), r.V, 1e-9) << r.V;
    }
    EXPECT_EQ(MunsellYToValue(-1), 0);
}

TEST_F(Renotation, GreysAreNeutralAtTheTablesWhite)
{
    // D65 (0.95045, 1, 1.088917) and C (0.98072165, 1, 1.1822538) as x, y.
    const struct {
        MunsellIlluminant file;
        double x, y;
    } whites[] = {{MunsellIlluminant::D65, 0.3127131, 0.3290159}, {MunsellIlluminant::C, 0.3100630, 0.3161580}};
    for (const auto& w : whites) {
        const RenotationGrid& grid = Shipped(w.file);
        const RenotationNotation n = grid.Notation(w.x, w.y, 19.270875);
        EXPECT_EQ(n.H, -1) << FileOf(w.file);
        EXPECT_EQ(n.C, 0) << FileOf(w.file);
        EXPECT_NEAR(n.V, 5, 1e-6) << FileOf(w.file);
        TColorVec yxy{};
        RenotationHVCToYxy({-1, 5, 0}, yxy, c_);
        EXPECT_NEAR(yxy[0], w.x, 1e-6);
        EXPECT_NEAR(yxy[1], w.y, 1e-6);
        EXPECT_NEAR(yxy[2], 19.270875, 1e-5);
    }
    // Grey codes: neutral with the value of their luminance; black is 0.
    TColorVec hvc{}, yxy{};
    RenotationRGBToHVC(0x000000, hvc, yxy, c_);
    EXPECT_EQ(hvc, (TColorVec{-1, 0, 0}));
    RenotationRGBToHVC(0xFFFFFF, hvc, yxy, c_);
    EXPECT_EQ(hvc[0], -1);
    EXPECT_NEAR(hvc[1], 10, 1e-3);
}

TEST_F(Renotation, InterpolationBetweenChromaHueAndValue)
{
    const RenotationGrid& grid = Shipped(MunsellIlluminant::C);
    double x = 0, y = 0;
    // Chroma: straight between 5R 5/10 (0.4747, 0.3227) and 5R 5/12
    // (0.5071, 0.3194).
    grid.Chromaticity(5, 5, 11, x, y);
    EXPECT_NEAR(x, (0.4747 + 0.5071) / 2, 1e-7);
    EXPECT_NEAR(y, (0.3227 + 0.3194) / 2, 1e-7);
    // Hue: half way between 5R 5/10 and 7.5R 5/10 (0.4927, 0.3399) the
    // distance from the white is the mean of theirs.
    const double wx = grid.WhiteX(), wy = grid.WhiteY();
    grid.Chromaticity(6.25, 5, 10, x, y);
    const double mean = (std::hypot(0.4747 - wx, 0.3227 - wy) + std::hypot(0.4927 - wx, 0.3399 - wy)) / 2;
    EXPECT_NEAR(std::hypot(x - wx, y - wy), mean, 1e-7);
    // Value: linear in Y between 5R 5/10 and 5R 6/10 (0.448, 0.325).
    grid.Chromaticity(5, MunsellYToValue((MunsellValueToY(5) + MunsellValueToY(6)) / 2), 10, x, y);
    EXPECT_NEAR(x, (0.4747 + 0.448) / 2, 1e-7);
    EXPECT_NEAR(y, (0.3227 + 0.325) / 2, 1e-7);
    // 10RP is hue 100 and hue 0.
    double x0 = 0, y0 = 0;
    grid.Chromaticity(0, 5, 6, x0, y0);
    grid.Chromaticity(100, 5, 6, x, y);
    EXPECT_EQ(x0, x);
    EXPECT_EQ(y0, y);
}

TEST_F(Renotation, BeyondTheDataGivesTheNearestReachableNotation)
{
    const RenotationGrid& grid = Shipped(MunsellIlluminant::C);
    // 5R 5/14 lies far inside: past the data's last red sample of value 5
    // the chromaticity keeps going, the notation stops at the limit.
    const double limit = grid.MaxChroma(5, 5);
    double x = 0, y = 0;
    EXPECT_FALSE(grid.Chromaticity(5, 5, limit + 4, x, y));
    const RenotationNotation n = grid.Notation(x, y, MunsellValueToY(5));
    EXPECT_TRUE(n.beyond);
    EXPECT_NEAR(n.H, 5, 1e-6);
    EXPECT_NEAR(n.C, limit, 1e-9);
    double lx = 0, ly = 0;
    EXPECT_TRUE(grid.Chromaticity(5, 5, limit, lx, ly));
    EXPECT_NEAR(n.x, lx, 1e-12);
    EXPECT_NEAR(n.y, ly, 1e-12);
    TColorVec yxy{};
    EXPECT_THROW(RenotationHVCToYxy({5, 5, static_cast<float>(limit + 4)}, yxy, c_), RangeError);
    EXPECT_THROW(RenotationHVCToYxy({5, 11, 2}, yxy, c_), RangeError);
    // Nonsense never throws.
    EXPECT_TRUE(grid.Notation(NAN, 0.3, 20).beyond);
    EXPECT_NO_THROW(grid.Notation(1e30, -1e30, 1e30));
}

TEST_F(Renotation, TableWithoutUsableSamplesNeverThrows)
{
    const MunsellRow rows[] = {{5, 5, 3, 19, 0.4, 0.3}, {1.3, 5, 4, 19, 0.4, 0.3}};
    const RenotationGrid grid(rows, 0.31, 0.316);
    const RenotationNotation n = grid.Notation(0.4, 0.3, 20);
    EXPECT_TRUE(n.beyond);
    EXPECT_EQ(n.H, -1);
    EXPECT_EQ(grid.MaxChroma(5, 5), 0);
}

// Every sRGB colour converts without error, with a notation that gives its
// own chromaticity back (all 16 777 216 were checked once; here a sample).
TEST_F(Renotation, SRGBColoursConvertAndComeBack)
{
    for (const MunsellIlluminant illuminant : {MunsellIlluminant::D65, MunsellIlluminant::C}) {
        const RenotationGrid& grid = Shipped(illuminant);
#ifdef QOLVAR_SANITIZED
        constexpr std::uint32_t kStep = 1999;
#else
        constexpr std::uint32_t kStep = 163;  // 102 927 colours
#endif
        for (std::uint32_t code = 1; code < 0x1000000; code += kStep) {
            TColorVec hvc{}, yxy{};
            bool beyond = true;
            ASSERT_NO_THROW(RenotationRGBToHVC(code, hvc, yxy, c_, &beyond)) << std::hex << code;
            ASSERT_FALSE(beyond) << std::hex << code;
            ASSERT_TRUE(hvc[0] == -1 || (hvc[0] > 0 && hvc[0] <= 100)) << std::hex << code;
            ASSERT_TRUE(hvc[1] >= 0 && hvc[1] <= 10.001f && hvc[2] >= 0) << std::hex << code;
            if (hvc[0] == -1) continue;  // greys are neutral whatever the table's white
            double x = 0, y = 0;
            grid.Chromaticity(hvc[0], hvc[1], hvc[2], x, y);
            ASSERT_NEAR(x, yxy[0], 1e-5) << std::hex << code;  // the notation is stored as singles
            ASSERT_NEAR(y, yxy[1], 1e-5) << std::hex << code;
        }
    }
}

}  // namespace
