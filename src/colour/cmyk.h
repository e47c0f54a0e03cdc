// CMYK with full under-colour removal, whole numbers 0..255.
// CMYKCode: C in bits 24..31, M 16..23, Y 8..15, K 0..7.
#pragma once

#include "codes.h"

namespace qolvar {

// At least one of C, M, Y is 0 in the result.
CMYKCode RGBToCMYK(RGBCode code) noexcept;
// Components that the sum of a colour and K takes below 0 clip to 0.
RGBCode CMYKToRGB(CMYKCode code) noexcept;

}  // namespace qolvar
