#include "imagepalette.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <utility>

#include "csscolour.h"
#include "deltae.h"
#include "oklab.h"

namespace qolvar {

namespace {

// A distinct colour of the image and how many (sampled) pixels have it.
struct Counted {
    RGBCode code;
    double weight;
};

// The pixels' distinct colours with their counts, by code; beyond
// `limit` pixels every stride-th pixel only.
std::vector<Counted> CountColours(std::span<const RGBCode> pixels, std::size_t limit)
{
    const std::size_t n = pixels.size();
    const std::size_t stride = n > limit ? (n + limit - 1) / limit : 1;
    std::vector<RGBCode> codes;
    codes.reserve(n / stride + 1);
    for (std::size_t i = 0; i < n; i += stride) codes.push_back(pixels[i] & 0xFFFFFF);
    std::sort(codes.begin(), codes.end());
    std::vector<Counted> counted;
    for (std::size_t i = 0; i < codes.size();) {
        std::size_t j = i + 1;
        while (j < codes.size() && codes[j] == codes[i]) ++j;
        counted.push_back({codes[i], static_cast<double>(j - i)});
        i = j;
    }
    return counted;
}

struct Point {
    OkLab lab;
    double weight;
};

double Distance2(const OkLab& p, const OkLab& q)
{
    const double dL = p.L - q.L, da = p.a - q.a, db = p.b - q.b;
    return dL * dL + da * da + db * db;
}

// splitmix64 from a fixed seed: the same draws on every run and platform.
class Generator {
public:
    // Uniform in [0, 1).
    double Next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        z ^= z >> 31;
        return static_cast<double>(z >> 11) * 0x1.0p-53;
    }

private:
    std::uint64_t state_ = 0x51A7E5EEDu;
};

// The index drawn with chances proportional to chance[i] (total > 0).
std::size_t Draw(const std::vector<double>& chance, double total, Generator& generator)
{
    const double r = generator.Next() * total;
    double sum = 0;
    std::size_t last = 0;
    for (std::size_t i = 0; i < chance.size(); ++i) {
        if (chance[i] <= 0) continue;
        last = i;
        sum += chance[i];
        if (sum > r) return i;
    }
    return last;  // rounding left r at the very end
}

class KMeans {
public:
    KMeans(const std::vector<Point>& points, std::size_t k, Generator& generator)
        : points_(points), assign_(points.size(), 0)
    {
        Seed(k, generator);
        for (int iteration = 0;; ++iteration) {
            UpdateCentres();
            if (iteration == kMaxPaletteIterations || !Reassign()) break;
        }
    }
    const std::vector<OkLab>& centres() const { return centres_; }
    const std::vector<double>& weights() const { return weights_; }
    // The weighted sum of squared distances from the colours to their centres.
    double Error() const
    {
        double sum = 0;
        for (std::size_t i = 0; i < points_.size(); ++i)
            sum += points_[i].weight * Distance2(points_[i].lab, centres_[assign_[i]]);
        return sum;
    }

private:
    // k-means++: the first centre drawn by weight, each further one by
    // weight × squared distance from the nearest centre so far. The colours
    // are distinct, so the draws only stop early when k exceeds them.
    void Seed(std::size_t k, Generator& generator)
    {
        const std::size_t n = points_.size();
        std::vector<double> chance(n), distance(n, std::numeric_limits<double>::infinity());
        double total = 0;
        for (std::size_t i = 0; i < n; ++i) total += chance[i] = points_[i].weight;
        while (centres_.size() < k && total > 0) {
            const std::size_t chosen = Draw(chance, total, generator);
            const OkLab centre = points_[chosen].lab;
            const std::uint32_t index = static_cast<std::uint32_t>(centres_.size());
            centres_.push_back(centre);
            total = 0;
            for (std::size_t i = 0; i < n; ++i) {
                const double d = Distance2(centre, points_[i].lab);
                if (d < distance[i]) {
                    distance[i] = d;
                    assign_[i] = index;
                }
                total += chance[i] = points_[i].weight * distance[i];
            }
        }
    }

    // Each centre to the weighted mean of its colours; a centre without
    // colours to the colour that adds most to the squared error.
    void UpdateCentres()
    {
        const std::size_t k = centres_.size();
        std::vector<std::array<double, 3>> sums(k, {0, 0, 0});
        weights_.assign(k, 0);
        for (std::size_t i = 0; i < points_.size(); ++i) {
            const Point& p = points_[i];
            auto& s = sums[assign_[i]];
            s[0] += p.weight * p.lab.L;
            s[1] += p.weight * p.lab.a;
            s[2] += p.weight * p.lab.b;
            weights_[assign_[i]] += p.weight;
        }
        std::vector<double> error;
        for (std::size_t j = 0; j < k; ++j) {
            if (weights_[j] > 0) {
                centres_[j] = {sums[j][0] / weights_[j], sums[j][1] / weights_[j], sums[j][2] / weights_[j]};
                continue;
            }
            if (error.empty()) {
                error.resize(points_.size());
                for (std::size_t i = 0; i < points_.size(); ++i)
                    error[i] = points_[i].weight * Distance2(centres_[assign_[i]], points_[i].lab);
            }
            const auto far = std::max_element(error.begin(), error.end()) - error.begin();
            if (error[far] <= 0) continue;
            centres_[j] = points_[far].lab;
            error[far] = 0;  // not chosen twice
        }
    }

    // Each colour to its nearest centre (the first of equals stays); whether
    // any colour moved. A centre c cannot be nearer than the colour's own
    // centre b when |b c| >= 2 |x b|, so most colours skip most centres:
    // every one when |x b| is at most half the distance from b to its
    // nearest other centre.
    bool Reassign()
    {
        const std::size_t k = centres_.size();
        std::vector<double> between(k * k);
        std::vector<double> alone(k, std::numeric_limits<double>::infinity());
        for (std::size_t j = 0; j < k; ++j)
            for (std::size_t m = 0; m < k; ++m) {
                between[j * k + m] = Distance2(centres_[j], centres_[m]);
                if (m != j) alone[j] = std::min(alone[j], between[j * k + m] / 4);
            }
        bool moved = false;
        for (std::size_t i = 0; i < points_.size(); ++i) {
            const OkLab& x = points_[i].lab;
            std::uint32_t best = assign_[i];
            double nearest = Distance2(x, centres_[best]);
            if (nearest <= alone[best]) continue;
            for (std::uint32_t m = 0; m < k; ++m) {
                if (m == best || between[best * k + m] >= 4 * nearest) continue;
                const double d = Distance2(x, centres_[m]);
                if (d < nearest) {
                    nearest = d;
                    best = m;
                }
            }
            if (best != assign_[i]) {
                assign_[i] = best;
                moved = true;
            }
        }
        return moved;
    }

    const std::vector<Point>& points_;
    std::vector<std::uint32_t> assign_;
    std::vector<OkLab> centres_;
    std::vector<double> weights_;
};

// The colours to cluster, each at its OKLab. Beyond kMergeAbove distinct
// colours, those that agree in the top six bits of each channel become one
// point at their weighted mean: at most 2^18 points, and the clustering
// runs several times faster. A cell spans four levels a channel, about 0.01
// in OKLab for most colours (up to 0.1 next to black, where the cube root
// spreads the darkest levels); the centres stay exact weighted means, only
// the colours of one cell always share their centre.
std::vector<Point> PointsOf(const std::vector<Counted>& counted)
{
    constexpr std::size_t kMergeAbove = std::size_t{1} << 16;
    std::vector<Point> points;
    if (counted.size() <= kMergeAbove) {
        points.reserve(counted.size());
        for (const Counted& c : counted) points.push_back({RGBToOkLab(c.code), c.weight});
        return points;
    }
    std::vector<Point> cells(std::size_t{1} << 18, Point{{0, 0, 0}, 0});
    for (const Counted& c : counted) {
        const RGBCode top = c.code >> 2;
        Point& cell = cells[(top >> 4 & 0x3F000) | (top >> 2 & 0xFC0) | (top & 0x3F)];
        const OkLab lab = RGBToOkLab(c.code);
        cell.lab.L += c.weight * lab.L;
        cell.lab.a += c.weight * lab.a;
        cell.lab.b += c.weight * lab.b;
        cell.weight += c.weight;
    }
    for (const Point& cell : cells)
        if (cell.weight > 0)
            points.push_back(
                {{cell.lab.L / cell.weight, cell.lab.a / cell.weight, cell.lab.b / cell.weight}, cell.weight});
    return points;
}

// Largest share first, equal shares by code.
void SortByShare(std::vector<PaletteColour>& colours)
{
    std::sort(colours.begin(), colours.end(), [](const PaletteColour& x, const PaletteColour& y) {
        return x.share != y.share ? x.share > y.share : x.code < y.code;
    });
}

// How many times k-means runs, from different first centres.
constexpr int kPaletteRuns = 3;

// How many colours nearest by ΔE*ab MeanDeltaE2000 compares by ΔE00.
constexpr std::size_t kDeltaEShortlist = 4;

}  // namespace

std::vector<PaletteColour> ImagePalette(std::span<const RGBCode> pixels, int count)
{
    const std::size_t k = static_cast<std::size_t>(std::clamp(count, 1, kMaxImagePaletteColours));
    const std::vector<Counted> counted = CountColours(pixels, kMaxPaletteSamples);
    double total = 0;
    for (const Counted& c : counted) total += c.weight;
    std::vector<PaletteColour> result;
    if (counted.size() <= k) {
        for (const Counted& c : counted) result.push_back({c.code, c.weight / total});
        SortByShare(result);
        return result;
    }

    // k-means finds a local optimum that depends on the first centres: of
    // kPaletteRuns runs from successive draws, the one of least error wins.
    const std::vector<Point> points = PointsOf(counted);
    Generator generator;
    std::optional<KMeans> clusters;
    double error = 0;
    for (int run = 0; run < kPaletteRuns; ++run) {
        KMeans candidate(points, k, generator);
        const double e = candidate.Error();
        if (!clusters || e < error) {
            clusters.emplace(std::move(candidate));
            error = e;
        }
    }
    for (std::size_t j = 0; j < clusters->centres().size(); ++j)
        if (clusters->weights()[j] > 0)
            result.push_back({CssColourOfOkLab(clusters->centres()[j]).code, clusters->weights()[j] / total});
    // Centres that round to one code are one colour.
    std::sort(result.begin(), result.end(), [](const auto& x, const auto& y) { return x.code < y.code; });
    std::vector<PaletteColour> merged;
    for (const PaletteColour& c : result) {
        if (!merged.empty() && merged.back().code == c.code)
            merged.back().share += c.share;
        else
            merged.push_back(c);
    }
    SortByShare(merged);
    return merged;
}

std::optional<double> MeanDeltaE2000(std::span<const RGBCode> pixels, std::span<const RGBCode> palette)
{
    if (pixels.empty() || palette.empty()) return std::nullopt;
    std::vector<LabValue> labs;
    labs.reserve(palette.size());
    for (const RGBCode code : palette) labs.push_back(SRGBLabD65(code & 0xFFFFFF));
    // ΔE00 costs a microsecond or so, the squared ΔE*ab a few nanoseconds:
    // the nearest by ΔE00 is sought among the few colours nearest by ΔE*ab,
    // where it lies but for rare near-ties.
    const std::size_t shortlist = std::min(kDeltaEShortlist, labs.size());
    std::vector<std::pair<long double, std::size_t>> near(labs.size());
    std::vector<LabValue> candidates(shortlist);
    long double sum = 0, total = 0;
    for (const Counted& c : CountColours(pixels, kMaxDeltaESamples)) {
        const LabValue lab = SRGBLabD65(c.code);
        for (std::size_t j = 0; j < labs.size(); ++j) {
            const long double dL = lab.L - labs[j].L, da = lab.a - labs[j].a, db = lab.b - labs[j].b;
            near[j] = {dL * dL + da * da + db * db, j};
        }
        std::partial_sort(near.begin(), near.begin() + static_cast<std::ptrdiff_t>(shortlist), near.end());
        for (std::size_t j = 0; j < shortlist; ++j) candidates[j] = labs[near[j].second];
        sum += c.weight * NearestByDeltaE(lab, candidates)->deltaE;
        total += c.weight;
    }
    return static_cast<double>(sum / total);
}

}  // namespace qolvar
