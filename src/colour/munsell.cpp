// Munsell conversion. Notation: single(e) is a store to a float; all other
// arithmetic is extended precision.
//
// YxyToHVC (the table search):
//  1. Luminance band: for w = 10, 20, 30, ... collect the rows of MunsellByY
//     with Y - w < r.Y < Y + w; stop at the first w that collects a row.
//  2. Sort them by x; keep those with x - 0.01 < r.x < x + 0.01; sort those
//     by y.
//  3. k = LocateRow by y (at most the last); A = row k, B = row k + 1 if any.
//  4. A or B equal to the Yxy exactly: its H V C. No B, or B.Y = 0: A's.
//     Otherwise interpolate A→B with f = (val - trunc(val)) / (val + 1 -
//     trunc(val)), val the Munsell value of Y rounded to a tenth.
// HVCToYxy (the reverse search): rows with H - 2.5 < r.H < H + 2.5 (file
// order, no wrap-around at 0/100), sorted by V; those with V - 0.5 < r.V <
// V + 0.5, sorted by C; A, B around C by LocateRow; x follows the chroma
// weight, y the hue weight, Y is the value polynomial.
//
// Where the table gives no answer the searches do not read outside their
// candidates:
//  - no row within a luminance band of 1000: RangeError;
//  - an empty chromaticity band is widened by 0.01 at a time up to ±1;
//    an empty hue band by 2.5 up to ±50, an empty value band by 0.5 up to
//    ±10; still empty: RangeError;
//  - HVCToYxy with A the last candidate (no B): A's chromaticity with the
//    polynomial Y, as YxyToHVC returns A in the same situation.
#include "munsell.h"

#include <cstring>
#include <fstream>
#include <iterator>
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
MunsellRows CandList1{};
MunsellRows CandList2{};
int MunsellLast = -1;

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

}  // namespace

void LoadMunsellTable(const std::string& folder)
{
    const std::string path = TablePath(folder);
    std::ifstream file(path, std::ios::binary);
    if (!file) throw FileError("ファイル " + path + " は開けません");
    const std::string data((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
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
        const auto fields = SplitCommaText(line);
        if (fields.size() < 6) LineError(path, lineNo, "6 つの値 (H, V, C, Y, x, y) がありません");
        float v[6];
        for (int i = 0; i < 6; ++i)
            if (!ReadField(fields[i], v[i])) LineError(path, lineNo, "'" + fields[i] + "' は数値ではありません");
        if (rows.size() == MunsellCapacity)
            throw FileError(path + " の行数が多すぎます (最大 " + std::to_string(MunsellCapacity) + " 行)");
        rows.push_back({v[0], v[1], v[2], v[3], v[4], v[5]});
    }

    // The whole file is read: only now does the table change.
    std::copy(rows.begin(), rows.end(), MunsellTable.begin());
    MunsellLast = static_cast<int>(rows.size()) - 1;
    MunsellByY = MunsellTable;
    SortRows(MunsellByY.data(), kFieldY, 0, MunsellLast);
}

namespace {
// The quicksort for one field; the field is a template argument so that the
// comparisons compile to plain loads.
template <float MunsellRow::*Field>
void SortBy(MunsellRow* list, int lo, int hi)
{
    if (hi < lo) return;
    const float p = list[MidIndex(lo, hi)].*Field;
    int i = lo, j = hi;
    do {
        while (list[i].*Field < p) ++i;
        while (p < list[j].*Field) --j;
        if (j <= i) break;
        std::swap(list[i], list[j]);
        ++i;
        --j;
    } while (j >= i);
    if (i - 1 > lo) SortBy<Field>(list, lo, i - 1);
    if (j + 1 < hi) SortBy<Field>(list, j + 1, hi);
}
}  // namespace

void SortRows(MunsellRow* list, int key, int lo, int hi)
{
    switch (key) {
    case kFieldH: return SortBy<&MunsellRow::H>(list, lo, hi);
    case kFieldV: return SortBy<&MunsellRow::V>(list, lo, hi);
    case kFieldC: return SortBy<&MunsellRow::C>(list, lo, hi);
    case kFieldY: return SortBy<&MunsellRow::Y>(list, lo, hi);
    case kFieldX: return SortBy<&MunsellRow::x>(list, lo, hi);
    default: return SortBy<&MunsellRow::y>(list, lo, hi);
    }
}

int LocateRow(const MunsellRow* list, int key, int lo, int hi, float value)
{
    while (hi > lo) {
        const int mid = MidIndex(lo, hi);
        if (Key(list[mid], key) > value)
            hi = mid - 1;
        else
            lo = mid + 1;
    }
    if (lo == 0) lo = 1;
    return lo - 1;
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

// Appends to out the rows of in[0..count-1] whose field lies strictly within
// centre ± half; returns their number.
int Band(const MunsellRow* in, int count, int key, float centre, Ext half, MunsellRow* out)
{
    int m = 0;
    const Ext lo = centre - half, hi = centre + half;
    for (int r = 0; r < count; ++r) {
        const float k = Key(in[r], key);
        if (lo < k && k < hi) out[m++] = in[r];
    }
    return m;
}

// The text's band first; when it is empty, widen it step by step.
int WideningBand(const MunsellRow* in, int count, int key, float centre, Ext step, int maxSteps,
                 MunsellRow* out, const char* what)
{
    for (int s = 1; s <= maxSteps; ++s) {
        const int m = Band(in, count, key, centre, step * s, out);
        if (m > 0) return m;
    }
    throw RangeError(std::string("表に近い色票がありません (") + what + ")");
}

// The two neighbouring candidates around value: the m rows of CandList2 are
// sorted by the field, A is the row LocateRow finds (at most the last), B
// the row after it if there is one.
struct Neighbours {
    const MunsellRow& A;
    const MunsellRow* B;
};
Neighbours FindNeighbours(int m, int key, float value)
{
    SortRows(CandList2.data(), key, 0, m - 1);
    int k = LocateRow(CandList2.data(), key, 0, m - 1, value);
    if (k > m - 1) k = m - 1;
    return {CandList2[k], k + 1 <= m - 1 ? &CandList2[k + 1] : nullptr};
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

    // 1. Luminance band, widened in steps of 10.
    int n = 0;
    for (int w = 10; n == 0; w += 10) {
        if (w > 1000) throw RangeError("Y が表の範囲から遠すぎます");
        n = Band(MunsellByY.data(), MunsellLast + 1, kFieldY, Y, w, CandList1.data());
    }
    // 2. Chromaticity band.
    SortRows(CandList1.data(), kFieldX, 0, n - 1);
    const int m = WideningBand(CandList1.data(), n, kFieldX, x, 0.01L, 100, CandList2.data(), "x");
    // 3. Neighbours by y.
    const auto [A, B] = FindNeighbours(m, kFieldLowerY, y);
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
        auto lerp = [f](float a, float b) { return single((static_cast<Ext>(b) - a) * f + a); };
        hvc = {lerp(A.H, B->H), lerp(A.V, B->V), lerp(A.C, B->C)};
    }
}

void HVCToYxy(const TColorVec& hvc, TColorVec& yxy)
{
    const float H = hvc[0], V = hvc[1], C = hvc[2];
    // 1. Y from the value polynomial.
    const float p2 = single(num::IntPower(V, 2));
    const float p3 = single(num::IntPower(V, 3));
    const float p4 = single(num::IntPower(V, 4));
    const float p5 = single(num::IntPower(V, 5));
    const float Yc = single(1.1913L * V - 0.22532L * p2 + 0.23351L * p3 - 0.020483L * p4 + 0.00081936L * p5);
    // 2. Neutral greys need no table.
    if (H < 0) {
        yxy = {0.3127f, 0.329f, Yc};
        return;
    }
    if (MunsellLast < 0) throw RangeError("マンセル表が読み込まれていません");
    // 3.-5. Hue band in file order, sorted by V; then the value band.
    const int n =
        WideningBand(MunsellTable.data(), MunsellLast + 1, kFieldH, H, 2.5L, 20, CandList1.data(), "H");
    SortRows(CandList1.data(), kFieldV, 0, n - 1);
    const int m = WideningBand(CandList1.data(), n, kFieldV, V, 0.5L, 20, CandList2.data(), "V");
    // 7. Neighbours by C.
    const auto [A, B] = FindNeighbours(m, kFieldC, C);
    // 8. Result.
    if (A.H == H && A.V == V && A.C == C) {
        yxy = {A.x, A.y, A.Y};
    } else if (B && B->H == H && B->V == V && B->C == C) {
        yxy = {B->x, B->y, B->Y};
    } else if (!B) {
        yxy = {A.x, A.y, Yc};
    } else {
        float dC = single(static_cast<Ext>(B->C) - A.C);
        if (dC == 0) dC = 0.1f;
        const float tC = single((static_cast<Ext>(C) - A.C) / dC);
        float dH = single(static_cast<Ext>(B->H) - A.H);
        if (dH == 0) dH = 0.1f;
        const float tH = single((static_cast<Ext>(H) - A.H) / dH);
        yxy = {single((static_cast<Ext>(B->x) - A.x) * tC + A.x), single((static_cast<Ext>(B->y) - A.y) * tH + A.y),
               Yc};
    }
}

RGBCode HVCToRGB(const TColorVec& hvc, TColorVec& yxy)
{
    HVCToYxy(hvc, yxy);
    TColorVec copy = yxy;
    return YxyToRGB(copy);
}

}  // namespace qolvar
