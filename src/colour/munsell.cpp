// Munsell conversion. Notation: single(e) is a store to a float; all other
// arithmetic is extended precision. The hue H lies on a circle: 100 (10RP)
// and 0 are the same point, next to 2.5R.
//
// YxyToHVC (the table search), for (x, y, Y):
//  1. Luminance band: for w = 10, 20, 30, ... the rows sorted by Y with
//     Y - w < r.Y < Y + w, in that order; stop at the first w that collects
//     a row.
//  2. Chromaticity band: sort them by x (SortRows); keep, in that order,
//     those with x - 0.01 < r.x < x + 0.01.
//  3. Neighbours: sort those by y; k = LocateRow by y (at most the last);
//     A = row k, B = row k + 1 if any.
//  4. Result: A or B equal to the Yxy exactly: its H V C. No B, or B.Y = 0:
//     A's. Otherwise interpolate A→B with f = (val - trunc(val)) /
//     (val + 1 - trunc(val)), val the Munsell value of Y rounded to a tenth.
//     The hue goes the short way round the circle: dH = B.H - A.H, minus 100
//     above 50, plus 100 below -50; h = single(dH × f + A.H), brought back
//     into 0 < h <= 100 by one subtraction or addition of 100.
// HVCToYxy (the reverse search), for (H, V, C):
//  1. Y from the value polynomial. A negative H is a neutral grey: the
//     white's x, y with that Y, no table.
//  2. Hue band: the rows of the table, in file order, with
//     H - 2.5 < r.H + k < H + 2.5 for the first k of 0, -100, +100 that fits
//     (so H = 1 takes 10RP as hue 0 beside 2.5R). Each candidate carries its
//     hue r.H + k into the later steps.
//  3. Value band: sort by V; keep those with V - 0.5 < r.V < V + 0.5.
//  4. Neighbours: sort by C; A, B around C by LocateRow.
//  5. Result: A or B equal to H V C exactly: its Yxy. Otherwise x follows
//     the chroma weight, y the hue weight (with the carried hues), Y is the
//     polynomial value.
//
// Where the table gives no answer the searches do not read outside their
// candidates:
//  - no row within a luminance band of 1000: RangeError;
//  - an empty chromaticity band is widened by 0.01 at a time up to ±1;
//    an empty hue band by 2.5 up to ±50 (with the same three k), an empty
//    value band by 0.5 up to ±10; still empty: RangeError;
//  - HVCToYxy with A the last candidate (no B): A's chromaticity with the
//    polynomial Y, as YxyToHVC returns A in the same situation.
//
// The index. Each load indexes the table so that a search does not pass over
// every row, and gives the same candidates in the same order as the steps
// above, hence the same bits:
//  - In a list sorted by a key, the rows of a band of that key are one range
//    of the list, found by halving, in the list's order.
//  - YxyToHVC: a luminance band is a range of the rows by Y. Its rows sorted
//    by x are kept per range once computed; the chromaticity band is a range of
//    that list, and only its few rows are sorted by y in each search.
//  - HVCToYxy: the distinct hues of the table are kept in ascending order, so
//    each of the three tests (k = 0, -100, +100) selects a range of them; the
//    candidates of a hue band, in file order and sorted by V, are kept per
//    band. The value band is a range of that list; only its rows are sorted
//    by C in each search.
//  - The quicksort leaves rows with equal keys in an order of its own, and
//    that order decides which rows become A and B. Every list is therefore
//    sorted by the same quicksort from the same input order. It sorts small
//    entries (the key and the row's position) instead of whole rows, which
//    does not change the order: the quicksort compares keys only and moves
//    an entry as a whole.
//  - Each loaded table (MunsellData) has an index of its own. Its kept lists
//    are dropped all at once when they would take more than kCacheBudget
//    bytes. A search holds the index's lock while it uses the kept lists and
//    the working lists, so threads may search the same table at once.
#include "munsell.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <stdexcept>
#include <tuple>
#include <unordered_map>
#include <utility>
#include <vector>

#include "cie.h"
#include "munsell_renotation.h"
#include "numeric.h"

namespace qolvar {

using num::Ext;
using num::single;

namespace {

float Key(const MunsellRow& row, int key)
{
    switch (key) {
    case kFieldH: return row.H;
    case kFieldV: return row.V;
    case kFieldC: return row.C;
    case kFieldY: return row.Y;
    case kFieldX: return row.x;
    default: return row.y;
    }
}

// Round((lo + hi) / 2) with halves to even: 3 → 2, 1 → 0, -1 → 0.
int MidIndex(int lo, int hi)
{
    const int sum = lo + hi;
    const int half = sum >= 0 ? sum / 2 : -((-sum + 1) / 2);  // floor(sum / 2)
    if (sum % 2 == 0) return half;
    return half % 2 == 0 ? half : half + 1;
}

// The quicksort of SortRows on any list whose entries carry a float key.
template <class T, class KeyOf>
void QuickSort(T* list, int lo, int hi, KeyOf key)
{
    if (hi < lo) return;
    const float p = key(list[MidIndex(lo, hi)]);
    int i = lo, j = hi;
    do {
        while (key(list[i]) < p) ++i;
        while (p < key(list[j])) --j;
        if (j <= i) break;
        std::swap(list[i], list[j]);
        ++i;
        --j;
    } while (j >= i);
    if (i - 1 > lo) QuickSort(list, lo, i - 1, key);
    if (j + 1 < hi) QuickSort(list, j + 1, hi, key);
}

// The halving search of LocateRow on any list sorted by a float key.
template <class T, class KeyOf>
int Locate(const T* list, int lo, int hi, float value, KeyOf key)
{
    while (hi > lo) {
        const int mid = MidIndex(lo, hi);
        if (key(list[mid]) > value)
            hi = mid - 1;
        else
            lo = mid + 1;
    }
    if (lo == 0) lo = 1;
    return lo - 1;
}

// ---- The index --------------------------------------------------------------

// The three turns of the hue band: k = 0, -100, +100, tried in that order.
constexpr int kTurns[3] = {0, -100, 100};

// The hue a row has on the turn t: r.H + k, exact at extended precision. On
// the first turn it is r.H itself.
Ext TurnedHue(float H, int t) { return t == 0 ? static_cast<Ext>(H) : static_cast<Ext>(H) + kTurns[t]; }

// Entries of the kept lists: the keys the later steps read and the row's
// position (in the rows by Y for YxyToHVC, in file order for HVCToYxy).
struct XEntry {
    float x, y;
    std::uint16_t row;
};
struct YEntry {
    float y;
    std::uint16_t row;
};
struct VEntry {
    float V, C;
    std::uint16_t row;
    std::uint8_t turn;
};
struct CEntry {
    float C;
    std::uint16_t row;
    std::uint8_t turn;
};
static_assert(MunsellCapacity <= 65536, "row positions are 16-bit");

// A hue band: per turn, the range [first, last) of the distinct hues whose
// turned hue lies in the band (an empty range is stored as 0, 0).
using HueBand = std::array<std::uint16_t, 6>;

// The kept lists may take this much; beyond it they are dropped and built
// again as searches need them. The shipped tables need far less.
constexpr std::size_t kCacheBudget = 1536 * 1024;

}  // namespace

struct MunsellData::SearchIndex {
    std::vector<float> hues;                                     // the distinct H of the table, ascending
    std::vector<std::uint16_t> hueOfRow;                         // per row in file order, its position in hues
    std::unordered_map<std::uint64_t, std::vector<XEntry>> byX;  // per luminance range [a, b)
    std::map<HueBand, std::vector<VEntry>> byV;                  // per hue band
    std::size_t cachedBytes = 0;
    std::vector<YEntry> yWork;  // the chromaticity band being sorted by y
    std::vector<CEntry> cWork;  // the value band being sorted by C
    // Held while a search uses the kept lists and the work lists.
    std::mutex mutex;

    void DropLists()
    {
        byX.clear();
        byV.clear();
        cachedBytes = 0;
    }

    // Keeps a sorted list; the bytes count its entries and about 64 for the
    // map's node.
    template <class Map, class List>
    const List& Keep(Map& map, const typename Map::key_type& key, List&& list)
    {
        list.shrink_to_fit();
        const std::size_t bytes = list.capacity() * sizeof(list[0]) + 64;
        if (cachedBytes + bytes > kCacheBudget) DropLists();
        cachedBytes += bytes;
        return map.emplace(key, std::move(list)).first->second;
    }

    std::size_t Bytes() const
    {
        return hues.capacity() * sizeof(float) + hueOfRow.capacity() * sizeof(std::uint16_t) +
               yWork.capacity() * sizeof(YEntry) + cWork.capacity() * sizeof(CEntry) + cachedBytes;
    }

    // The distinct hues and the hue of every row; no kept lists yet.
    explicit SearchIndex(std::span<const MunsellRow> rows)
    {
        const std::size_t n = rows.size();
        for (const MunsellRow& r : rows) hues.push_back(r.H);
        std::sort(hues.begin(), hues.end());
        hues.erase(std::unique(hues.begin(), hues.end()), hues.end());
        hueOfRow.resize(n);
        for (std::size_t r = 0; r < n; ++r)
            hueOfRow[r] =
                static_cast<std::uint16_t>(std::lower_bound(hues.begin(), hues.end(), rows[r].H) - hues.begin());
        yWork.reserve(n);
        cWork.reserve(n);
    }
};

MunsellData::MunsellData(std::vector<MunsellRow> rows, MunsellIlluminant illuminant)
    : rows_(std::move(rows)), byY_(rows_), illuminant_(illuminant)
{
    if (rows_.size() > static_cast<std::size_t>(MunsellCapacity))
        throw std::length_error("a renotation table holds at most MunsellCapacity rows");
    SortRows(byY_.data(), kFieldY, 0, static_cast<int>(byY_.size()) - 1);
    index_ = std::make_unique<SearchIndex>(rows_);
}

MunsellData::~MunsellData() = default;

std::size_t MunsellData::IndexBytes() const
{
    const std::lock_guard lock(index_->mutex);
    return index_->Bytes();
}

namespace {

using Index = MunsellData::SearchIndex;

// The entries of list[0..count-1] (sorted by the key) with lo < key < hi:
// one range [first, last), found by halving.
template <class T, class KeyOf>
std::pair<int, int> StrictRange(const T* list, int count, Ext lo, Ext hi, KeyOf key)
{
    const T* a = std::partition_point(list, list + count, [&](const T& e) { return !(lo < key(e)); });
    const T* b = std::partition_point(a, list + count, [&](const T& e) { return key(e) < hi; });
    return {static_cast<int>(a - list), static_cast<int>(b - list)};
}

// YxyToHVC step 1: the luminance band, a range of the rows sorted by Y.
std::pair<int, int> LuminanceBand(std::span<const MunsellRow> byY, float Y)
{
    for (int w = 10; w <= 1000; w += 10) {
        const auto range = StrictRange(byY.data(), static_cast<int>(byY.size()), static_cast<Ext>(Y) - w,
                                       static_cast<Ext>(Y) + w, [](const MunsellRow& r) -> Ext { return r.Y; });
        if (range.first < range.second) return range;
    }
    throw RangeError(Message{MessageId::YTooFar, {}, nullptr});
}

// The rows byY[a..b) sorted by x, kept per range (the caller holds the
// index's lock).
const std::vector<XEntry>& SortedByX(Index& index, std::span<const MunsellRow> byY, int a, int b)
{
    const std::uint64_t key = (static_cast<std::uint64_t>(a) << 32) | static_cast<std::uint32_t>(b);
    if (const auto it = index.byX.find(key); it != index.byX.end()) return it->second;
    std::vector<XEntry> list;
    list.reserve(b - a);
    for (int i = a; i < b; ++i) list.push_back({byY[i].x, byY[i].y, static_cast<std::uint16_t>(i)});
    QuickSort(list.data(), 0, b - a - 1, [](const XEntry& e) { return e.x; });
    return index.Keep(index.byX, key, std::move(list));
}

// HVCToYxy step 2: the hue band of half-width half around H, as ranges of
// the distinct hues; false when it holds no hue.
bool FindHueBand(const Index& index, float H, Ext half, HueBand& band)
{
    const auto& hues = index.hues;
    const Ext lo = H - half, hi = H + half;
    bool any = false;
    for (int t = 0; t < 3; ++t) {
        // r.H + k grows with r.H, so the hues that fit form one range.
        auto [a, b] =
            StrictRange(hues.data(), static_cast<int>(hues.size()), lo, hi, [t](float h) { return TurnedHue(h, t); });
        if (a < b)
            any = true;
        else
            a = b = 0;
        band[2 * t] = static_cast<std::uint16_t>(a);
        band[2 * t + 1] = static_cast<std::uint16_t>(b);
    }
    return any;
}

// The candidates of a hue band in file order, each with the first turn on
// which its hue fits, sorted by V; kept per band (the caller holds the
// index's lock).
const std::vector<VEntry>& SortedByV(Index& index, std::span<const MunsellRow> rows, const HueBand& band)
{
    if (const auto it = index.byV.find(band); it != index.byV.end()) return it->second;
    constexpr std::uint8_t kNone = 3;
    std::vector<std::uint8_t> turnOfHue(index.hues.size(), kNone);
    for (int t = 2; t >= 0; --t)  // the first turn that fits wins
        for (int g = band[2 * t]; g < band[2 * t + 1]; ++g) turnOfHue[g] = static_cast<std::uint8_t>(t);
    std::vector<VEntry> list;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::uint8_t t = turnOfHue[index.hueOfRow[r]];
        if (t != kNone) list.push_back({rows[r].V, rows[r].C, static_cast<std::uint16_t>(r), t});
    }
    QuickSort(list.data(), 0, static_cast<int>(list.size()) - 1, [](const VEntry& e) { return e.V; });
    return index.Keep(index.byV, band, std::move(list));
}

// Sorts list[0..m-1] by the key and finds the two neighbouring candidates
// around value: A at the position LocateRow gives (at most the last), B the
// one after it, or -1 when A is the last.
template <class T, class KeyOf>
std::pair<int, int> Neighbours(T* list, int m, float value, KeyOf key)
{
    QuickSort(list, 0, m - 1, key);
    int k = Locate(list, 0, m - 1, value, key);
    if (k > m - 1) k = m - 1;
    return {k, k + 1 <= m - 1 ? k + 1 : -1};
}

}  // namespace

void SortRows(MunsellRow* list, int key, int lo, int hi)
{
    // The field is fixed per call so that the comparisons compile to loads.
    switch (key) {
    case kFieldH: return QuickSort(list, lo, hi, [](const MunsellRow& r) { return r.H; });
    case kFieldV: return QuickSort(list, lo, hi, [](const MunsellRow& r) { return r.V; });
    case kFieldC: return QuickSort(list, lo, hi, [](const MunsellRow& r) { return r.C; });
    case kFieldY: return QuickSort(list, lo, hi, [](const MunsellRow& r) { return r.Y; });
    case kFieldX: return QuickSort(list, lo, hi, [](const MunsellRow& r) { return r.x; });
    default: return QuickSort(list, lo, hi, [](const MunsellRow& r) { return r.y; });
    }
}

int LocateRow(const MunsellRow* list, int key, int lo, int hi, float value)
{
    return Locate(list, lo, hi, value, [key](const MunsellRow& r) { return Key(r, key); });
}

namespace {

// The Munsell value of a luminance Y (0..100): L* rounded to a whole number,
// divided by 10.
float ValueOfY(float Y)
{
    const float t = single(static_cast<Ext>(Y) / 100);
    const float c = single(num::Pow(t, num::OneThird));
    const float L = t <= 0.008856L ? single(903.3L * t) : single(116.0L * c - 16);
    return single(static_cast<Ext>(num::Round(L)) / 10);
}

bool SameYxy(const MunsellRow& r, float x, float y, float Y) { return r.Y == Y && r.x == x && r.y == y; }

// The conditions' table; coloured conversions need one that holds rows.
const MunsellData& TableOf(const ConversionConditions& c)
{
    if (!c.munsell || c.munsell->Rows().empty()) throw RangeError(Message{MessageId::NoMunsellTable, {}, nullptr});
    return *c.munsell;
}

[[noreturn]] void NoNearSample(const char* field)
{
    throw RangeError(Message{MessageId::NoNearSample, {field}, nullptr});
}

}  // namespace

void RGBToHVC(RGBCode code, TColorVec& hvc, TColorVec& yxy, const ConversionConditions& c)
{
    RGBToYxy(code, yxy, c);
    const std::uint32_t R = (code >> 16) & 0xFF, G = (code >> 8) & 0xFF, B = code & 0xFF;
    if (R == G && G == B) {
        hvc = {-1, ValueOfY(yxy[2]), 0};
        return;
    }
    YxyToHVC(yxy, hvc, c);
}

void YxyToHVC(const TColorVec& yxy, TColorVec& hvc, const ConversionConditions& c)
{
    const float x = yxy[0], y = yxy[1], Y = yxy[2];
    const MunsellData& table = TableOf(c);
    const std::span<const MunsellRow> byY = table.RowsByY();

    // 1. Luminance band, widened in steps of 10.
    const auto [a, b] = LuminanceBand(byY, Y);
    const MunsellRow* A = nullptr;
    const MunsellRow* B = nullptr;
    {
        Index& index = table.Index();
        const std::lock_guard lock(index.mutex);
        // 2. Chromaticity band of the rows sorted by x, widened by 0.01 at a
        // time.
        const std::vector<XEntry>& byX = SortedByX(index, byY, a, b);
        int first = 0, last = 0;
        for (int s = 1; s <= 100 && first == last; ++s) {
            const Ext half = 0.01L * s;
            std::tie(first, last) =
                StrictRange(byX.data(), b - a, x - half, x + half, [](const XEntry& e) -> Ext { return e.x; });
        }
        if (first == last) NoNearSample("x");
        // 3. Neighbours by y.
        auto& band = index.yWork;
        band.clear();
        for (int i = first; i < last; ++i) band.push_back({byX[i].y, byX[i].row});
        const auto [ka, kb] = Neighbours(band.data(), last - first, y, [](const YEntry& e) { return e.y; });
        A = &byY[band[ka].row];
        if (kb >= 0) B = &byY[band[kb].row];
    }
    // 4. Result.
    if (SameYxy(*A, x, y, Y)) {
        hvc = {A->H, A->V, A->C};
    } else if (B && SameYxy(*B, x, y, Y)) {
        hvc = {B->H, B->V, B->C};
    } else if (!B || B->Y == 0) {
        hvc = {A->H, A->V, A->C};
    } else {
        const float val = ValueOfY(Y);
        const float base = single(static_cast<Ext>(num::Trunc(val)));
        const float upper = single(static_cast<Ext>(val) + 1);
        const float f = single((static_cast<Ext>(val) - base) / (static_cast<Ext>(upper) - base));
        auto lerp = [f](float from, float to) { return single((static_cast<Ext>(to) - from) * f + from); };
        // The hue the short way round the circle.
        Ext dH = static_cast<Ext>(B->H) - A->H;
        if (dH > 50) dH = dH - 100;
        if (dH < -50) dH = dH + 100;
        float h = single(dH * f + A->H);
        if (h > 100)
            h = single(static_cast<Ext>(h) - 100);
        else if (h <= 0)
            h = single(static_cast<Ext>(h) + 100);
        hvc = {h, lerp(A->V, B->V), lerp(A->C, B->C)};
    }
}

void HVCToYxy(const TColorVec& hvc, TColorVec& yxy, const ConversionConditions& c)
{
    const float H = hvc[0], V = hvc[1], C = hvc[2];
    // 1. Y from the value polynomial; neutral greys need no table.
    const float p2 = single(num::IntPower(V, 2));
    const float p3 = single(num::IntPower(V, 3));
    const float p4 = single(num::IntPower(V, 4));
    const float p5 = single(num::IntPower(V, 5));
    const float Yc = single(1.1913L * V - 0.22532L * p2 + 0.23351L * p3 - 0.020483L * p4 + 0.00081936L * p5);
    if (H < 0) {
        yxy = {0.3127f, 0.329f, Yc};
        return;
    }
    const MunsellData& table = TableOf(c);
    const std::span<const MunsellRow> rows = table.Rows();
    Index& index = table.Index();

    // 2. Hue band on the circle, widened by 2.5 at a time.
    HueBand hueBand{};
    bool found = false;
    for (int s = 1; s <= 20 && !found; ++s) found = FindHueBand(index, H, 2.5L * s, hueBand);
    if (!found) NoNearSample("H");
    CEntry candidateA{}, candidateB{};
    bool hasB = false;
    {
        const std::lock_guard lock(index.mutex);
        const std::vector<VEntry>& byV = SortedByV(index, rows, hueBand);
        // 3. Value band of the candidates sorted by V, widened by 0.5 at a
        // time.
        int first = 0, last = 0;
        for (int s = 1; s <= 20 && first == last; ++s) {
            const Ext half = 0.5L * s;
            std::tie(first, last) = StrictRange(byV.data(), static_cast<int>(byV.size()), V - half, V + half,
                                                [](const VEntry& e) -> Ext { return e.V; });
        }
        if (first == last) NoNearSample("V");
        // 4. Neighbours by C.
        auto& band = index.cWork;
        band.clear();
        for (int i = first; i < last; ++i) band.push_back({byV[i].C, byV[i].row, byV[i].turn});
        const auto [ka, kb] = Neighbours(band.data(), last - first, C, [](const CEntry& e) { return e.C; });
        candidateA = band[ka];
        if (kb >= 0) {
            candidateB = band[kb];
            hasB = true;
        }
    }
    const MunsellRow& A = rows[candidateA.row];
    const Ext AH = TurnedHue(A.H, candidateA.turn);
    // 5. Result.
    if (AH == H && A.V == V && A.C == C) {
        yxy = {A.x, A.y, A.Y};
        return;
    }
    if (!hasB) {
        yxy = {A.x, A.y, Yc};
        return;
    }
    const MunsellRow& B = rows[candidateB.row];
    const Ext BH = TurnedHue(B.H, candidateB.turn);
    if (BH == H && B.V == V && B.C == C) {
        yxy = {B.x, B.y, B.Y};
    } else {
        float dC = single(static_cast<Ext>(B.C) - A.C);
        if (dC == 0) dC = 0.1f;
        const float tC = single((static_cast<Ext>(C) - A.C) / dC);
        float dH = single(BH - AH);
        if (dH == 0) dH = 0.1f;
        const float tH = single((static_cast<Ext>(H) - AH) / dH);
        yxy = {single((static_cast<Ext>(B.x) - A.x) * tC + A.x), single((static_cast<Ext>(B.y) - A.y) * tH + A.y), Yc};
    }
}

RGBCode HVCToRGB(const TColorVec& hvc, TColorVec& yxy, const ConversionConditions& c)
{
    HVCToYxy(hvc, yxy, c);
    TColorVec copy = yxy;
    return YxyToRGB(copy, c);
}

}  // namespace qolvar
