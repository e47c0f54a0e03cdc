#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>

#include "colour/errors.h"
#include "colour/oklab.h"

using namespace qolvar;

namespace {

// Every colour of the reference table, computed by an independent
// implementation, agrees to 1e-4 in L, a, b, C and h, and its values
// convert back to it.
TEST(OkLab, MatchesTheReferenceTable)
{
    std::ifstream file(QOLVAR_OKLAB_REFERENCE);
    ASSERT_TRUE(file) << QOLVAR_OKLAB_REFERENCE;
    int rows = 0;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string hex, hue;
        double L, a, b, C;
        ASSERT_TRUE(fields >> hex >> L >> a >> b >> C >> hue) << line;
        const RGBCode code = static_cast<RGBCode>(std::stoul(hex, nullptr, 16));
        const auto lab = OkValues(OkModel::OkLab, code);
        const auto lch = OkValues(OkModel::OkLCh, code);
        EXPECT_NEAR(lab[0], L, 1e-4) << hex;
        EXPECT_NEAR(lab[1], a, 1e-4) << hex;
        EXPECT_NEAR(lab[2], b, 1e-4) << hex;
        EXPECT_NEAR(lch[1], C, 1e-4) << hex;
        EXPECT_NEAR(lch[2], hue == "NaN" ? 0.0 : std::stod(hue), 1e-4) << hex;
        for (const auto model : {OkModel::OkLab, OkModel::OkLCh}) {
            const OkRGB back = OkValuesToRGB(model, OkValues(model, code));
            EXPECT_EQ(back.code, code) << hex;
            EXPECT_FALSE(back.clamped) << hex;
        }
        ++rows;
    }
    EXPECT_EQ(rows, 14);
}

TEST(OkLab, TextsAndClamping)
{
    // Hand-checkable texts: a hue just below 360 shows as 0.00, negative
    // zeros lose their sign.
    EXPECT_EQ(OkValueTexts(OkModel::OkLCh, {0.5, 0.1, 359.996}),
              (std::array<std::string, 3>{"0.5000", "0.1000", "0.00"}));
    EXPECT_EQ(OkValueTexts(OkModel::OkLab, {1, -0.00001, -0.0}),
              (std::array<std::string, 3>{"1.0000", "0.0000", "0.0000"}));
    // Outside sRGB: clamped channel by channel, and said so.
    struct Case {
        OkModel model;
        std::array<double, 3> values;
        RGBCode code;
        bool clamped;
    };
    const Case cases[] = {
        {OkModel::OkLab, {1, 0, 0}, 0xFFFFFF, false},
        {OkModel::OkLab, {2, 0, 0}, 0xFFFFFF, true},
        {OkModel::OkLab, {-1, 0, 0}, 0x000000, true},
        {OkModel::OkLCh, {0.6280, 0.2577, 29.23 + 360}, 0xFF0000, false},  // the hue is on a circle
        {OkModel::OkLCh, {0.5, 0.4, 30}, 0xFD0000, true},
    };
    for (const auto& c : cases) {
        const OkRGB r = OkValuesToRGB(c.model, c.values);
        EXPECT_EQ(r.code, c.code) << c.values[0] << ' ' << c.values[1] << ' ' << c.values[2];
        EXPECT_EQ(r.clamped, c.clamped) << c.values[0] << ' ' << c.values[1] << ' ' << c.values[2];
    }
    EXPECT_THROW(OkValuesToRGB(OkModel::OkLab, {1e300, 0, 0}), ColourError);
}

}  // namespace
