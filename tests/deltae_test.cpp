// CIEDE2000 against the published test pairs of the formula's
// implementation notes (34 pairs, ΔE00 to four decimals).
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "colour/deltae.h"

using namespace qolvar;

namespace {

std::string Four(long double v)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.4Lf", v);
    return buf;
}

TEST(DeltaE2000, PublishedPairs)
{
    std::ifstream file(QOLVAR_CIEDE2000_PAIRS);
    if (!file) GTEST_SKIP() << "no test pairs at " << QOLVAR_CIEDE2000_PAIRS;
    // Tab-separated: pair, 1, L1 a1 b1, eleven intermediate values, then
    // "dE 2" in one field, then L2 a2 b2 and three more.
    int pairs = 0;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> f;
        std::stringstream fields(line);
        for (std::string x; std::getline(fields, x, '\t');) f.push_back(x);
        ASSERT_GE(f.size(), 19u) << line;
        const std::string expected = f[15].substr(0, f[15].find(' '));
        const LabValue one{std::stold(f[2]), std::stold(f[3]), std::stold(f[4])};
        const LabValue two{std::stold(f[16]), std::stold(f[17]), std::stold(f[18])};
        EXPECT_EQ(Four(DeltaE2000(one, two)), expected) << "pair " << f[0];
        EXPECT_EQ(Four(DeltaE2000(two, one)), expected) << "pair " << f[0] << " reversed";
        ++pairs;
    }
    EXPECT_EQ(pairs, 34);
}

}  // namespace
