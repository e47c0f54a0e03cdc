// Munsell conversion by interpolation of the renotation samples, beside the
// table search of munsell.h (which stays the program's default).
//
// The samples are the rows of a renotation table (munsell.h's MunsellRow):
// hue pages every 2.5 hue steps (2.5R .. 10RP), value planes (0.2 .. 10),
// even chromas 2, 4, ... up to the page's last sample. Rows of any other
// hue or chroma are not used.
//
// H V/C → x, y (Chromaticity):
//  - within a value plane and a hue page, x, y lie on straight lines between
//    the even chroma steps, from the white point (chroma 0) outwards;
//  - between the two bracketing hue pages, radially: the polar coordinates
//    about the white point (distance and angle, the angle the short way) are
//    interpolated by the hue's fraction of the 2.5 step;
//  - between the two bracketing value planes, x and y linearly in the
//    luminance Y of the value polynomial;
//  - above the highest plane, that plane's chromaticity; below the lowest
//    (0.2) its chromaticity of the chroma C × 0.2 / V, so that chroma
//    shrinks with the value and black (V = 0) is neutral;
//  - a page that has no sample in a plane (10Y at value 0.2) is taken from
//    the nearest plane above that has it.
// The data's chroma limit of a hue and value (MaxChroma) is interpolated the
// same way from the pages' last samples. Past it the chromaticity goes on
// along each page's last chroma step, and Chromaticity says so.
//
// x, y, Y → H V/C (Notation): V from Y by inverting the value polynomial;
// within 1e-6 of the white point a neutral grey; else hue and chroma by Newton iteration on the chromaticity above,
// from a start found by the angles of the hue pages around the white point, until x, y are reproduced to 1e-9. A colour
// beyond the data gets the notation of its hue and value at the chroma limit, marked `beyond`.
//
// These routines compute in double precision; they stand apart from the
// bit-exact single-precision routines of the table search.
#pragma once

#include <span>
#include <vector>

#include "codes.h"
#include "munsell.h"

namespace qolvar {

// Y (0..100) of a Munsell value, the fifth-order polynomial of the search.
double MunsellValueToY(double V);
// Its inverse for Y ≥ 0 (V up to 20; Y ≤ 0 gives 0).
double MunsellYToValue(double Y);

struct RenotationNotation {
    double H = -1;  // 0 < H ≤ 100; −1 for a neutral grey
    double V = 0;
    double C = 0;
    // The notation does not give the colour back: the colour lies beyond the
    // data (C is then the limit), or the iteration could not reach it.
    bool beyond = false;
    double x = 0, y = 0;  // the chromaticity of H V/C
};

class RenotationGrid {
public:
    // whiteX, whiteY: the chromaticity of chroma 0 (the table's illuminant).
    RenotationGrid(std::span<const MunsellRow> rows, double whiteX, double whiteY);

    // The data's chroma limit at hue H (any number, taken on the circle) and
    // value V.
    double MaxChroma(double H, double V) const;
    // x, y of H V/C; false when C lies beyond MaxChroma (x, y then continue
    // along the last chroma steps).
    bool Chromaticity(double H, double V, double C, double& x, double& y) const;
    // The notation of a chromaticity and luminance. Never throws.
    RenotationNotation Notation(double x, double y, double Y) const;

    double WhiteX() const { return wx_; }
    double WhiteY() const { return wy_; }

private:
    struct Page {
        int first = 0;  // index of chroma 2 in points_
        int count = 0;  // samples: chroma 2 .. 2 × count
    };
    struct Point {
        double x, y;
    };
    static constexpr int kPages = 40;

    Point PagePoint(int plane, int page, double C) const;
    Point PlanePoint(int plane, double H, double C) const;
    // The bracketing planes of V and the weight of the upper one.
    void Planes(double V, int& lo, int& hi, double& w) const;
    void Eval(double H, double V, double C, double& x, double& y) const;
    double Start(double V, double x, double y, double& C) const;
    // 1 from the lowest plane up; below it the value's share of the lowest
    // plane's value (0 at black).
    double BelowLowest(double V) const;

    double wx_, wy_;
    std::vector<double> values_;  // the planes' values, ascending
    std::vector<double> planeY_;  // their Y by the polynomial
    std::vector<Page> pages_;     // plane × kPages
    std::vector<Point> points_;
};

// The grid of the conditions' table (MunsellData::Renotation, whose white
// is the table's illuminant). Throws RangeError without a table.
const RenotationGrid& RenotationOf(const ConversionConditions& c);

// As RGBToHVC, YxyToHVC and HVCToYxy of munsell.h, through the grid of the
// conditions' table. Greys (R = G = B) are neutral without the table. For a
// colour beyond the data, hvc is the nearest reachable notation, yxy its
// Yxy, and *beyond is set. HVCToYxy throws RangeError for a chroma beyond
// the data.
void RenotationRGBToHVC(RGBCode code, TColorVec& hvc, TColorVec& yxy, const ConversionConditions& c,
                        bool* beyond = nullptr);
void RenotationYxyToHVC(const TColorVec& yxy, TColorVec& hvc, const ConversionConditions& c, bool* beyond = nullptr);
void RenotationHVCToYxy(const TColorVec& hvc, TColorVec& yxy, const ConversionConditions& c);

// The conversion of the conditions' method.
void MunsellRGBToHVC(RGBCode code, TColorVec& hvc, TColorVec& yxy, const ConversionConditions& c,
                     bool* beyond = nullptr);
void MunsellYxyToHVC(const TColorVec& yxy, TColorVec& hvc, const ConversionConditions& c);
void MunsellHVCToYxy(const TColorVec& hvc, TColorVec& yxy, const ConversionConditions& c);
// yxy = MunsellHVCToYxy(hvc); returns the colour of that Yxy.
RGBCode MunsellHVCToRGB(const TColorVec& hvc, TColorVec& yxy, const ConversionConditions& c);

}  // namespace qolvar
