// Luma / colour-difference models on whole 8-bit components.
//
// VideoCode: luma in bits 16..23, first difference in bits 8..15, second in
// bits 0..7.
//   YUV    U, V signed (two's complement)
//   YCbCr  Y 16..235, Cb, Cr unsigned with offset 128 (ITU-R BT.601)
//   YPbPr  Pb, Pr signed (SMPTE 240M)
//   YIQ    I, Q signed
//
// Values that do not fit their byte field are clamped, never wrapped:
// forward luma to 0..255, signed differences to -128..127, Cb/Cr to 0..255;
// reverse R, G and B each to 0..255.
#pragma once

#include "codes.h"
#include "models.h"

namespace qolvar {

VideoCode RGBToYUV(RGBCode code);
RGBCode YUVToRGB(VideoCode code);
VideoCode RGBToYCbCr(RGBCode code);
RGBCode YCbCrToRGB(VideoCode code);
VideoCode RGBToYPbPr(RGBCode code);
RGBCode YPbPrToRGB(VideoCode code);
VideoCode RGBToYIQ(RGBCode code);
RGBCode YIQToRGB(VideoCode code);

// The routines of a video model (Model::YUV, YCbCr, YPbPr, YIQ); any other
// model gives 0.
VideoCode RGBToVideo(Model model, RGBCode code);
RGBCode VideoToRGB(Model model, VideoCode code);

}  // namespace qolvar
