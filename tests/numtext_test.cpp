#include <gtest/gtest.h>

#include <cmath>

#include "colour/numtext.h"

namespace {

TEST(ParseDecimal, AcceptsDecimalsWhateverTheLocaleAndNothingElse)
{
    struct Case {
        const char* text;
        std::optional<long double> value;
    };
    const Case cases[] = {
        {"12", 12.0L},
        {"-0.5", -0.5L},
        {"+2.5", 2.5L},
        {".5", 0.5L},
        {"5.", 5.0L},
        {"1e3", 1000.0L},
        {"1.5E-2", 0.015L},
        {"-0", -0.0L},
        {"", std::nullopt},
        {"-", std::nullopt},
        {".", std::nullopt},
        {"1,5", std::nullopt},
        {"1e", std::nullopt},
        {"0x10", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {"1.5.1", std::nullopt},
        {" 1", std::nullopt},
        {"1e99999", std::nullopt},
        {"--1", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(qolvar::ParseDecimal(c.text), c.value) << '"' << c.text << '"';
    EXPECT_EQ(qolvar::ParseDecimalTrimmed(" \t7.25 \r"), 7.25L);
    EXPECT_EQ(qolvar::ParseDecimalTrimmed("   "), std::nullopt);
}

// Every decimal reads as the nearest extended value, whichever way the
// reader takes (short plain decimals are read apart from the rest): the
// compiler's own reading of the same literal is the reference.
TEST(ParseDecimal, ReadsTheNearestExtendedValue)
{
    struct Case {
        const char* text;
        long double value;
    };
    const Case cases[] = {
        {"0.1", 0.1L},
        {"0.3127", 0.3127L},
        {"0.008856", 0.008856L},
        {"-7.9996", -7.9996L},
        {"1234567890123456789", 1234567890123456789.0L},    // 19 digits, exact
        {"12345678901234567891", 12345678901234567891.0L},  // 20 digits, rounded
        {"0.000000000000000000000000001", 1e-27L},
        {"0.0000000000000000000000000001", 1e-28L},
        {"3.14159265358979323846", 3.14159265358979323846L},
    };
    for (const auto& c : cases) EXPECT_EQ(qolvar::ParseDecimal(c.text), c.value) << c.text;
    EXPECT_TRUE(std::signbit(*qolvar::ParseDecimal("-0.0")));
}

// The number texts of the pages: fixed and general forms.
TEST(NumberTexts, FixedRoundsHalfAwayFromZeroAndPadsToFour)
{
    struct Case {
        long double v;
        int decimals;
        const char* text;
    } cases[] = {
        {0.125L, 2, "0.13"},  {-0.125L, 2, "-0.13"},   {2.25L, 1, " 2.3"},      {5, 1, " 5.0"},
        {9.995f, 2, "9.99"},  {99.996L, 2, "100.00"},  {-12.5L, 2, "-12.50"},   {0, 4, "0.0000"},
        {-0.001L, 2, "0.00"}, {1234.5L, 2, "1234.50"}, {0.00005L, 4, "0.0001"}, {1e20L, 1, "100000000000000000000.0"},
    };
    for (const Case& c : cases) EXPECT_EQ(qolvar::FixedText(c.v, c.decimals), c.text) << static_cast<double>(c.v);
}

TEST(NumberTexts, GeneralHasFifteenDigitsAndNoTrailingZeros)
{
    struct Case {
        long double v;
        const char* text;
    } cases[] = {
        {0.5L, "0.5"},
        {0.3127f, "0.312700003385544"},
        {100, "100"},
        {-86.25L, "-86.25"},
        {0, "0"},
        {1e-5L, "0.00001"},
        {1.5e-7L, "1.5E-7"},
        {1e14L, "100000000000000"},
        {1e15L, "1E15"},
        {-0.0L, "0"},
    };
    for (const Case& c : cases) EXPECT_EQ(qolvar::GeneralText(c.v), c.text) << static_cast<double>(c.v);
}

}  // namespace
