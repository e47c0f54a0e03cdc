// The palette of an image and the mean ΔE00 of a palette, on pixels whose
// answers can be worked out by hand.
#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

#include "colour/imagepalette.h"

using namespace qolvar;

namespace {

std::vector<RGBCode> Pixels(std::initializer_list<std::pair<RGBCode, int>> runs)
{
    std::vector<RGBCode> pixels;
    for (const auto& [code, count] : runs) pixels.insert(pixels.end(), static_cast<std::size_t>(count), code);
    return pixels;
}

TEST(ImagePalette, ColoursAndSharesOfSimpleImages)
{
    struct Row {
        std::vector<RGBCode> pixels;
        int count;
        std::vector<PaletteColour> expected;
    };
    const Row rows[] = {
        // No more distinct colours than asked for: exactly those, by share.
        {Pixels({{0x0000FF, 1}, {0xFF0000, 6}, {0x00FF00, 3}}), 3, {{0xFF0000, 0.6}, {0x00FF00, 0.3}, {0x0000FF, 0.1}}},
        {Pixels({{0x123456, 5}}), 4, {{0x123456, 1.0}}},
        // Bits above the colour are ignored.
        {Pixels({{0xFF000001, 1}, {0x000001, 1}}), 1, {{0x000001, 1.0}}},
        // Two groups: 000000 and 020202 merge. Their OKLab L are 0 and
        // 0.0847 (the cube root of the linear 2/255/12.92 = 0.000607), the
        // mean 0.0423 is linear 0.0000759, encoded 0.00098 → byte 0.25 → 00.
        {Pixels({{0x000000, 4}, {0x020202, 4}, {0xFFFFFF, 2}}), 2, {{0x000000, 0.8}, {0xFFFFFF, 0.2}}},
        {{}, 3, {}},
    };
    for (const Row& r : rows) {
        const auto palette = ImagePalette(r.pixels, r.count);
        ASSERT_EQ(palette.size(), r.expected.size()) << r.pixels.size() << " pixels";
        for (std::size_t i = 0; i < palette.size(); ++i) {
            EXPECT_EQ(palette[i].code, r.expected[i].code) << i;
            EXPECT_NEAR(palette[i].share, r.expected[i].share, 1e-12) << i;
        }
    }
}

// White against black differs by ΔL' = 100 alone, and SL = 1 at the mean
// lightness 50: ΔE00 = 100.
TEST(ImagePalette, MeanDeltaE2000ToTheNearestColour)
{
    struct Row {
        std::vector<RGBCode> pixels, palette;
        std::optional<double> mean;
    };
    const Row rows[] = {
        {{0xFFFFFF, 0x000000}, {0xFFFFFF}, 50.0},
        {{0xFFFFFF, 0x000000, 0x000000, 0x000000}, {0x000000}, 25.0},
        {{0xFFFFFF, 0x000000}, {0x000000, 0xFFFFFF}, 0.0},
        {{0x000000}, {}, std::nullopt},
        {{}, {0x000000}, std::nullopt},
    };
    for (const Row& r : rows) {
        const auto mean = MeanDeltaE2000(r.pixels, r.palette);
        ASSERT_EQ(mean.has_value(), r.mean.has_value());
        if (mean) {
            EXPECT_NEAR(*mean, *r.mean, 1e-9);
        }
    }
}

}  // namespace
