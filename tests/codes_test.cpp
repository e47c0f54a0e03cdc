#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "colour/codes.h"

using namespace qolvar;

namespace {

struct HexCase {
    const char* text;
    std::uint32_t code;
};

void PrintTo(const HexCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class HexToCodeTest : public ::testing::TestWithParam<HexCase> {};

TEST_P(HexToCodeTest, ReadsAsTheHexFieldDoes)
{
    const auto& c = GetParam();
    EXPECT_EQ(HexToCode(std::string_view(c.text)), c.code) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HexToCodeTest,
    ::testing::Values(HexCase{"", 0}, HexCase{"#FF0000", 0}, HexCase{" FF", 0}, HexCase{"0x10", 0}, HexCase{"12G4", 0},
                      HexCase{"FF ", 0}, HexCase{"-1", 0}, HexCase{"$FF", 0}, HexCase{"abcdef", 0xABCDEF},
                      HexCase{"ABCDEF", 0xABCDEF}, HexCase{"ff8000", 0xFF8000}, HexCase{"FF8000", 0xFF8000},
                      HexCase{"0", 0}, HexCase{"7", 7}, HexCase{"FFFFFFFF", 0xFFFFFFFF}, HexCase{"1234567", 0x1234567},
                      // Only the first eight characters are ever examined.
                      HexCase{"123456789", 0x12345678}, HexCase{"12345678G", 0x12345678}, HexCase{"1234567G", 0},
                      // Either byte of a multibyte character ends the reading.
                      HexCase{"FF\xE3\x80\x80", 0}, HexCase{"\xEF\xBC\xA6", 0}));

TEST(HexToCode, Utf16TextReadsLikeBytes)
{
    EXPECT_EQ(HexToCode(std::u16string_view(u"ff8000")), 0xFF8000u);
    EXPECT_EQ(HexToCode(std::u16string_view(u"ＦＦ")), 0u);  // full-width letters
    EXPECT_EQ(HexToCode(std::u16string_view(u"123456789")), 0x12345678u);
    EXPECT_EQ(HexToCode(std::u16string_view(u"12345678あ")), 0x12345678u);
}

// What a user types or pastes: CSS notation with "#", bare digits as the
// field has always read them, and text that is no code at all.
TEST(ReadTypedHex, CssNotationBareDigitsAndNonCodes)
{
    const struct {
        const char* text;
        std::optional<std::uint32_t> code;
    } rows[] = {
        {"#ff8000", 0xFF8000},
        {"#F80", 0xFF8800},
        {"F80", 0x000F80},
        {"#F80C", 0xFF8800},
        {"#FF8000CC", 0xFF8000},
        {" #336699\t", 0x336699},
        {"", 0},
        {"  ", 0},
        {"12345678G", 0x12345678},
        {"1234567", 0x1234567},  // the cut after eight stays
        {"12345G", std::nullopt},
        {"orange", std::nullopt},
        {"#", std::nullopt},
        {"#12345", std::nullopt},
        {"#GGG", std::nullopt},
        {"##F80", std::nullopt},
        {"0x10", std::nullopt},
        {"ＦＦ", std::nullopt},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ReadTypedHex(std::string_view(row.text)), row.code) << '"' << row.text << '"';
    EXPECT_EQ(ReadTypedHex(std::u16string_view(u" #F80")), 0xFF8800u);
    EXPECT_EQ(ReadTypedHex(std::u16string_view(u"#ＦＦ0000")), std::nullopt);
}

TEST(ByteOrder, CodeAndColorExchangeRedAndBlue)
{
    EXPECT_EQ(HexToColor("FF0000"), 0x0000FFu);
    EXPECT_EQ(HexToColor("1234567"), 0x674523u);  // bits above 24 are dropped
    EXPECT_EQ(CodeToColor(0x123456), 0x563412u);
    EXPECT_EQ(CodeToColor(0xAB123456), 0x563412u);
    EXPECT_EQ(ColorToCode(0x0000FF), 0xFF0000u);
    EXPECT_EQ(ColorToCode(0xFF123456), 0x563412u);
    for (std::uint32_t v : {0u, 0x123456u, 0xFFFFFFFFu, 0x80FF0001u})
        EXPECT_EQ(ColorToCode(ColorToCode(v)), v & 0xFFFFFF) << std::hex << v;
}

TEST(ByteOrder, ColorToHexWritesSixUpperCaseDigits)
{
    EXPECT_EQ(ColorToHex(0x0000FF), "FF0000");
    EXPECT_EQ(ColorToHex(0xFF123456), "563412");
    EXPECT_EQ(ColorToHex(0x0080FF), "FF8000");  // orange
    EXPECT_EQ(ColorToHex(0), "000000");
    EXPECT_EQ(CodeToHex(0xABCDEF), "ABCDEF");
    EXPECT_EQ(CodeToHex(0x1000001), "000001");
}

TEST(SignedByte, ReadsOnlyTheLowByte)
{
    const std::pair<std::int64_t, int> cases[] = {{0x7F, 127}, {0x80, -128}, {0x1FF, -1},    {0, 0},
                                                  {0xFF, -1},  {-1, -1},     {0x12380, -128}};
    for (auto [in, out] : cases) EXPECT_EQ(SignedByte(in), out) << in;
}

TEST(MinMax, OrderOfComparisonsDecidesWithNaN)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(Max3(0.5f, 0.5f, 0.5f), 0.5f);
    EXPECT_EQ(Min3(0.5f, 0.5f, 0.5f), 0.5f);
    EXPECT_EQ(Max3(0.1f, 0.9f, 0.5f), 0.9f);
    EXPECT_EQ(Min3(0.1f, 0.9f, 0.05f), 0.05f);
    // A comparison with NaN is false: the value held so far stays.
    EXPECT_EQ(Max3(0.3f, nan, 0.2f), 0.3f);
    EXPECT_EQ(Min3(0.3f, 0.4f, nan), 0.3f);
    EXPECT_TRUE(std::isnan(Max3(nan, 1.0f, 2.0f)));
    EXPECT_EQ(MinByte3(200, 7, 9), 7);
    EXPECT_EQ(MinByte3(255, 255, 255), 255);
}

}  // namespace
