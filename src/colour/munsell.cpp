// Munsell conversion. Notation: single(e) is a store to a float; all other
// arithmetic is extended precision. The hue H lies on a circle: 100 (10RP)
// and 0 are the same point, next to 2.5R.
//
// YxyToHVC (the table search), for (x, y, Y):
//  1. Luminance band: for w = 10, 20, 30, ... the rows of MunsellByY with
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
//  2. Hue band: the rows of MunsellTable, in file order, with
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
//  - YxyToHVC: a luminance band is a range of MunsellByY. Its rows sorted by
//    x are kept per range once computed; the chromaticity band is a range of
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
//  - The kept lists are dropped at each load, and all at once when they would
//    take more than kCacheBudget bytes.
#include "munsell.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <future>
#include <iterator>
#include <map>
#include <tuple>
#include <unordered_map>
#include <utility>
#include <vector>

#include "cie.h"
#include "commatext.h"
#include "numeric.h"
#include "numtext.h"

namespace qolvar {

using num::Ext;
using num::single;

const std::array<const char*, 11> MunsellHueNames = {"R", "YR", "Y", "GY", "G", "BG", "B", "PB", "P", "RP", "N"};

std::string MunsellFileName = MunsellFileD65;
MunsellRows MunsellTable{};
MunsellRows MunsellByY{};
int MunsellLast = -1;
unsigned MunsellLoads = 0;

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

// The fields of a table line, as SplitCommaText gives them. A line of
// numbers and commas alone (the whole of a well-formed table, less its CR)
// is cut at its commas directly, which is what the comma-text rule does
// with such a line and costs far less; anything else takes the rule.
std::vector<std::string> TableFields(std::string_view line)
{
    std::string_view body = line;
    if (!body.empty() && body.back() == '\r') body.remove_suffix(1);
    const bool plain =
        !body.empty() && body.back() != ',' && body.find_first_not_of("0123456789.+-eE,") == std::string_view::npos;
    if (!plain) return SplitCommaText(line);
    std::vector<std::string> fields;
    fields.reserve(6);
    std::size_t from = 0;
    for (;;) {
        const std::size_t comma = body.find(',', from);
        fields.emplace_back(body.substr(from, comma == std::string_view::npos ? std::string_view::npos : comma - from));
        if (comma == std::string_view::npos) return fields;
        from = comma + 1;
    }
}

// A decimal number as the table file holds it, stored as a single.
bool ReadField(const std::string& text, float& out)
{
    const auto v = ParseDecimal(text);
    if (!v) return false;
    const float f = static_cast<float>(*v);
    if (std::isinf(f)) return false;
    out = f;
    return true;
}

std::string TablePath(const std::string& folder)
{
    std::string name = MunsellFileName;
    for (char& c : name)
        if (c == '\\') c = '/';
    return folder + name;
}

[[noreturn]] void LineError(const std::string& path, int line, const std::string& what)
{
    throw FileError(path + " の " + std::to_string(line) + " 行目: " + what);
}

// ---- The index --------------------------------------------------------------

// The three turns of the hue band: k = 0, -100, +100, tried in that order.
constexpr int kTurns[3] = {0, -100, 100};

// The hue a row has on the turn t: r.H + k, exact at extended precision. On
// the first turn it is r.H itself.
Ext TurnedHue(float H, int t) { return t == 0 ? static_cast<Ext>(H) : static_cast<Ext>(H) + kTurns[t]; }

// Entries of the kept lists: the keys the later steps read and the row's
// position (in MunsellByY for YxyToHVC, in MunsellTable for HVCToYxy).
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

struct Index {
    std::vector<float> hues;                                     // the distinct H of the table, ascending
    std::vector<std::uint16_t> hueOfRow;                         // per MunsellTable row, its position in hues
    std::unordered_map<std::uint64_t, std::vector<XEntry>> byX;  // per luminance range [a, b)
    std::map<HueBand, std::vector<VEntry>> byV;                  // per hue band
    std::size_t cachedBytes = 0;
    std::vector<YEntry> yWork;  // the chromaticity band being sorted by y
    std::vector<CEntry> cWork;  // the value band being sorted by C

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

    // After a load: the distinct hues and the hue of every row; no kept lists.
    void Rebuild()
    {
        DropLists();
        const int n = MunsellLast + 1;
        hues.clear();
        for (int r = 0; r < n; ++r) hues.push_back(MunsellTable[r].H);
        std::sort(hues.begin(), hues.end());
        hues.erase(std::unique(hues.begin(), hues.end()), hues.end());
        hueOfRow.resize(n);
        for (int r = 0; r < n; ++r)
            hueOfRow[r] = static_cast<std::uint16_t>(std::lower_bound(hues.begin(), hues.end(), MunsellTable[r].H) -
                                                     hues.begin());
        yWork.reserve(MunsellCapacity);
        cWork.reserve(MunsellCapacity);
    }
};

Index& TheIndex()
{
    static Index index;
    return index;
}

// The entries of list[0..count-1] (sorted by the key) with lo < key < hi:
// one range [first, last), found by halving.
template <class T, class KeyOf>
std::pair<int, int> StrictRange(const T* list, int count, Ext lo, Ext hi, KeyOf key)
{
    const T* a = std::partition_point(list, list + count, [&](const T& e) { return !(lo < key(e)); });
    const T* b = std::partition_point(a, list + count, [&](const T& e) { return key(e) < hi; });
    return {static_cast<int>(a - list), static_cast<int>(b - list)};
}

// YxyToHVC step 1: the luminance band, a range of MunsellByY.
std::pair<int, int> LuminanceBand(float Y)
{
    for (int w = 10; w <= 1000; w += 10) {
        const auto range = StrictRange(MunsellByY.data(), MunsellLast + 1, static_cast<Ext>(Y) - w,
                                       static_cast<Ext>(Y) + w, [](const MunsellRow& r) -> Ext { return r.Y; });
        if (range.first < range.second) return range;
    }
    throw RangeError("Y が表の範囲から遠すぎます");
}

// The rows MunsellByY[a..b) sorted by x, kept per range.
const std::vector<XEntry>& SortedByX(int a, int b)
{
    Index& index = TheIndex();
    const std::uint64_t key = (static_cast<std::uint64_t>(a) << 32) | static_cast<std::uint32_t>(b);
    if (const auto it = index.byX.find(key); it != index.byX.end()) return it->second;
    std::vector<XEntry> list;
    list.reserve(b - a);
    for (int i = a; i < b; ++i) list.push_back({MunsellByY[i].x, MunsellByY[i].y, static_cast<std::uint16_t>(i)});
    QuickSort(list.data(), 0, b - a - 1, [](const XEntry& e) { return e.x; });
    return index.Keep(index.byX, key, std::move(list));
}

// HVCToYxy step 2: the hue band of half-width half around H, as ranges of
// the distinct hues; false when it holds no hue.
bool FindHueBand(float H, Ext half, HueBand& band)
{
    const auto& hues = TheIndex().hues;
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
// which its hue fits, sorted by V; kept per band.
const std::vector<VEntry>& SortedByV(const HueBand& band)
{
    Index& index = TheIndex();
    if (const auto it = index.byV.find(band); it != index.byV.end()) return it->second;
    constexpr std::uint8_t kNone = 3;
    std::vector<std::uint8_t> turnOfHue(index.hues.size(), kNone);
    for (int t = 2; t >= 0; --t)  // the first turn that fits wins
        for (int g = band[2 * t]; g < band[2 * t + 1]; ++g) turnOfHue[g] = static_cast<std::uint8_t>(t);
    std::vector<VEntry> list;
    for (int r = 0; r <= MunsellLast; ++r) {
        const std::uint8_t t = turnOfHue[index.hueOfRow[r]];
        if (t != kNone) list.push_back({MunsellTable[r].V, MunsellTable[r].C, static_cast<std::uint16_t>(r), t});
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

HueTextParts SplitHueText(std::string_view text)
{
    HueTextParts parts;
    for (const char c : text) {
        const char u = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
        if ((u >= '0' && u <= '9') || u == '.' || u == '-' || u == '\b')
            parts.number += u;
        else if (u != ' ')
            parts.family += u;
    }
    parts.familyIndex = 0;
    while (parts.familyIndex < MunsellHueNames.size() && parts.family != MunsellHueNames[parts.familyIndex])
        ++parts.familyIndex;
    return parts;
}

namespace {

// The rows of the table file at path; throws FileError as LoadMunsellTable
// describes.
std::vector<MunsellRow> ReadMunsellRows(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) throw FileError("ファイル " + path + " は開けません");
    // A full table is a few hundred kilobytes; a file that is far larger (or
    // endless, a device) is refused. A read that fails (the path is a
    // folder) is a file error like any other, never a stream exception.
    constexpr std::size_t kMaxTableBytes = std::size_t(4) << 20;
    std::string data;
    try {
        char chunk[1 << 16];
        while (file.read(chunk, sizeof chunk) || file.gcount() > 0) {
            data.append(chunk, static_cast<std::size_t>(file.gcount()));
            if (data.size() > kMaxTableBytes) throw FileError("ファイル " + path + " は大きすぎて開けません");
        }
    } catch (const std::ios_base::failure&) {
        throw FileError("ファイル " + path + " を読み込めません");
    }
    if (file.bad()) throw FileError("ファイル " + path + " を読み込めません");
    file.close();

    std::vector<MunsellRow> rows;
    std::size_t start = 0;
    int lineNo = 0;
    while (start < data.size()) {
        std::size_t nl = data.find('\n', start);
        if (nl == std::string::npos) nl = data.size();
        std::string_view line(data.data() + start, nl - start);
        start = nl + 1;
        ++lineNo;
        const auto fields = TableFields(line);
        if (fields.size() < 6) LineError(path, lineNo, "6 つの値 (H, V, C, Y, x, y) がありません");
        float v[6];
        for (int i = 0; i < 6; ++i)
            if (!ReadField(fields[i], v[i])) LineError(path, lineNo, "'" + fields[i] + "' は数値ではありません");
        if (rows.size() == MunsellCapacity)
            throw FileError(path + " の行数が多すぎます (最大 " + std::to_string(MunsellCapacity) + " 行)");
        rows.push_back({v[0], v[1], v[2], v[3], v[4], v[5]});
    }
    return rows;
}

// A table being read in the background since the program's start.
struct Prefetch {
    std::string path;
    std::future<std::vector<MunsellRow>> rows;
};
Prefetch& ThePrefetch()
{
    static Prefetch prefetch;
    return prefetch;
}

}  // namespace

void PrefetchMunsellTable(const std::string& folder)
{
    Prefetch& p = ThePrefetch();
    p.path = TablePath(folder);
    p.rows = std::async(std::launch::async, ReadMunsellRows, p.path);
}

void LoadMunsellTable(const std::string& folder)
{
    const std::string path = TablePath(folder);
    Prefetch& p = ThePrefetch();
    std::future<std::vector<MunsellRow>> prefetched = std::move(p.rows);
    const bool usePrefetched = prefetched.valid() && p.path == path;
    const std::vector<MunsellRow> rows = usePrefetched ? prefetched.get() : ReadMunsellRows(path);

    // The whole file is read: only now does the table change.
    std::copy(rows.begin(), rows.end(), MunsellTable.begin());
    MunsellLast = static_cast<int>(rows.size()) - 1;
    MunsellByY = MunsellTable;
    SortRows(MunsellByY.data(), kFieldY, 0, MunsellLast);
    TheIndex().Rebuild();
    ++MunsellLoads;
}

std::size_t MunsellIndexBytes() { return TheIndex().Bytes(); }

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

}  // namespace

void RGBToHVC(RGBCode code, TColorVec& hvc, TColorVec& yxy)
{
    RGBToYxy(code, yxy);
    const std::uint32_t R = (code >> 16) & 0xFF, G = (code >> 8) & 0xFF, B = code & 0xFF;
    if (R == G && G == B) {
        hvc = {-1, ValueOfY(yxy[2]), 0};
        return;
    }
    YxyToHVC(yxy, hvc);
}

void YxyToHVC(const TColorVec& yxy, TColorVec& hvc)
{
    const float x = yxy[0], y = yxy[1], Y = yxy[2];
    if (MunsellLast < 0) throw RangeError("マンセル表が読み込まれていません");
    Index& index = TheIndex();

    // 1. Luminance band, widened in steps of 10.
    const auto [a, b] = LuminanceBand(Y);
    // 2. Chromaticity band of the rows sorted by x, widened by 0.01 at a time.
    const std::vector<XEntry>& byX = SortedByX(a, b);
    int first = 0, last = 0;
    for (int s = 1; s <= 100 && first == last; ++s) {
        const Ext half = 0.01L * s;
        std::tie(first, last) =
            StrictRange(byX.data(), b - a, x - half, x + half, [](const XEntry& e) -> Ext { return e.x; });
    }
    if (first == last) throw RangeError("表に近い色票がありません (x)");
    // 3. Neighbours by y.
    auto& band = index.yWork;
    band.clear();
    for (int i = first; i < last; ++i) band.push_back({byX[i].y, byX[i].row});
    const auto [ka, kb] = Neighbours(band.data(), last - first, y, [](const YEntry& e) { return e.y; });
    const MunsellRow& A = MunsellByY[band[ka].row];
    const MunsellRow* B = kb >= 0 ? &MunsellByY[band[kb].row] : nullptr;
    // 4. Result.
    if (SameYxy(A, x, y, Y)) {
        hvc = {A.H, A.V, A.C};
    } else if (B && SameYxy(*B, x, y, Y)) {
        hvc = {B->H, B->V, B->C};
    } else if (!B || B->Y == 0) {
        hvc = {A.H, A.V, A.C};
    } else {
        const float val = ValueOfY(Y);
        const float base = single(static_cast<Ext>(num::Trunc(val)));
        const float upper = single(static_cast<Ext>(val) + 1);
        const float f = single((static_cast<Ext>(val) - base) / (static_cast<Ext>(upper) - base));
        auto lerp = [f](float from, float to) { return single((static_cast<Ext>(to) - from) * f + from); };
        // The hue the short way round the circle.
        Ext dH = static_cast<Ext>(B->H) - A.H;
        if (dH > 50) dH = dH - 100;
        if (dH < -50) dH = dH + 100;
        float h = single(dH * f + A.H);
        if (h > 100)
            h = single(static_cast<Ext>(h) - 100);
        else if (h <= 0)
            h = single(static_cast<Ext>(h) + 100);
        hvc = {h, lerp(A.V, B->V), lerp(A.C, B->C)};
    }
}

void HVCToYxy(const TColorVec& hvc, TColorVec& yxy)
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
    if (MunsellLast < 0) throw RangeError("マンセル表が読み込まれていません");
    Index& index = TheIndex();

    // 2. Hue band on the circle, widened by 2.5 at a time.
    HueBand hueBand{};
    bool found = false;
    for (int s = 1; s <= 20 && !found; ++s) found = FindHueBand(H, 2.5L * s, hueBand);
    if (!found) throw RangeError("表に近い色票がありません (H)");
    const std::vector<VEntry>& byV = SortedByV(hueBand);
    // 3. Value band of the candidates sorted by V, widened by 0.5 at a time.
    int first = 0, last = 0;
    for (int s = 1; s <= 20 && first == last; ++s) {
        const Ext half = 0.5L * s;
        std::tie(first, last) = StrictRange(byV.data(), static_cast<int>(byV.size()), V - half, V + half,
                                            [](const VEntry& e) -> Ext { return e.V; });
    }
    if (first == last) throw RangeError("表に近い色票がありません (V)");
    // 4. Neighbours by C.
    auto& band = index.cWork;
    band.clear();
    for (int i = first; i < last; ++i) band.push_back({byV[i].C, byV[i].row, byV[i].turn});
    const auto [ka, kb] = Neighbours(band.data(), last - first, C, [](const CEntry& e) { return e.C; });
    const MunsellRow& A = MunsellTable[band[ka].row];
    const Ext AH = TurnedHue(A.H, band[ka].turn);
    // 5. Result.
    if (AH == H && A.V == V && A.C == C) {
        yxy = {A.x, A.y, A.Y};
        return;
    }
    if (kb < 0) {
        yxy = {A.x, A.y, Yc};
        return;
    }
    const MunsellRow& B = MunsellTable[band[kb].row];
    const Ext BH = TurnedHue(B.H, band[kb].turn);
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

RGBCode HVCToRGB(const TColorVec& hvc, TColorVec& yxy)
{
    HVCToYxy(hvc, yxy);
    TColorVec copy = yxy;
    return YxyToRGB(copy);
}

}  // namespace qolvar
