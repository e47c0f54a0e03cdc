#include "palette.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <stdexcept>

#include "deltae.h"
#include "oklab.h"

namespace qolvar {

namespace {

using Vec = std::array<double, 3>;
using Matrix = std::array<Vec, 3>;

void CheckCount(int count)
{
    if (count < 2) throw std::invalid_argument("a palette needs at least two colours");
}

// The point a fraction t of the way from a to b.
Vec Between(const Vec& a, const Vec& b, double t)
{
    return {a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t, a[2] + (b[2] - a[2]) * t};
}

Vec Array(const OkLab& lab) { return {lab.L, lab.a, lab.b}; }
OkLab OkLabOf(const Vec& v) { return {v[0], v[1], v[2]}; }

CssColour Exact(RGBCode code) { return {code & 0xFFFFFF, false, false}; }

// count points evenly spaced from a to b in a space, each made into a colour
// by `colour`; the ends are the codes given where they are codes.
template <typename Colour>
std::vector<CssColour> Line(const Vec& a, const Vec& b, int count, Colour&& colour)
{
    std::vector<CssColour> result;
    result.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) result.push_back(colour(Between(a, b, static_cast<double>(i) / (count - 1))));
    return result;
}

// The matrices of the model for linear-light sRGB at severities 0.0, 0.1,
// ..., 1.0, as the authors publish them with the paper: G. M. Machado,
// M. M. Oliveira and L. A. F. Fernandes, "A Physiologically-based Model for
// Simulation of Color Vision Deficiency", IEEE Transactions on
// Visualization and Computer Graphics 15(6), 1291-1298 (2009), and its
// table of pre-computed matrices on the paper's page
// (www.inf.ufrgs.br/~oliveira/pubs_files/CVD_Simulation/CVD_Simulation.html).
// Severity 1.0 is dichromacy; the rows of each matrix sum to 1, so greys
// stay grey.
constexpr std::array<Matrix, 11> kProtan{{
    {{{1.000000, 0.000000, -0.000000}, {0.000000, 1.000000, 0.000000}, {-0.000000, -0.000000, 1.000000}}},
    {{{0.856167, 0.182038, -0.038205}, {0.029342, 0.955115, 0.015544}, {-0.002880, -0.001563, 1.004443}}},
    {{{0.734766, 0.334872, -0.069637}, {0.051840, 0.919198, 0.028963}, {-0.004928, -0.004209, 1.009137}}},
    {{{0.630323, 0.465641, -0.095964}, {0.069181, 0.890046, 0.040773}, {-0.006308, -0.007724, 1.014032}}},
    {{{0.539009, 0.579343, -0.118352}, {0.082546, 0.866121, 0.051332}, {-0.007136, -0.011959, 1.019095}}},
    {{{0.458064, 0.679578, -0.137642}, {0.092785, 0.846313, 0.060902}, {-0.007494, -0.016807, 1.024301}}},
    {{{0.385450, 0.769005, -0.154455}, {0.100526, 0.829802, 0.069673}, {-0.007442, -0.022190, 1.029632}}},
    {{{0.319627, 0.849633, -0.169261}, {0.106241, 0.815969, 0.077790}, {-0.007025, -0.028051, 1.035076}}},
    {{{0.259411, 0.923008, -0.182420}, {0.110296, 0.804340, 0.085364}, {-0.006276, -0.034346, 1.040622}}},
    {{{0.203876, 0.990338, -0.194214}, {0.112975, 0.794542, 0.092483}, {-0.005222, -0.041043, 1.046265}}},
    {{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}},
}};
constexpr std::array<Matrix, 11> kDeutan{{
    {{{1.000000, 0.000000, -0.000000}, {0.000000, 1.000000, 0.000000}, {-0.000000, -0.000000, 1.000000}}},
    {{{0.866435, 0.177704, -0.044139}, {0.049567, 0.939063, 0.011370}, {-0.003453, 0.007233, 0.996220}}},
    {{{0.760729, 0.319078, -0.079807}, {0.090568, 0.889315, 0.020117}, {-0.006027, 0.013325, 0.992702}}},
    {{{0.675425, 0.433850, -0.109275}, {0.125303, 0.847755, 0.026942}, {-0.007950, 0.018572, 0.989378}}},
    {{{0.605511, 0.528560, -0.134071}, {0.155318, 0.812366, 0.032316}, {-0.009376, 0.023176, 0.986200}}},
    {{{0.547494, 0.607765, -0.155259}, {0.181692, 0.781742, 0.036566}, {-0.010410, 0.027275, 0.983136}}},
    {{{0.498864, 0.674741, -0.173604}, {0.205199, 0.754872, 0.039929}, {-0.011131, 0.030969, 0.980162}}},
    {{{0.457771, 0.731899, -0.189670}, {0.226409, 0.731012, 0.042579}, {-0.011595, 0.034333, 0.977261}}},
    {{{0.422823, 0.781057, -0.203881}, {0.245752, 0.709602, 0.044646}, {-0.011843, 0.037423, 0.974421}}},
    {{{0.392952, 0.823610, -0.216562}, {0.263559, 0.690210, 0.046232}, {-0.011910, 0.040281, 0.971630}}},
    {{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}},
}};
constexpr std::array<Matrix, 11> kTritan{{
    {{{1.000000, 0.000000, -0.000000}, {0.000000, 1.000000, 0.000000}, {-0.000000, -0.000000, 1.000000}}},
    {{{0.926670, 0.092514, -0.019184}, {0.021191, 0.964503, 0.014306}, {0.008437, 0.054813, 0.936750}}},
    {{{0.895720, 0.133330, -0.029050}, {0.029997, 0.945400, 0.024603}, {0.013027, 0.104707, 0.882266}}},
    {{{0.905871, 0.127791, -0.033662}, {0.026856, 0.941251, 0.031893}, {0.013410, 0.148296, 0.838294}}},
    {{{0.948035, 0.089490, -0.037526}, {0.014364, 0.946792, 0.038844}, {0.010853, 0.193991, 0.795156}}},
    {{{1.017277, 0.027029, -0.044306}, {-0.006113, 0.958479, 0.047634}, {0.006379, 0.248708, 0.744913}}},
    {{{1.104996, -0.046633, -0.058363}, {-0.032137, 0.971635, 0.060503}, {0.001336, 0.317922, 0.680742}}},
    {{{1.193214, -0.109812, -0.083402}, {-0.058496, 0.979410, 0.079086}, {-0.002346, 0.403492, 0.598854}}},
    {{{1.257728, -0.139648, -0.118081}, {-0.078003, 0.975409, 0.102594}, {-0.003316, 0.501214, 0.502102}}},
    {{{1.278864, -0.125333, -0.153531}, {-0.084748, 0.957674, 0.127074}, {-0.000989, 0.601151, 0.399838}}},
    {{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}},
}};

const std::array<Matrix, 11>& MatricesOf(Deficiency deficiency)
{
    switch (deficiency) {
    case Deficiency::Protan: return kProtan;
    case Deficiency::Deutan: return kDeutan;
    case Deficiency::Tritan: break;
    }
    return kTritan;
}

}  // namespace

std::vector<CssColour> HarmonyColours(RGBCode code, Harmony harmony)
{
    std::vector<double> turns;
    switch (harmony) {
    case Harmony::Complementary: turns = {180}; break;
    case Harmony::Analogous: turns = {-30, 30}; break;
    case Harmony::Triadic: turns = {120, 240}; break;
    case Harmony::Split: turns = {150, 210}; break;
    case Harmony::Tetradic: turns = {90, 180, 270}; break;
    }
    const OkLCh lch = OkLabToOkLCh(RGBToOkLab(code));
    std::vector<CssColour> result{Exact(code)};
    for (const double turn : turns) {
        double h = std::fmod(lch.h + turn, 360.0);
        if (h < 0) h += 360;
        result.push_back(CssColourOfOkLab(OkLChToOkLab({lch.L, lch.C, h})));
    }
    return result;
}

std::vector<CssColour> RampColours(RGBCode code, Ramp ramp, int count)
{
    CheckCount(count);
    const OkLab from = RGBToOkLab(code);
    OkLab to;
    switch (ramp) {
    case Ramp::Shades: to = {0, 0, 0}; break;
    case Ramp::Tints: to = {1, 0, 0}; break;
    case Ramp::Tones: to = {from.L, 0, 0}; break;
    }
    std::vector<CssColour> result =
        Line(Array(from), Array(to), count, [](const Vec& v) { return CssColourOfOkLab(OkLabOf(v)); });
    result.front() = Exact(code);
    if (ramp == Ramp::Shades) result.back() = Exact(0x000000);
    if (ramp == Ramp::Tints) result.back() = Exact(0xFFFFFF);
    return result;
}

std::vector<CssColour> GradientColours(RGBCode from, RGBCode to, int count, GradientSpace space)
{
    CheckCount(count);
    std::vector<CssColour> result;
    switch (space) {
    case GradientSpace::OkLab:
        result = Line(Array(RGBToOkLab(from)), Array(RGBToOkLab(to)), count,
                      [](const Vec& v) { return CssColourOfOkLab(OkLabOf(v)); });
        break;
    case GradientSpace::Lab:
        result = Line(CssLabOf(from), CssLabOf(to), count,
                      [](const Vec& v) { return CssColourOfLinear(CssLabToLinear(v)); });
        break;
    case GradientSpace::SRGB: {
        auto encoded = [](RGBCode c) {
            return Vec{((c >> 16) & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, (c & 0xFF) / 255.0};
        };
        result = Line(encoded(from), encoded(to), count, [](const Vec& v) { return CssColourOfEncoded(v); });
        break;
    }
    case GradientSpace::LinearSRGB:
        result = Line(CssLinearOf(from), CssLinearOf(to), count, [](const Vec& v) { return CssColourOfLinear(v); });
        break;
    }
    result.front() = Exact(from);
    result.back() = Exact(to);
    return result;
}

std::array<std::array<double, 3>, 3> DeficiencyMatrix(Deficiency deficiency, double severity)
{
    if (!(severity >= 0 && severity <= 1)) throw std::invalid_argument("the severity lies outside 0..1");
    const std::array<Matrix, 11>& table = MatricesOf(deficiency);
    const double steps = severity * 10;
    const std::size_t low = std::min<std::size_t>(static_cast<std::size_t>(steps), 10);
    const double t = steps - static_cast<double>(low);
    if (t == 0) return table[low];
    Matrix m{};
    for (std::size_t i = 0; i < 3; ++i) m[i] = Between(table[low][i], table[low + 1][i], t);
    return m;
}

RGBCode SimulateDeficiency(RGBCode code, Deficiency deficiency, double severity)
{
    const Matrix m = DeficiencyMatrix(deficiency, severity);
    const Vec linear = CssLinearOf(code);
    Vec seen{};
    for (std::size_t i = 0; i < 3; ++i)
        seen[i] = std::clamp(m[i][0] * linear[0] + m[i][1] * linear[1] + m[i][2] * linear[2], 0.0, 1.0);
    return CssColourOfLinear(seen).code;
}

std::vector<LookAlikePair> LookAlikePairs(std::span<const RGBCode> codes, Deficiency deficiency, double severity,
                                          double limit)
{
    constexpr double kMaxSL = 1.75;  // 1 + 0.015 · 50² / √(20 + 50²) = 1.747
    std::vector<LabValue> labs;
    labs.reserve(codes.size());
    for (const RGBCode code : codes)
        labs.push_back(SRGBLabD65(SimulateDeficiency(code & 0xFFFFFF, deficiency, severity)));
    std::vector<std::size_t> byL(codes.size());
    std::iota(byL.begin(), byL.end(), std::size_t{0});
    std::stable_sort(byL.begin(), byL.end(), [&](std::size_t i, std::size_t j) { return labs[i].L < labs[j].L; });
    std::vector<LookAlikePair> pairs;
    for (std::size_t a = 0; a < byL.size(); ++a) {
        for (std::size_t b = a + 1; b < byL.size(); ++b) {
            const std::size_t i = byL[a], j = byL[b];
            if (labs[j].L - labs[i].L >= kMaxSL * limit) break;
            const double d = static_cast<double>(DeltaE2000(labs[i], labs[j]));
            if (d < limit) pairs.push_back({std::min(i, j), std::max(i, j), d});
        }
    }
    std::sort(pairs.begin(), pairs.end(), [](const LookAlikePair& p, const LookAlikePair& q) {
        return p.first != q.first ? p.first < q.first : p.second < q.second;
    });
    return pairs;
}

}  // namespace qolvar
