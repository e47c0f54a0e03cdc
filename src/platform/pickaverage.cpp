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

std::optional<std::uint32_t> AverageSquare(const PixelView& view, int x, int y, int size)
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
    std::uint64_t r = 0, g = 0, b = 0;
    for (int row = top; row <= bottom; ++row) {
        const std::uint32_t* line = view.data + static_cast<std::ptrdiff_t>(row) * view.stride;
        for (int col = left; col <= right; ++col) {
            const std::uint32_t p = line[col];
            r += (p >> 16) & 0xFF;
            g += (p >> 8) & 0xFF;
            b += p & 0xFF;
        }
    }
    const std::uint64_t n = static_cast<std::uint64_t>(right - left + 1) * static_cast<std::uint64_t>(bottom - top + 1);
    return RoundedMean(r, n) << 16 | RoundedMean(g, n) << 8 | RoundedMean(b, n);
}

}  // namespace qolvar::platform
