// The colour field's pixel routines, the inverting markers and the HUE
// page's scale conversions.
#include <gtest/gtest.h>

#include "colour/hue.h"
#include "pages/huefield.h"

using namespace qolvar;
using namespace qolvar::app;

namespace {

RGBCode At(const QImage& img, int x, int y) { return img.pixel(x, y) & 0xFFFFFF; }

TEST(HueScales, PercentAndByteRoundHalvesToEven)
{
    struct Case {
        int percent, byte;
    };
    // The ties of percent to 0..255 (p × 2.55 = n.5) and plain cases.
    for (const Case c : {Case{0, 0}, {10, 26}, {30, 76}, {50, 128}, {70, 178}, {90, 230}, {39, 99}, {100, 255}})
        EXPECT_EQ(PercentToByte(c.percent), c.byte) << c.percent;
    EXPECT_EQ(PercentToByte(300) & 0xFF, 253);
    EXPECT_EQ(PercentToByte(-5), -13);
    // Shown percent reads back as itself: no value drifts on rewriting.
    for (int p = 0; p <= 100; ++p) EXPECT_EQ(ByteToPercent(PercentToByte(p)), p) << p;
    EXPECT_EQ(ByteToPercent(128), 50);
    EXPECT_EQ(ByteToPercent(255), 100);
}

TEST(HueScales, StripRowsAndHues)
{
    const int ties[] = {16, 48, 80, 112, 144, 176, 208, 240};
    const int hues[] = {22, 68, 112, 158, 202, 248, 292, 338};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(HueOfRow(ties[i]), hues[i]) << ties[i];
    EXPECT_EQ(HueOfRow(255), 359);
    for (int row = 0; row < 256; ++row) EXPECT_EQ(RowOfHue(HueOfRow(row)), row) << row;
    EXPECT_EQ(RoundDiv(-180, 32), -6);  // -5.625
    EXPECT_EQ(RoundDiv(-3, 2), -2);     // -1.5 to the even -2
}

TEST(HueField, HSVFieldIsTheLibrarysConversion)
{
    QImage canvas(254, 255, QImage::Format_RGB32);
    for (std::uint32_t hue : {0u, 22u, 200u, 359u, 360u, 400u}) {
        FillHSVField(canvas, hue);
        for (int y = 0; y < canvas.height(); y += 17)
            for (int x = 0; x < canvas.width(); x += 13)
                ASSERT_EQ(At(canvas, x, y), HSVToRGB(hue << 16 | x << 8 | (255 - y))) << hue << " " << x << "," << y;
    }
}

TEST(HueField, HLSPictureIsTheConversionAtMidLightness)
{
    const QImage& pic = HLSFieldPicture();
    ASSERT_EQ(pic.size(), QSize(360, 256));
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 360; ++x)
            ASSERT_EQ(At(pic, x, y), HLSToRGB(static_cast<HueCode>(x) << 16 | 128 << 8 | (255 - y))) << x << "," << y;
    EXPECT_EQ(At(pic, 0, 0), 0xFF0101u);
    EXPECT_EQ(At(pic, 0, 255), 0x808080u);
}

TEST(HueField, StripsRowByRow)
{
    QImage strip(21, 255, QImage::Format_RGB32);
    PaintHSVStrip(strip);
    for (int row : {0, 16, 128, 254}) {
        EXPECT_EQ(At(strip, 0, row), HSVToRGB(static_cast<HueCode>(HueOfRow(row)) << 16 | 0xFFFF));
        EXPECT_EQ(At(strip, 20, row), At(strip, 0, row));
    }
    PaintHLSStrip(strip, 210, 128);
    for (int row : {0, 100, 254}) EXPECT_EQ(At(strip, 7, row), HLSToRGB(210u << 16 | (255u - row) << 8 | 128));
}

TEST(HueField, MarkersInvertTheirOutlineAndVanishWhenDrawnTwice)
{
    QImage canvas(40, 40, QImage::Format_RGB32);
    FillHSVField(canvas, 120);
    const QImage plain = canvas.copy();
    struct Case {
        TRect r;
        bool ellipse;
        int pixels;  // inverted pixels on the canvas; -1: some
    };
    // Inside, across the edges, and empty (draws nothing). A bar is its
    // top and bottom rows and the two ends between them.
    for (const Case c :
         {Case{{10, 10, 22, 22}, true, -1}, Case{{-6, -6, 6, 6}, true, -1}, Case{{0, 36, 24, 40}, false, 24 + 24 + 4},
          Case{{0, -2, 24, 2}, false, 24 + 2}, Case{{0, 0, 0, 0}, true, 0}, Case{{0, 0, 0, 0}, false, 0}}) {
        c.ellipse ? InvertEllipse(canvas, c.r) : InvertRectangle(canvas, c.r);
        int changed = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x) {
                if (canvas.pixel(x, y) == plain.pixel(x, y)) continue;
                ++changed;
                EXPECT_TRUE(x >= c.r.Left && x < c.r.Right && y >= c.r.Top && y < c.r.Bottom) << x << "," << y;
                EXPECT_EQ(canvas.pixel(x, y), plain.pixel(x, y) ^ 0x00FFFFFFu);  // inverted, alpha kept
            }
        EXPECT_TRUE(c.pixels < 0 ? changed > 0 : changed == c.pixels) << changed;
        c.ellipse ? InvertEllipse(canvas, c.r) : InvertRectangle(canvas, c.r);
        EXPECT_EQ(canvas, plain);
    }
}

}  // namespace
