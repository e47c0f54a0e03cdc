#include <gtest/gtest.h>

#include <cstdlib>

#include "colour/video.h"
#include "whole_range.h"

using namespace qolvar;

namespace {

constexpr Model YUV = Model::YUV, YCbCr = Model::YCbCr, YPbPr = Model::YPbPr, YIQ = Model::YIQ;

constexpr VideoCode Fields(int y, int d1, int d2)
{
    return static_cast<VideoCode>(y & 0xFF) << 16 | static_cast<VideoCode>(d1 & 0xFF) << 8 |
           static_cast<VideoCode>(d2 & 0xFF);
}

struct VideoCase {
    const char* name;
    Model model;
    RGBCode rgb;
    VideoCode fields;
    RGBCode back;
};

void PrintTo(const VideoCase& c, std::ostream* os) { *os << c.name; }

class VideoExamples : public ::testing::TestWithParam<VideoCase> {};

TEST_P(VideoExamples, ForwardAndBack)
{
    const auto& c = GetParam();
    EXPECT_EQ(RGBToVideo(c.model, c.rgb), c.fields);
    EXPECT_EQ(VideoToRGB(c.model, c.fields), c.back);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VideoExamples,
    ::testing::Values(VideoCase{"WhiteYUV", YUV, 0xFFFFFF, Fields(255, 0, 0), 0xFFFFFF},
                      VideoCase{"WhiteYCbCr", YCbCr, 0xFFFFFF, Fields(235, 128, 128), 0xFFFFFF},
                      VideoCase{"WhiteYPbPr", YPbPr, 0xFFFFFF, Fields(255, 0, 0), 0xFFFFFF},
                      VideoCase{"WhiteYIQ", YIQ, 0xFFFFFF, Fields(255, 0, 0), 0xFFFFFF},
                      VideoCase{"BlackYUV", YUV, 0x000000, Fields(0, 0, 0), 0x000000},
                      VideoCase{"BlackYCbCr", YCbCr, 0x000000, Fields(16, 128, 128), 0x000000},
                      VideoCase{"GreyYCbCr", YCbCr, 0x808080, Fields(126, 128, 128), 0x808080},
                      VideoCase{"GreyYIQ", YIQ, 0x808080, Fields(128, 0, 0), 0x808080},
                      VideoCase{"Blue336699YUV", YUV, 0x336699, Fields(93, 34, -30), 0x336799},
                      VideoCase{"Blue336699YCbCr", YCbCr, 0x336699, Fields(96, 158, 102), 0x34679A},
                      VideoCase{"Blue336699YPbPr", YPbPr, 0x336699, Fields(96, 31, -28), 0x346699},
                      VideoCase{"Blue336699YIQ", YIQ, 0x336699, Fields(93, -47, 5), 0x336799},
                      VideoCase{"OrangeYCbCr", YCbCr, 0xFF8000, Fields(146, 53, 193), 0xFF8000},
                      VideoCase{"OrangeYIQ", YIQ, 0xFF8000, Fields(151, 117, -13), 0xFF8000},
                      // An exact half that rounds up to +128 is clamped to 127, not wrapped to -128.
                      VideoCase{"RedYUV", YUV, 0xFF0000, Fields(76, -43, 127), 0xFE0000},
                      VideoCase{"BlueYUV", YUV, 0x0000FF, Fields(29, 127, -21), 0x0000FE},
                      VideoCase{"BlueYPbPr", YPbPr, 0x0000FF, Fields(22, 127, -14), 0x0000FE},
                      // Red through YCbCr gives R = 256: clamped to 255, so it stays red.
                      VideoCase{"RedYCbCr", YCbCr, 0xFF0000, Fields(82, 90, 240), 0xFF0100},
                      // With k = 0.4768 saturated green survives YPbPr.
                      VideoCase{"GreenYPbPr", YPbPr, 0x00FF00, Fields(179, -98, -114), 0x00FF00},
                      // I reaches beyond the signed byte and is clamped.
                      VideoCase{"RedYIQ", YIQ, 0xFF0000, Fields(76, 127, 54), 0xE7071C}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Video, GreysHaveNoColourDifference)
{
    for (std::uint32_t g = 0; g < 256; ++g) {
        const RGBCode grey = g * 0x010101;
        for (Model m : {YUV, YPbPr, YIQ}) {
            EXPECT_EQ(RGBToVideo(m, grey) & 0xFFFF, 0u) << InfoOf(m).name << ' ' << g;
            EXPECT_EQ(VideoToRGB(m, RGBToVideo(m, grey)), grey) << InfoOf(m).name << ' ' << g;
        }
        EXPECT_EQ(RGBToVideo(YCbCr, grey) & 0xFFFF, 0x8080u) << g;
    }
}

TEST(Video, ReverseComponentsAreClampedToBytes)
{
    EXPECT_EQ((YUVToRGB(Fields(255, 0, 127)) >> 16) & 0xFF, 255u);       // 433 → 255
    EXPECT_EQ((YUVToRGB(Fields(0, 0, -128)) >> 16) & 0xFF, 0u);          // -179 → 0
    EXPECT_EQ(YCbCrToRGB(Fields(255, 255, 255)) & 0xFF00FF, 0xFF00FFu);  // R 481, B 534
    EXPECT_EQ(YCbCrToRGB(Fields(0, 0, 0)) & 0xFF00FF, 0u);               // R, B below 0
    EXPECT_EQ(YIQToRGB(Fields(255, 127, 127)) & 0xFF00FF, 0xFF00FFu);
    EXPECT_EQ(RGBToVideo(Model::Lab, 0xFFFFFF), 0u);  // no video model
    EXPECT_EQ(VideoToRGB(Model::HSV, 0xFFFFFF), 0u);
}

// Clamping instead of wrapping bounds the round-trip error of every colour;
// a wrapped field would be off by about 256.
TEST(Video, WholeRangeRoundTripErrorIsBounded)
{
    struct Bound {
        Model model;
        int maxError;
    };
    for (auto [model, bound] : {Bound{YUV, 1}, Bound{YCbCr, 2}, Bound{YPbPr, 1}, Bound{YIQ, 29}}) {
        int worst = 0;
        test::ForEachColour([&, model = model](RGBCode c) {
            const RGBCode b = VideoToRGB(model, RGBToVideo(model, c));
            for (int s = 0; s < 24; s += 8)
                worst = std::max(worst, std::abs(int((b >> s) & 0xFF) - int((c >> s) & 0xFF)));
        });
        EXPECT_LE(worst, bound) << "model " << InfoOf(model).name;
    }
}

}  // namespace
