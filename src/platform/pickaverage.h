// The colour a picker takes from a square of pixels: the mean of each
// channel over the square, rounded to the nearest whole number with halves
// to even. A square cut by the edge of the pixels (the screen's or an
// image's) averages the pixels that exist. Pure arithmetic, no Qt.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace qolvar::platform {

// The square sizes a picker offers: 1×1, 3×3, 5×5, 7×7.
inline constexpr int kPickAverages[] = {1, 3, 5, 7};
bool IsPickAverage(int size);

// Pixels as 32-bit words 0xAARRGGBB (the top byte is ignored), row after
// row; stride is the distance between rows in words (at least width).
struct PixelView {
    const std::uint32_t* data = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;
};

// sum / count rounded to the nearest whole number, halves to even
// (count > 0).
std::uint32_t RoundedMean(std::uint64_t sum, std::uint64_t count);

// Each channel's sum over the size×size square centred on (x, y) (size
// odd, at least 1), the pixels inside the view only, and their number.
// Nullopt when the centre lies outside the view or size is no odd positive
// number.
struct SquareSums {
    std::uint64_t red = 0, green = 0, blue = 0;
    std::uint64_t count = 0;
};
std::optional<SquareSums> SumSquare(const PixelView& view, int x, int y, int size);

// The colour 0xRRGGBB of the size×size square centred on (x, y) (size odd,
// at least 1): each channel's mean over the square's pixels inside the
// view. Nullopt when the centre lies outside the view or size is no odd
// positive number.
std::optional<std::uint32_t> AverageSquare(const PixelView& view, int x, int y, int size);

}  // namespace qolvar::platform
