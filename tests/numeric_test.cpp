#include <gtest/gtest.h>

#include <cfloat>

#include "colour/numeric.h"

using namespace qolvar;
using namespace qolvar::num;

namespace {

FloatError::Kind KindOf(auto&& f)
{
    try {
        f();
    } catch (const FloatError& e) {
        return e.kind();
    }
    ADD_FAILURE() << "no FloatError";
    return FloatError::Kind::InvalidOperation;
}

TEST(Round, HalvesGoToEven)
{
    const std::pair<Ext, std::int64_t> cases[] = {{0.5L, 0},     {1.5L, 2},       {2.5L, 2},
                                                  {127.5L, 128}, {-127.5L, -128}, {-0.5L, 0},
                                                  {0.49999L, 0}, {-1.5L, -2},     {255.4999L, 255}};
    for (auto [v, r] : cases) EXPECT_EQ(Round(v), r) << static_cast<double>(v);
    EXPECT_EQ(KindOf([] { Round(1e30L); }), FloatError::Kind::InvalidOperation);
    EXPECT_EQ(Trunc(-2.7L), -2);
    EXPECT_EQ(Trunc(2.7L), 2);
}

TEST(Pow, FollowsTheLibraryDefinition)
{
    EXPECT_EQ(Pow(0, 0), 1);
    EXPECT_EQ(Pow(-3, 0), 1);
    EXPECT_EQ(Pow(0, 2.2L), 0);
    EXPECT_EQ(Pow(0, 3), 0);
    EXPECT_EQ(Pow(-0.5L, 3), -0.125L);  // whole exponent: negative base allowed
    EXPECT_EQ(Pow(-2, 2), 4);
    EXPECT_EQ(Pow(2, -2), 0.25L);
    EXPECT_EQ(Pow(2, 10), 1024);
    EXPECT_EQ(Pow(1, OneThird), 1);
    EXPECT_EQ(Pow(8, 1), 8);
    // Cube of 1/3 through exp(y ln x) lands within an ulp of the exact root.
    EXPECT_NEAR(static_cast<double>(Pow(0.125L, OneThird)), 0.5, 1e-18);
}

TEST(Pow, FailuresAreExplicit)
{
    EXPECT_EQ(KindOf([] { Pow(-0.5L, 0.5L); }), FloatError::Kind::InvalidOperation);
    EXPECT_EQ(KindOf([] { Pow(0, -0.5L); }), FloatError::Kind::DivisionByZero);
    EXPECT_EQ(KindOf([] { Pow(0, -2); }), FloatError::Kind::DivisionByZero);
    EXPECT_EQ(KindOf([] { Pow(1e3000L, 2); }), FloatError::Kind::Overflow);
}

TEST(Single, RoundsAndReportsOverflow)
{
    EXPECT_EQ(single(0.1L), 0.1f);
    EXPECT_EQ(single(static_cast<Ext>(FLT_MAX)), FLT_MAX);
    EXPECT_EQ(single(1e-50L), 0.0f);  // underflow is silent
    EXPECT_EQ(KindOf([] { single(1e39L); }), FloatError::Kind::Overflow);
}

TEST(Div, ZeroDivisorsAreErrors)
{
    EXPECT_EQ(Div(1, 4), 0.25L);
    EXPECT_EQ(KindOf([] { Div(0, 0); }), FloatError::Kind::InvalidOperation);
    EXPECT_EQ(KindOf([] { Div(-1, 0); }), FloatError::Kind::DivisionByZero);
}

}  // namespace
