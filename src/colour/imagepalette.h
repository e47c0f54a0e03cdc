// The most representative colours of an image, and how well a palette
// stands for it.
//
// ImagePalette clusters the pixels by k-means in OKLab, where straight-line
// distances follow perceived differences far better than in RGB:
//
//   - pixels are counted per distinct colour, so the clustering runs over
//     weighted colours and an image of few colours costs little; beyond
//     kMaxPaletteSamples pixels every s-th pixel is taken (s the least whole
//     stride that keeps to the limit), a regular grid over the image; beyond
//     2^16 distinct colours, those alike in the top six bits of each channel
//     are clustered as one at their weighted mean;
//   - the first centres are chosen by k-means++ (each further centre drawn
//     with a chance proportional to weight × squared distance from the
//     centres so far) from a fixed-seed generator, so the same pixels always
//     give the same palette;
//   - Lloyd's iterations (assign each colour to its nearest centre, move each
//     centre to the weighted mean of its colours) run until no colour changes
//     its centre or kMaxPaletteIterations have run; a centre left without
//     colours moves to the colour that adds most to the squared error;
//   - of three such runs from successive draws, the one with the least sum
//     of weighted squared distances wins;
//   - each centre becomes an sRGB code by CssColourOfOkLab (the OKLCh
//     gamut mapping, channels rounded to bytes). Centres that round to the
//     same code become one colour with their shares added.
//
// An image of at most N distinct colours gives exactly those colours.
//
// MeanDeltaE2000 measures a palette against the pixels: the mean over the
// pixels of the CIEDE2000 difference from each pixel to the palette colour
// nearest to it by that difference, sought among the four nearest by ΔE*ab
// (ΔE00 is slow to compute; the nearest lies among them but for rare
// near-ties). Beyond kMaxDeltaESamples pixels it samples them as above. L*a*b* here is
// D65's, from the sRGB curve and the sRGB matrix (white = the XYZ of
// sRGB white), not the program's gamma and white of the CIE models: an
// image's pixels are sRGB.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "codes.h"

namespace qolvar {

inline constexpr int kMaxImagePaletteColours = 256;
inline constexpr std::size_t kMaxPaletteSamples = std::size_t{1} << 20;
inline constexpr int kMaxPaletteIterations = 30;
inline constexpr std::size_t kMaxDeltaESamples = std::size_t{1} << 18;

struct PaletteColour {
    RGBCode code = 0;
    double share = 0;  // of the (sampled) pixels, 0..1
};

// At most `count` colours (clamped to 1..kMaxImagePaletteColours) of the
// pixels 0xRRGGBB (bits above 24 ignored), the largest share first, equal
// shares by code; none for no pixels.
std::vector<PaletteColour> ImagePalette(std::span<const RGBCode> pixels, int count);

// The mean ΔE00 from each pixel to its nearest palette colour; none when
// there are no pixels or no palette colours.
std::optional<double> MeanDeltaE2000(std::span<const RGBCode> pixels, std::span<const RGBCode> palette);

}  // namespace qolvar
