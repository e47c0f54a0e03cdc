// Luma / colour-difference models on whole 8-bit components.
//
// VideoCode: luma in bits 16..23, first difference in bits 8..15, second in
// bits 0..7.
//   index 0  YUV    U, V signed (two's complement)
//   index 1  YCbCr  Y 16..235, Cb, Cr unsigned with offset 128 (ITU-R BT.601)
//   index 2  YPbPr  Pb, Pr signed (SMPTE 240M)
//   index 3  YIQ    I, Q signed
//
// Values that do not fit their byte field are clamped, never wrapped:
// forward luma to 0..255, signed differences to -128..127, Cb/Cr to 0..255;
// reverse R, G and B each to 0..255.
#pragma once

#include "codes.h"

namespace qolvar {

VideoCode RGBToYUV(RGBCode code);
RGBCode YUVToRGB(VideoCode code);
VideoCode RGBToYCbCr(RGBCode code);
RGBCode YCbCrToRGB(VideoCode code);
VideoCode RGBToYPbPr(RGBCode code);
RGBCode YPbPrToRGB(VideoCode code);
VideoCode RGBToYIQ(RGBCode code);
RGBCode YIQToRGB(VideoCode code);

// The routines by the VIDEO page's model index (0..3); other indices give 0.
VideoCode RGBToVideo(int model, RGBCode code);
RGBCode VideoToRGB(int model, VideoCode code);

}  // namespace qolvar
