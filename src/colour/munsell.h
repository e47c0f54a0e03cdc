// Munsell conversion through a renotation table.
//
// Munsell vector (H, V, C) in a TColorVec:
//   H  hue number on the circle 0..100, ten steps per family; the family
//      index j = trunc(H / 10) names R, YR, Y, GY, G, BG, B, PB, P, RP
//      (5R = 5, 2.5YR = 12.5, 10YR = 20, 10RP = 100). Any negative H is a
//      neutral grey "N" with chroma 0.
//   V  Munsell value 0..10;  C  chroma 0 and up.
// Yxy vector (x, y, Y) with Y on 0..100, as in the CIE routines.
//
// The renotation table is a text file in the program's folder, one sample a
// line: H, V, C, Y, x, y as comma-separated decimals ("." as the decimal
// separator whatever the locale). Up to MunsellCapacity rows.
//
// The searches select candidates in bands and interpolate between two
// neighbouring samples; the exact rules are in the .cpp. Both treat the hue
// as a circle: 10RP (100) lies next to 2.5R. Each load indexes the table, so
// a search costs a few microseconds instead of passes over every row.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "codes.h"

namespace qolvar {

struct MunsellRow {
    float H, V, C, Y, x, y;  // field indices 0..5 for SortRows / LocateRow
};

enum MunsellField { kFieldH = 0, kFieldV, kFieldC, kFieldY, kFieldX, kFieldLowerY };

inline constexpr int MunsellCapacity = 5001;
using MunsellRows = std::array<MunsellRow, MunsellCapacity>;

// The eleven hue family names; index 10 is the neutral "N".
extern const std::array<const char*, 11> MunsellHueNames;

// A typed hue such as "5R", "7.5 pb" or "N" split into its number (digits,
// ".", "-" and backspace characters) and its family (every other character
// but blanks, ASCII letters upper-cased), and the index of that family in
// MunsellHueNames (11 when it is none of them).
struct HueTextParts {
    std::string number;
    std::string family;
    std::size_t familyIndex = 11;
};
HueTextParts SplitHueText(std::string_view text);

// File name of the current table relative to the program's folder, with a
// leading backslash as the folder separator: "\Z8721_YxyD65.csv" (D65, the
// initial table) or "\HVC_Yxy.csv" (Illuminant C).
extern std::string MunsellFileName;
inline constexpr const char* MunsellFileD65 = "\\Z8721_YxyD65.csv";
inline constexpr const char* MunsellFileC = "\\HVC_Yxy.csv";

// The loaded table. Only LoadMunsellTable writes these (the searches use an
// index built from them at each load).
extern MunsellRows MunsellTable;  // rows in file order
extern MunsellRows MunsellByY;    // the same rows sorted by Y (0..MunsellLast)
// Index of the last loaded row; -1 while no table (or an empty one) is loaded.
extern int MunsellLast;
// How many tables have been loaded, so that what is built from a table knows
// when to build again.
extern unsigned MunsellLoads;

// Reads folder + MunsellFileName. On any failure (the file cannot be opened,
// a line with fewer than six fields or a field that is not a number, more
// rows than the capacity) throws FileError naming the file and line, and the
// previous table stays whole and in use.
void LoadMunsellTable(const std::string& folder);
// Starts reading folder + MunsellFileName in a background thread; the next
// LoadMunsellTable of the same file takes what it read (or its error)
// instead of reading again.
void PrefetchMunsellTable(const std::string& folder);

// Bytes the index of the loaded table holds besides MunsellTable and
// MunsellByY (its hue list, working lists and the sorted lists it keeps).
std::size_t MunsellIndexBytes();

// Sorts rows lo..hi of list by the field (a quicksort; not stable).
void SortRows(MunsellRow* list, int key, int lo, int hi);
// Halving search for value among rows lo..hi sorted by the field: near the
// last row whose key does not exceed value; never below 0.
int LocateRow(const MunsellRow* list, int key, int lo, int hi, float value);

// yxy = the code's Yxy; hvc = its Munsell vector (greys without the table).
void RGBToHVC(RGBCode code, TColorVec& hvc, TColorVec& yxy);
// yxy = HVCToYxy(hvc); returns the colour of that Yxy.
RGBCode HVCToRGB(const TColorVec& hvc, TColorVec& yxy);
// Throws RangeError when the table is empty or has no sample near the Yxy.
void YxyToHVC(const TColorVec& yxy, TColorVec& hvc);
// Throws RangeError when the table has no sample near the hue and value.
void HVCToYxy(const TColorVec& hvc, TColorVec& yxy);

}  // namespace qolvar
