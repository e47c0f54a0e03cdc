#include "pickaverage.h"

#include <algorithm>
#include <iterator>

namespace qolvar::platform {

bool IsPickAverage(int size)
{
    return std::find(std::begin(kPickAverages), std::end(kPickAverages), size) != std::end(kPickAverages);
}

std::uint32_t RoundedMean(std::uint64_t sum, std::uint64_t count)
{
    const std::uint64_t q = sum / count, r = sum % count;
    // Above half rounds up; exactly half goes to the even neighbour.
    const bool up = 2 * r > count || (2 * r == count && (q & 1) != 0);
    return static_cast<std::uint32_t>(q + (up ? 1 : 0));
}

std::optional<SquareSums> SumSquare(const PixelView& view, int x, int y, int size)
{
    if (!view.data || size < 1 || size % 2 == 0) return std::nullopt;
    if (x < 0 || y < 0 || x >= view.width || y >= view.height) return std::nullopt;
    const int half = size / 2;
    // The square, cut to the view (computed in 64 bits: no overflow near
    // the limits of int).
    const int left = static_cast<int>(std::max<long long>(0, static_cast<long long>(x) - half));
    const int top = static_cast<int>(std::max<long long>(0, static_cast<long long>(y) - half));
    const int right = static_cast<int>(std::min<long long>(view.width - 1, static_cast<long long>(x) + half));
    const int bottom = static_cast<int>(std::min<long long>(view.height - 1, static_cast<long long>(y) + half));
    SquareSums sums;
    for (int row = top; row <= bottom; ++row) {
        const std::uint32_t* line = view.data + static_cast<std::ptrdiff_t>(row) * view.stride;
        for (int col = left; col <= right; ++col) {
            const std::uint32_t p = line[col];
            sums.red += (p >> 16) & 0xFF;
            sums.green += (p >> 8) & 0xFF;
            sums.blue += p & 0xFF;
        }
    }
    sums.count = static_cast<std::uint64_t>(right - left + 1) * static_cast<std::uint64_t>(bottom - top + 1);
    return sums;
}

std::optional<std::uint32_t> AverageSquare(const PixelView& view, int x, int y, int size)
{
    const auto s = SumSquare(view, x, y, size);
    if (!s) return std::nullopt;
    return RoundedMean(s->red, s->count) << 16 | RoundedMean(s->green, s->count) << 8 | RoundedMean(s->blue, s->count);
}

}  // namespace qolvar::platform
