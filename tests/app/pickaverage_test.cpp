// The picker's average of a square of pixels, computed by hand, its device
// pixels under a scale factor, and the arguments of `qolvar --pick`.
#include <gtest/gtest.h>

#include <vector>

#include "picking/pickargs.h"
#include "platform/pickaverage.h"
#include "platform/screenpick.h"

using namespace qolvar::platform;
using qolvar::app::ProgramArgs;

namespace {

TEST(PickAverage, RoundsHalvesToEven)
{
    struct Case {
        std::uint64_t sum, count;
        std::uint32_t mean;
    };
    const Case cases[] = {
        {5, 2, 2},        // 2.5 → 2
        {7, 2, 4},        // 3.5 → 4
        {510, 4, 128},    // 127.5 → 128
        {506, 4, 126},    // 126.5 → 126
        {1, 3, 0},        // 0.33 → 0
        {2, 3, 1},        // 0.67 → 1
        {1020, 9, 113},   // four of nine at 255: 113.3 → 113
        {1275, 9, 142},   // five of nine at 255: 141.7 → 142
        {6375, 25, 255},  // all 255
    };
    for (const Case& c : cases) EXPECT_EQ(RoundedMean(c.sum, c.count), c.mean) << c.sum << "/" << c.count;
}

// A 5×4 image, R = 10x, G = 20y, B = 255 where x + y is odd (a dither), with
// an alpha byte that must play no part, rows 6 words apart.
std::vector<std::uint32_t> Pattern()
{
    std::vector<std::uint32_t> pixels(6 * 4, 0xDEADBEEF);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            pixels[static_cast<std::size_t>(y * 6 + x)] = 0x80000000u | static_cast<std::uint32_t>(10 * x) << 16 |
                                                          static_cast<std::uint32_t>(20 * y) << 8 |
                                                          ((x + y) % 2 ? 255u : 0u);
    return pixels;
}

TEST(PickAverage, AveragesTheSquareCutToThePixelsThatExist)
{
    const auto pixels = Pattern();
    const PixelView view{pixels.data(), 5, 4, 6};
    struct Case {
        const char* what;
        int x, y, size;
        std::optional<std::uint32_t> colour;
    };
    const Case cases[] = {
        {"one pixel", 2, 1, 1, 0x1414FF},
        {"3x3 inside: five of nine dither pixels", 2, 1, 3, 0x14148E},
        {"3x3 at a corner: 2x2 pixels, B 127.5 -> 128", 0, 0, 3, 0x050A80},
        {"5x5 at the far corner: 3x3 pixels", 4, 3, 5, 0x1E288E},
        {"5x5 cut at top and bottom: 5x4 pixels", 2, 2, 5, 0x141E80},
        {"7x7 covers the whole image", 1, 0, 7, 0x141E80},
        {"centre outside", 5, 0, 3, std::nullopt},
        {"negative centre", -1, 0, 1, std::nullopt},
        {"even size", 2, 1, 2, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(AverageSquare(view, c.x, c.y, c.size), c.colour) << c.what;
}

// The device pixel under a logical position and back, on a screen with its
// top left corner at origin. Logical positions are made as the toolkit
// makes them from the pointer's device position, times (1 / ratio).
TEST(DevicePixels, AreReachedFromLogicalPositionsAndBack)
{
    struct Case {
        qreal ratio;
        QPoint origin;
        QPointF logical;
        QPoint device;
        QPoint back;  // the nearest logical position to device
    };
    const Case cases[] = {
        {1, {0, 0}, {120, 115}, {120, 115}, {120, 115}},
        {2, {0, 0}, {60.5, 68}, {121, 136}, {61, 68}},        // 121 / 2 = 60.5 → 61
        {2, {640, 0}, {700.5, 10.25}, {761, 20}, {701, 10}},  // 640 + 121, 20.5 → 20
        {1.5, {0, 0}, {80, 91}, {120, 136}, {80, 91}},        // 136.5 → 136; 90.67 → 91
        // 7 × (1 / 1.5) × 1.5 is 6.999…: still device pixel 7.
        {1.5, {0, 0}, {7 * (1 / 1.5), 202 * (1 / 1.5)}, {7, 202}, {5, 135}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DevicePixelAt(c.logical, c.origin, c.ratio), c.device) << c.ratio << " " << c.logical.x();
        EXPECT_EQ(LogicalPosOf(c.device, c.origin, c.ratio), c.back) << c.ratio << " " << c.device.x();
    }
}

TEST(PickArguments, AreReadOrRefused)
{
    struct Case {
        std::vector<std::string> args;
        ProgramArgs::Kind kind;
        int average;
        const char* format;
        bool copy;
    };
    const Case cases[] = {
        {{}, ProgramArgs::Window, 1, "hex", false},
        {{"--bogus"}, ProgramArgs::Bad, 1, "hex", false},  // not a second window on the same settings
        {{"whatever"}, ProgramArgs::Bad, 1, "hex", false},
        {{"--pick", "--help"}, ProgramArgs::Help, 1, "hex", false},
        {{"--pick"}, ProgramArgs::Pick, 1, "hex", false},
        {{"--pick", "--average", "5", "--format", "hsl", "--copy"}, ProgramArgs::Pick, 5, "hsl", true},
        {{"--average=7", "--pick", "--format=rgb"}, ProgramArgs::Pick, 7, "rgb", false},
        {{"--pick", "--average", "4"}, ProgramArgs::Bad, 1, "hex", false},
        {{"--pick", "--average", "03"}, ProgramArgs::Bad, 1, "hex", false},
        {{"--pick", "--average"}, ProgramArgs::Bad, 1, "hex", false},
        {{"--pick", "--format", "css-rgb"}, ProgramArgs::Bad, 1, "hex", false},
        {{"--pick", "--colour"}, ProgramArgs::Bad, 1, "hex", false},
    };
    for (const Case& c : cases) {
        const ProgramArgs r = qolvar::app::ParseProgramArgs(c.args);
        const std::string what = c.args.empty() ? "(none)" : c.args.back();
        EXPECT_EQ(r.kind, c.kind) << what;
        EXPECT_EQ(r.kind == ProgramArgs::Bad, !r.error.empty()) << what;
        if (r.kind == ProgramArgs::Pick) {
            EXPECT_EQ(r.pick.average, c.average) << what;
            EXPECT_EQ(r.pick.format, c.format) << what;
            EXPECT_EQ(r.pick.copy, c.copy) << what;
        }
    }
}

}  // namespace
