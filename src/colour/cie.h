// CIE colour spaces: XYZ, Yxy, L*a*b*, L*u*v*.
//
// Domains and ranges (for colours that come from RGBToXYZ under D65):
//   XYZ      (X, Y, Z)      on the scale where white has Y = 1:
//                           X 0..0.95045, Y 0..1, Z 0..1.088917
//   Yxy      (x, y, Y*100)  chromaticity 0..1, luminance on 0..100
//   L*a*b*   (L*, a*, b*)   L* 0..100
//   L*u*v*   (L*, u*, v*)   L* 0..100
//
// RGB is linearised with the display gamma CIEGamma (c^gamma, and c^(1/gamma)
// on the way back) around the fixed D65 sRGB primaries matrices. The reference
// white WhiteX/Y/Z enters only L*a*b* and L*u*v*.
//
// Every routine reproduces a fixed sequence of extended-precision operations
// with single-precision stores at fixed points, so results are exact to the
// bit; see the .cpp for the order of operations.
//
// The in-place routines overwrite their vector; the composite reverse
// routines (YxyToRGB, LabToRGB, LuvToRGB) leave it holding XYZ.
#pragma once

#include "codes.h"

namespace qolvar {

// Module settings, single precision, shared by the whole program.
extern float CIEGamma;  // initially 2.2
extern float WhiteX;    // initially D65: 0.95045, 1.0, 1.088917
extern float WhiteY;
extern float WhiteZ;

// Sets CIEGamma from the gamma combo box's item index:
// 0 → 1.0, 1 → 1.8, 2 → 2.2, 3 → 2.4, 4 → 3.0, any other (no item) → 1.0.
void SetCIEGamma(int itemIndex) noexcept;
// Sets the reference white from the illuminant combo box's item index:
// 0 → D65, 1 → C, 2 → A; any other index leaves the white unchanged.
void SetCIEWhite(int itemIndex) noexcept;

// The white points as the illuminant items set them (single precision).
struct WhitePoint {
    float X, Y, Z;
};
inline constexpr WhitePoint WhiteD65{0.95045f, 1.0f, 1.088917f};
inline constexpr WhitePoint WhiteC{0.98072165f, 1.0f, 1.1822538f};
inline constexpr WhitePoint WhiteA{1.09851f, 1.0f, 0.35582f};

void RGBToXYZ(RGBCode code, TColorVec& vec);
// Out-of-gamut components are clipped to 0..1 before the gamma.
RGBCode XYZToRGB(const TColorVec& vec);
void XYZToYxy(TColorVec& vec);
void YxyToXYZ(TColorVec& vec);
void XYZToLab(TColorVec& vec);
void LabToXYZ(TColorVec& vec);
// Black (X = Y = Z = 0) gives (0, 0, 0).
void XYZToLuv(TColorVec& vec);
// L* = 0 gives black (0, 0, 0); other zero divisors throw FloatError.
void LuvToXYZ(TColorVec& vec);

void RGBToYxy(RGBCode code, TColorVec& vec);
RGBCode YxyToRGB(TColorVec& vec);
void RGBToLab(RGBCode code, TColorVec& vec);
RGBCode LabToRGB(TColorVec& vec);
void RGBToLuv(RGBCode code, TColorVec& vec);
RGBCode LuvToRGB(TColorVec& vec);

}  // namespace qolvar
