// CIE colour spaces: XYZ, Yxy, L*a*b*, L*u*v*.
//
// Domains and ranges (for colours that come from RGBToXYZ under D65):
//   XYZ      (X, Y, Z)      on the scale where white has Y = 1:
//                           X 0..0.95045, Y 0..1, Z 0..1.088917
//   Yxy      (x, y, Y*100)  chromaticity 0..1, luminance on 0..100
//   L*a*b*   (L*, a*, b*)   L* 0..100
//   L*u*v*   (L*, u*, v*)   L* 0..100
//
// RGB is linearised with the conditions' display gamma (c^gamma, and
// c^(1/gamma) on the way back) around the fixed D65 sRGB primaries matrices.
// The conditions' reference white enters only L*a*b* and L*u*v*.
//
// Every routine reproduces a fixed sequence of extended-precision operations
// with single-precision stores at fixed points, so results are exact to the
// bit; see the .cpp for the order of operations.
//
// The in-place routines overwrite their vector; the composite reverse
// routines (YxyToRGB, LabToRGB, LuvToRGB) leave it holding XYZ.
#pragma once

#include "codes.h"
#include "conditions.h"

namespace qolvar {

void RGBToXYZ(RGBCode code, TColorVec& vec, const ConversionConditions& c);
// Out-of-gamut components are clipped to 0..1 before the gamma.
RGBCode XYZToRGB(const TColorVec& vec, const ConversionConditions& c);
void XYZToYxy(TColorVec& vec);
void YxyToXYZ(TColorVec& vec);
void XYZToLab(TColorVec& vec, const ConversionConditions& c);
void LabToXYZ(TColorVec& vec, const ConversionConditions& c);
// Black (X = Y = Z = 0) gives (0, 0, 0).
void XYZToLuv(TColorVec& vec, const ConversionConditions& c);
// L* = 0 gives black (0, 0, 0); other zero divisors throw FloatError.
void LuvToXYZ(TColorVec& vec, const ConversionConditions& c);

void RGBToYxy(RGBCode code, TColorVec& vec, const ConversionConditions& c);
RGBCode YxyToRGB(TColorVec& vec, const ConversionConditions& c);
void RGBToLab(RGBCode code, TColorVec& vec, const ConversionConditions& c);
RGBCode LabToRGB(TColorVec& vec, const ConversionConditions& c);
void RGBToLuv(RGBCode code, TColorVec& vec, const ConversionConditions& c);
RGBCode LuvToRGB(TColorVec& vec, const ConversionConditions& c);

}  // namespace qolvar
