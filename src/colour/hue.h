// Hue models HSV and HLS, packed in a HueCode:
//   bits 16..31  hue in whole degrees 0..360 (the reverse routines read
//                bits 16..24 only, 0..511)
//   HSV: bits 8..15 saturation, bits 0..7 value      (0..255 each)
//   HLS: bits 8..15 lightness,  bits 0..7 saturation (0..255 each)
#pragma once

#include "codes.h"

namespace qolvar {

HueCode RGBToHSV(RGBCode code);
// Hue 360 counts as 0; a hue of 361..511 with non-zero saturation is black.
RGBCode HSVToRGB(HueCode code);
HueCode RGBToHLS(RGBCode code);
RGBCode HLSToRGB(HueCode code);
// One component of HLSToRGB for the hue angle (degrees) of that component.
float HLSValue(float m1, float m2, float hue);

}  // namespace qolvar
