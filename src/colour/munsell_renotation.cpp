#include "munsell_renotation.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <numbers>
#include <string>
#include <tuple>

#include "cie.h"
#include "errors.h"

namespace qolvar {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kHueStep = 2.5;
// Chroma steps of a page the grid keeps (chroma 2 .. 200).
constexpr int kMaxSteps = 100;
// The iteration stops when x and y are this close to the colour's ...
constexpr double kConverged = 1e-12;
// ... and counts as having reproduced them within this.
constexpr double kReproduced = 1e-9;
// A chroma this far past the limit still counts as within the data: the
// samples' own luminances put their values a hair off the planes.
constexpr double kLimitSlack = 0.02;

// An angle difference brought into (−π, π].
double Turn(double a)
{
    while (a > kPi) a -= 2 * kPi;
    while (a <= -kPi) a += 2 * kPi;
    return a;
}

// A hue brought onto the circle 0 ≤ h < 100 (exactly, however large; a hue
// that is no number is 0).
double OnCircle(double H)
{
    double h = std::fmod(H, 100);
    if (h < 0) h += 100;
    return h >= 0 && h < 100 ? h : 0;
}

// The hue page of hue step k (hue 2.5 k): 10RP is both k = 0 and k = 40.
int PageOfStep(int k) { return (k + 39) % 40; }

}  // namespace

double MunsellValueToY(double V)
{
    return V * (1.1913 + V * (-0.22532 + V * (0.23351 + V * (-0.020483 + V * 0.00081936))));
}

double MunsellYToValue(double Y)
{
    if (!(Y > 0)) return 0;
    // The polynomial rises steadily from 0 to 20: halving finds V.
    double lo = 0, hi = 20;
    if (Y >= MunsellValueToY(hi)) return hi;
    for (int i = 0; i < 64 && hi - lo > 1e-15; ++i) {
        const double mid = (lo + hi) / 2;
        (MunsellValueToY(mid) < Y ? lo : hi) = mid;
    }
    return (lo + hi) / 2;
}

RenotationGrid::RenotationGrid(std::span<const MunsellRow> rows, double whiteX, double whiteY)
    : wx_(whiteX), wy_(whiteY)
{
    // The usable rows: a hue page, an even chroma, a value, a chromaticity.
    auto stepOf = [](double v, double step, int lo, int hi, int& k) {
        const double s = v / step;
        if (!(s > lo - 1 && s < hi + 1)) return false;
        k = static_cast<int>(std::lround(s));
        return std::fabs(s - k) < 1e-3 && k >= lo && k <= hi;
    };
    struct Sample {
        double V;
        int plane, page, step;
        Point p;
    };
    std::vector<Sample> samples;
    for (const MunsellRow& r : rows) {
        int hk = 0, ck = 0;
        if (!stepOf(r.H, kHueStep, 0, 40, hk) || !stepOf(r.C, 2, 1, kMaxSteps, ck)) continue;
        if (!(r.V > 0 && r.V <= 20) || !std::isfinite(r.x) || !std::isfinite(r.y)) continue;
        samples.push_back({r.V, 0, PageOfStep(hk), ck, {r.x, r.y}});
    }
    // The planes: every value of a usable row.
    for (const Sample& s : samples) values_.push_back(s.V);
    std::sort(values_.begin(), values_.end());
    values_.erase(std::unique(values_.begin(), values_.end()), values_.end());
    for (double v : values_) planeY_.push_back(MunsellValueToY(v));
    for (Sample& s : samples)
        s.plane = static_cast<int>(std::lower_bound(values_.begin(), values_.end(), s.V) - values_.begin());

    // Each page's chroma steps, in order; the first sample of a key counts,
    // and a page ends at its first missing step.
    std::stable_sort(samples.begin(), samples.end(), [](const Sample& a, const Sample& b) {
        return std::tie(a.plane, a.page, a.step) < std::tie(b.plane, b.page, b.step);
    });
    const int planes = static_cast<int>(values_.size());
    pages_.assign(static_cast<std::size_t>(planes) * kPages, Page{});
    for (std::size_t i = 0; i < samples.size();) {
        const Sample& s = samples[i];
        Page& page = pages_[static_cast<std::size_t>(s.plane) * kPages + s.page];
        page.first = static_cast<int>(points_.size());
        std::size_t j = i;
        for (; j < samples.size() && samples[j].plane == s.plane && samples[j].page == s.page; ++j)
            if (samples[j].step == page.count + 1) {
                points_.push_back(samples[j].p);
                ++page.count;
            }
        i = j;
    }
    // A page missing from a plane is taken from the nearest plane above that
    // has it, else from below.
    auto at = [&](int v, int g) -> Page& { return pages_[static_cast<std::size_t>(v) * kPages + g]; };
    for (int g = 0; g < kPages; ++g) {
        for (int v = planes - 2; v >= 0; --v)
            if (at(v, g).count == 0) at(v, g) = at(v + 1, g);
        for (int v = 1; v < planes; ++v)
            if (at(v, g).count == 0) at(v, g) = at(v - 1, g);
    }
}

RenotationGrid::Point RenotationGrid::PagePoint(int plane, int page, double C) const
{
    const Page& pg = pages_[static_cast<std::size_t>(plane) * kPages + page];
    if (pg.count == 0 || !(C > 0)) return {wx_, wy_};
    // Chroma steps: 0 is the white point, k the sample of chroma 2k.
    const double s = C / 2;
    const int k = s >= pg.count - 1 ? pg.count - 1 : static_cast<int>(s);
    const double t = s - k;
    const Point a = k == 0 ? Point{wx_, wy_} : points_[pg.first + k - 1];
    const Point& b = points_[pg.first + k];
    return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
}

RenotationGrid::Point RenotationGrid::PlanePoint(int plane, double H, double C) const
{
    const double s = OnCircle(H) / kHueStep;
    int k = static_cast<int>(s);
    double f = s - k;
    if (k >= 40) k = 39, f = 1;  // a hue that rounds up to 100
    const Point a = PagePoint(plane, PageOfStep(k), C);
    if (f == 0) return a;
    const Point b = PagePoint(plane, PageOfStep(k + 1), C);
    // Radially: distance and angle about the white point.
    const double ax = a.x - wx_, ay = a.y - wy_, bx = b.x - wx_, by = b.y - wy_;
    const double ra = std::hypot(ax, ay), rb = std::hypot(bx, by);
    if (ra == 0 && rb == 0) return a;
    const double angA = ra == 0 ? std::atan2(by, bx) : std::atan2(ay, ax);
    const double angB = rb == 0 ? angA : std::atan2(by, bx);
    const double r = ra + f * (rb - ra);
    const double ang = angA + f * Turn(angB - angA);
    return {wx_ + r * std::cos(ang), wy_ + r * std::sin(ang)};
}

void RenotationGrid::Planes(double V, int& lo, int& hi, double& w) const
{
    const int n = static_cast<int>(values_.size());
    w = 0;
    if (!(V > values_.front())) {
        lo = hi = 0;
        return;
    }
    if (V >= values_.back()) {
        lo = hi = n - 1;
        return;
    }
    hi = static_cast<int>(std::upper_bound(values_.begin(), values_.end(), V) - values_.begin());
    lo = hi - 1;
    w = (MunsellValueToY(V) - planeY_[lo]) / (planeY_[hi] - planeY_[lo]);
}

double RenotationGrid::BelowLowest(double V) const
{
    const double v0 = values_.front();
    return V >= v0 ? 1 : V > 0 ? V / v0 : 0;
}

void RenotationGrid::Eval(double H, double V, double C, double& x, double& y) const
{
    int lo = 0, hi = 0;
    double w = 0;
    Planes(V, lo, hi, w);
    // Below the lowest plane a chromaticity of that plane has a chroma that
    // shrinks with the value, to 0 at black.
    const double scale = BelowLowest(V);
    if (scale < 1) {
        const Point p = scale > 0 ? PlanePoint(0, H, C / scale) : Point{wx_, wy_};
        x = p.x, y = p.y;
        return;
    }
    const Point a = PlanePoint(lo, H, C);
    if (w == 0) {
        x = a.x, y = a.y;
        return;
    }
    const Point b = PlanePoint(hi, H, C);
    x = a.x + w * (b.x - a.x);
    y = a.y + w * (b.y - a.y);
}

double RenotationGrid::MaxChroma(double H, double V) const
{
    if (values_.empty()) return 0;
    int lo = 0, hi = 0;
    double w = 0;
    Planes(V, lo, hi, w);
    const double s = OnCircle(H) / kHueStep;
    int k = static_cast<int>(s);
    double f = s - k;
    if (k >= 40) k = 39, f = 1;
    auto limit = [&](int plane) {
        const double a = 2.0 * pages_[static_cast<std::size_t>(plane) * kPages + PageOfStep(k)].count;
        const double b = 2.0 * pages_[static_cast<std::size_t>(plane) * kPages + PageOfStep(k + 1)].count;
        return a + f * (b - a);
    };
    const double a = limit(lo);
    return (w == 0 ? a : a + w * (limit(hi) - a)) * BelowLowest(V);
}

bool RenotationGrid::Chromaticity(double H, double V, double C, double& x, double& y) const
{
    if (values_.empty()) {
        x = wx_, y = wy_;
        return !(C > 0);
    }
    Eval(H, V, C, x, y);
    return !(C > MaxChroma(H, V) + kLimitSlack * BelowLowest(V));
}

// A starting hue and chroma for the iteration: the hue pages' directions
// about the white point at value V bracket the colour's direction.
double RenotationGrid::Start(double V, double x, double y, double& C) const
{
    const double dx = x - wx_, dy = y - wy_;
    const double rho = std::hypot(dx, dy), target = std::atan2(dy, dx);
    auto polar = [&](double H, double chroma, double& r, double& ang) {
        double px = 0, py = 0;
        Eval(H, V, chroma, px, py);
        r = std::hypot(px - wx_, py - wy_);
        ang = std::atan2(py - wy_, px - wx_);
    };
    // A first chroma from the page nearest in direction at chroma 2 (at the
    // lowest plane's chroma 2 below it).
    const double scale = std::max(BelowLowest(V), 1e-12);
    double best = 10, guess = 2 * scale;
    for (int g = 1; g <= kPages; ++g) {
        double r = 0, ang = 0;
        polar(g * kHueStep, 2 * scale, r, ang);
        const double d = std::fabs(Turn(ang - target));
        if (r > 0 && d < best) best = d, guess = 2 * scale * rho / r;
    }
    guess = std::clamp(guess, 1e-6 * scale, 2.0 * kMaxSteps);
    // The pages at that chroma: the pair whose directions enclose the
    // colour's and whose distance there is nearest to the colour's.
    double r[kPages + 1], ang[kPages + 1];
    for (int g = 0; g < kPages; ++g) polar((g + 1) * kHueStep, guess, r[g], ang[g]);
    r[kPages] = r[0], ang[kPages] = ang[0];
    double H = kHueStep, bestMiss = INFINITY, rAt = 0;
    for (int g = 0; g < kPages; ++g) {
        const double span = Turn(ang[g + 1] - ang[g]);
        const double d = Turn(target - ang[g]);
        if (!(span > 0) || d < 0 || d > span) continue;
        const double f = d / span;
        const double rf = r[g] + f * (r[g + 1] - r[g]);
        const double miss = std::fabs(std::log(std::max(rf, 1e-12) / rho));
        if (miss < bestMiss) bestMiss = miss, H = (g + 1 + f) * kHueStep, rAt = rf;
    }
    if (bestMiss == INFINITY) {  // no pair encloses it: the nearest page
        double nearest = 10;
        for (int g = 0; g < kPages; ++g) {
            const double d = std::fabs(Turn(ang[g] - target));
            if (d < nearest) nearest = d, H = (g + 1) * kHueStep, rAt = r[g];
        }
    }
    C = rAt > 0 ? std::clamp(guess * rho / rAt, 1e-6 * scale, 2.0 * kMaxSteps) : guess;
    return H;
}

RenotationNotation RenotationGrid::Notation(double x, double y, double Y) const
{
    RenotationNotation n;
    n.x = wx_, n.y = wy_;
    if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(Y)) {
        n.beyond = true;
        return n;
    }
    n.V = MunsellYToValue(Y);
    const double rho = std::hypot(x - wx_, y - wy_);
    // A neutral grey: black, or a chromaticity within the precision of a
    // single (about 1e-7) of the white point.
    if (rho < 1e-6 || !(Y > 0)) return n;
    if (values_.empty()) {
        n.beyond = true;
        return n;
    }
    const double V = n.V;
    double C = 0;
    double H = Start(V, x, y, C);

    // Newton's iteration on (H, C), each step halved until it comes closer.
    // The interpolation bends where hue pages and chroma steps meet, and a
    // colour on a sample's own hue and chroma sits on such a corner: when
    // the step of the forward differences does not halve the distance, the
    // differences taken towards the other sides of the corner are tried too,
    // and the best of their steps is taken.
    double px = 0, py = 0;
    Eval(H, V, C, px, py);
    double err = std::max(std::fabs(px - x), std::fabs(py - y));
    for (int it = 0; it < 60 && err > kConverged; ++it) {
        double best = err, bestH = H, bestC = C, bestX = px, bestY = py;
        for (int side = 0; side < 4 && !(best <= err / 2); ++side) {
            const double hH = side & 1 ? -1e-6 : 1e-6, hC = side & 2 ? -1e-6 : 1e-6;
            double hx = 0, hy = 0, cx = 0, cy = 0;
            Eval(H + hH, V, C, hx, hy);
            Eval(H, V, C + hC, cx, cy);
            const double a = (hx - px) / hH, b = (cx - px) / hC, c = (hy - py) / hH, d = (cy - py) / hC;
            const double det = a * d - b * c;
            if (!(std::fabs(det) > 0)) continue;
            double dH = (-(px - x) * d + b * (py - y)) / det;
            double dC = (-(py - y) * a + c * (px - x)) / det;
            if (!std::isfinite(dH) || !std::isfinite(dC)) continue;
            dH = std::clamp(dH, -5.0, 5.0);
            dC = std::clamp(dC, -8.0, 8.0);
            if (C + dC <= 0) dC = -C / 2;
            for (int half = 0; half < 30; ++half) {
                double qx = 0, qy = 0;
                Eval(H + dH, V, C + dC, qx, qy);
                const double e = std::max(std::fabs(qx - x), std::fabs(qy - y));
                if (e < best) {
                    best = e, bestH = H + dH, bestC = C + dC, bestX = qx, bestY = qy;
                    break;
                }
                dH /= 2, dC /= 2;
            }
        }
        if (!(best < err)) break;
        H = bestH, C = bestC, px = bestX, py = bestY, err = best;
    }

    H = OnCircle(H);
    if (H <= 0) H = 100;
    n.H = H, n.C = C, n.x = px, n.y = py;
    const double limit = MaxChroma(H, V);
    if (C > limit + kLimitSlack * BelowLowest(V) || err > kReproduced) {
        n.beyond = true;
        if (C > limit) {
            n.C = limit;
            Eval(H, V, limit, n.x, n.y);
        }
    }
    if (n.C <= 0) {
        n.H = -1, n.C = 0;
        n.x = wx_, n.y = wy_;
    }
    return n;
}

// ---- The table's grid ------------------------------------------------------

namespace {

// The chromaticity of an illuminant.
void IlluminantChromaticity(MunsellIlluminant illuminant, double& x, double& y)
{
    const WhitePoint w = WhiteOf(illuminant);
    const double sum = static_cast<double>(w.X) + w.Y + w.Z;
    x = w.X / sum;
    y = w.Y / sum;
}

// The chromaticity of the table's illuminant (D65 without a table).
void TableWhite(const ConversionConditions& c, double& x, double& y)
{
    IlluminantChromaticity(c.munsell ? c.munsell->Illuminant() : MunsellIlluminant::D65, x, y);
}

float HueSingle(double H)
{
    float h = static_cast<float>(H);
    if (!(h > 0)) h = 100;  // a hue that rounds to 0 is 10RP
    return h;
}

}  // namespace

const RenotationGrid& MunsellData::Renotation() const
{
    std::call_once(gridOnce_, [this] {
        double wx = 0, wy = 0;
        IlluminantChromaticity(illuminant_, wx, wy);
        grid_ = std::make_unique<const RenotationGrid>(rows_, wx, wy);
    });
    return *grid_;
}

const RenotationGrid& RenotationOf(const ConversionConditions& c)
{
    if (!c.munsell || c.munsell->Rows().empty()) throw RangeError(Message{MessageId::NoMunsellTable, {}, nullptr});
    return c.munsell->Renotation();
}

void RenotationYxyToHVC(const TColorVec& yxy, TColorVec& hvc, const ConversionConditions& c, bool* beyond)
{
    const RenotationNotation n = RenotationOf(c).Notation(yxy[0], yxy[1], yxy[2]);
    hvc = {n.H < 0 ? -1.0f : HueSingle(n.H), static_cast<float>(n.V), static_cast<float>(n.C)};
    if (beyond) *beyond = n.beyond;
}

void RenotationRGBToHVC(RGBCode code, TColorVec& hvc, TColorVec& yxy, const ConversionConditions& c, bool* beyond)
{
    RGBToYxy(code, yxy, c);
    if (beyond) *beyond = false;
    const std::uint32_t R = (code >> 16) & 0xFF, G = (code >> 8) & 0xFF, B = code & 0xFF;
    if (R == G && G == B) {
        hvc = {-1, static_cast<float>(MunsellYToValue(yxy[2])), 0};
        return;
    }
    const RenotationNotation n = RenotationOf(c).Notation(yxy[0], yxy[1], yxy[2]);
    hvc = {n.H < 0 ? -1.0f : HueSingle(n.H), static_cast<float>(n.V), static_cast<float>(n.C)};
    if (n.beyond) {
        // The Yxy of the notation shown, so the colour it gives back is the
        // one the notation names.
        yxy[0] = static_cast<float>(n.x);
        yxy[1] = static_cast<float>(n.y);
    }
    if (beyond) *beyond = n.beyond;
}

void RenotationHVCToYxy(const TColorVec& hvc, TColorVec& yxy, const ConversionConditions& c)
{
    const double H = hvc[0], V = hvc[1], C = hvc[2];
    // Up to the value of Y = 100 (10.0001), which white converts to.
    if (!(V >= 0 && MunsellValueToY(V) <= 100.0001)) throw RangeError(Message{MessageId::ValueRange, {}, nullptr});
    if (!(C >= 0) || !std::isfinite(H)) throw RangeError(Message{MessageId::HueChromaRange, {}, nullptr});
    const float Y = static_cast<float>(MunsellValueToY(V));
    if (H < 0 || C == 0) {
        double wx = 0, wy = 0;
        TableWhite(c, wx, wy);
        yxy = {static_cast<float>(wx), static_cast<float>(wy), Y};
        return;
    }
    const RenotationGrid& grid = RenotationOf(c);
    double x = 0, y = 0;
    if (!grid.Chromaticity(H, V, C, x, y)) {
        char limit[32];
        std::snprintf(limit, sizeof limit, "%.1f", grid.MaxChroma(H, V));
        throw RangeError(Message{MessageId::ChromaBeyondData, {limit}, nullptr});
    }
    yxy = {static_cast<float>(x), static_cast<float>(y), Y};
}

void MunsellRGBToHVC(RGBCode code, TColorVec& hvc, TColorVec& yxy, const ConversionConditions& c, bool* beyond)
{
    if (c.method == MunsellMethod::Renotation) return RenotationRGBToHVC(code, hvc, yxy, c, beyond);
    if (beyond) *beyond = false;
    RGBToHVC(code, hvc, yxy, c);
}

void MunsellYxyToHVC(const TColorVec& yxy, TColorVec& hvc, const ConversionConditions& c)
{
    if (c.method == MunsellMethod::Renotation) return RenotationYxyToHVC(yxy, hvc, c);
    YxyToHVC(yxy, hvc, c);
}

void MunsellHVCToYxy(const TColorVec& hvc, TColorVec& yxy, const ConversionConditions& c)
{
    if (c.method == MunsellMethod::Renotation) return RenotationHVCToYxy(hvc, yxy, c);
    HVCToYxy(hvc, yxy, c);
}

RGBCode MunsellHVCToRGB(const TColorVec& hvc, TColorVec& yxy, const ConversionConditions& c)
{
    if (c.method == MunsellMethod::Search) return HVCToRGB(hvc, yxy, c);
    RenotationHVCToYxy(hvc, yxy, c);
    TColorVec copy = yxy;
    return YxyToRGB(copy, c);
}

}  // namespace qolvar
