#include <gtest/gtest.h>

#include "colour/numtext.h"

namespace {

TEST(ParseDecimal, AcceptsDecimalsWhateverTheLocaleAndNothingElse)
{
    struct Case {
        const char* text;
        std::optional<long double> value;
    };
    const Case cases[] = {
        {"12", 12.0L},     {"-0.5", -0.5L},  {"+2.5", 2.5L},  {".5", 0.5L},     {"5.", 5.0L},
        {"1e3", 1000.0L},  {"1.5E-2", 0.015L}, {"-0", -0.0L},
        {"", std::nullopt}, {"-", std::nullopt}, {".", std::nullopt}, {"1,5", std::nullopt},
        {"1e", std::nullopt}, {"0x10", std::nullopt}, {"inf", std::nullopt}, {"nan", std::nullopt},
        {"1.5.1", std::nullopt}, {" 1", std::nullopt}, {"1e99999", std::nullopt}, {"--1", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(qolvar::ParseDecimal(c.text), c.value) << '"' << c.text << '"';
    EXPECT_EQ(qolvar::ParseDecimalTrimmed(" \t7.25 \r"), 7.25L);
    EXPECT_EQ(qolvar::ParseDecimalTrimmed("   "), std::nullopt);
}

}  // namespace
