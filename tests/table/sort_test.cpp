// SortTbl: the order of ties and the keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "table/sort.h"

using namespace qolvar;
using namespace qolvar::table;

namespace {

// Entries named by letter whose saturation is the given key (hue and value
// follow from the colour; only Sat is compared in the S modes).
std::vector<TColorTabel> WithSat(const std::vector<int>& keys)
{
    std::vector<TColorTabel> v;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        TColorTabel e;
        e.Name = QString(QChar(u'A' + int(i)));
        e.Sat = static_cast<std::uint8_t>(keys[i]);
        v.push_back(e);
    }
    return v;
}

QString Order(const std::vector<TColorTabel>& v)
{
    QString s;
    for (const auto& e : v) s += e.Name;
    return s;
}

TEST(SortTbl, TiesAndTheTextbookSequences)
{
    struct Case {
        std::vector<int> keys;
        SortMode mode;
        const char* order;
    };
    const Case cases[] = {
        {{7}, SortMode::SU, "A"},
        {{7, 7}, SortMode::SU, "BA"},
        {{7, 7, 7}, SortMode::SU, "CBA"},
        {{7, 7, 7, 7}, SortMode::SU, "CDAB"},
        {{7, 7, 7}, SortMode::SD, "CBA"},
        {{5, 3, 5, 1, 3}, SortMode::SU, "DBEAC"},
        {{5, 3, 5, 1, 3}, SortMode::SD, "CAEBD"},
    };
    for (const auto& c : cases) {
        auto v = WithSat(c.keys);
        SortTbl(v, c.mode, 0, static_cast<int>(v.size()) - 1);
        EXPECT_EQ(Order(v), c.order) << static_cast<int>(c.mode) << " " << c.keys.size();
    }
}

TEST(SortTbl, EveryModeOrdersByItsKey)
{
    std::mt19937 rng(7);
    for (int mode = 0; mode < SortModeCount; ++mode) {
        for (int size : {2, 3, 10, 100, 4097}) {
            std::vector<TColorTabel> v;
            for (int i = 0; i < size; ++i) v.push_back(MakeEntry(rng() % 0x1000000 & (mode < 2 ? 0xFFFFFF : 0xF0F0F0)));
            auto keys = [&] {
                std::vector<int> k;
                for (const auto& e : v) k.push_back(SortKey(e, SortMode(mode)));
                return k;
            };
            auto expected = keys();
            std::sort(expected.begin(), expected.end());
            if (mode % 2) std::reverse(expected.begin(), expected.end());
            SortTbl(v, SortMode(mode), 0, size - 1);
            EXPECT_EQ(keys(), expected) << mode << " " << size;
        }
    }
}

TEST(SortTbl, LongRunsOfEqualKeysDoNotExhaustTheStack)
{
    std::vector<TColorTabel> v(200000, MakeEntry(0xFFFFFF));
    for (std::size_t i = 0; i < v.size(); i += 3) v[i] = MakeEntry(static_cast<TColor>(i));
    SortTbl(v, SortMode::VU, 0, static_cast<int>(v.size()) - 1);
    EXPECT_TRUE(std::is_sorted(v.begin(), v.end(), [](auto& a, auto& b) { return a.Val < b.Val; }));
}

TEST(SortTbl, WhiteAndBlackSortWithTheReds)
{
    std::vector<TColorTabel> v{MakeEntry(CodeToColor(0x00FF00), "green"), MakeEntry(CodeToColor(0xFFFFFF), "white"),
                               MakeEntry(CodeToColor(0xFF0000), "red"), MakeEntry(0, "black")};
    SortTbl(v, SortMode::HU, 0, 3);
    EXPECT_EQ(v.back().Name, "green");
}

}  // namespace
