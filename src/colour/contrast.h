// Relative luminance and contrast ratio of sRGB colours, as the Web Content
// Accessibility Guidelines 2 define them for text against its background.
//
//   channel c = byte / 255, linearised: c / 12.92 when c <= 0.03928,
//               else ((c + 0.055) / 1.055)^2.4
//   L = 0.2126 R + 0.7152 G + 0.0722 B          (0 black .. 1 white)
//   ratio = (L_lighter + 0.05) / (L_darker + 0.05)   (1 .. 21)
//
// The levels compare the ratio itself, never a rounded one: 4.499 fails AA
// although it shows as 4.50. Normal text needs 4.5 for AA and 7 for AAA,
// large text 3 and 4.5. Arithmetic is extended precision; the display
// gamma and reference white of the CIE models do not enter.
#pragma once

#include "codes.h"

namespace qolvar {

// L of a colour 0xRRGGBB (the bits above 24 are ignored), 0..1.
long double RelativeLuminance(RGBCode code);

// The contrast ratio of two colours in either order, 1..21.
long double ContrastRatio(RGBCode first, RGBCode second);

struct ContrastLevels {
    bool normalAA, normalAAA, largeAA, largeAAA;
};
ContrastLevels ContrastLevelsOf(long double ratio);

}  // namespace qolvar
