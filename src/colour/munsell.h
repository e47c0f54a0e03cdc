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
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "codes.h"
#include "conditions.h"

namespace qolvar {

struct MunsellRow {
    float H, V, C, Y, x, y;  // field indices 0..5 for SortRows / LocateRow
};

enum MunsellField { kFieldH = 0, kFieldV, kFieldC, kFieldY, kFieldX, kFieldLowerY };

inline constexpr int MunsellCapacity = 5001;

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

// The shipped tables, by the illuminant their samples are relative to: the
// file name relative to the program's folder, with a leading backslash as
// the folder separator.
enum class MunsellIlluminant { D65, C };
inline constexpr const char* MunsellFileD65 = "\\Z8721_YxyD65.csv";
inline constexpr const char* MunsellFileC = "\\HVC_Yxy.csv";
const char* MunsellFileOf(MunsellIlluminant illuminant);
WhitePoint WhiteOf(MunsellIlluminant illuminant);

class RenotationGrid;

// A loaded renotation table: its rows, the index the searches use and the
// grid of the interpolation (munsell_renotation.h), with the illuminant it
// was loaded for. It never changes after loading; any number of threads may
// convert with it at once (the search's kept lists are shared under a lock).
class MunsellData {
public:
    // rows in file order, at most MunsellCapacity.
    MunsellData(std::vector<MunsellRow> rows, MunsellIlluminant illuminant);
    ~MunsellData();
    MunsellData(const MunsellData&) = delete;
    MunsellData& operator=(const MunsellData&) = delete;

    std::span<const MunsellRow> Rows() const { return rows_; }    // in file order
    std::span<const MunsellRow> RowsByY() const { return byY_; }  // sorted by Y (SortRows)
    MunsellIlluminant Illuminant() const { return illuminant_; }
    // The grid of the interpolation, built at its first use.
    const RenotationGrid& Renotation() const;
    // Bytes the search's index holds besides the rows (its hue list, working
    // lists and the sorted lists it keeps).
    std::size_t IndexBytes() const;

    // The search's index (defined in munsell.cpp).
    struct SearchIndex;
    SearchIndex& Index() const { return *index_; }

private:
    std::vector<MunsellRow> rows_, byY_;
    MunsellIlluminant illuminant_;
    std::unique_ptr<SearchIndex> index_;
    mutable std::once_flag gridOnce_;
    mutable std::unique_ptr<const RenotationGrid> grid_;
};

// Reads a table file: H, V, C, Y, x, y per line as above. On any failure
// (the file cannot be opened, a line with fewer than six fields or a field
// that is not a number, more rows than the capacity) throws FileError naming
// the file and line. The illuminant is the white the samples are relative
// to.
MunsellTablePtr ReadMunsellTable(const std::string& path, MunsellIlluminant illuminant);
// A renotation table: as ReadMunsellTable, and besides its failures a table
// without samples on every one of the kHuePages hue pages (2.5R .. 10RP)
// throws FileError.
MunsellTablePtr ReadRenotationTable(const std::string& path, MunsellIlluminant illuminant);
// The shipped table of the illuminant: ReadRenotationTable of folder + its
// file name.
MunsellTablePtr LoadMunsellTable(const std::string& folder, MunsellIlluminant illuminant);
inline constexpr int kHuePages = 40;
// How many of the hue pages hold a sample of chroma above 0.
int HuePagesOf(std::span<const MunsellRow> rows);

// Sorts rows lo..hi of list by the field (a quicksort; not stable).
void SortRows(MunsellRow* list, int key, int lo, int hi);
// Halving search for value among rows lo..hi sorted by the field: near the
// last row whose key does not exceed value; never below 0.
int LocateRow(const MunsellRow* list, int key, int lo, int hi, float value);

// The table search with the conditions' renotation table (and their gamma
// for the RGB). yxy = the code's Yxy; hvc = its Munsell vector (greys
// without the table).
void RGBToHVC(RGBCode code, TColorVec& hvc, TColorVec& yxy, const ConversionConditions& c);
// yxy = HVCToYxy(hvc); returns the colour of that Yxy.
RGBCode HVCToRGB(const TColorVec& hvc, TColorVec& yxy, const ConversionConditions& c);
// Throws RangeError when there is no table, it is empty or has no sample
// near the Yxy.
void YxyToHVC(const TColorVec& yxy, TColorVec& hvc, const ConversionConditions& c);
// Throws RangeError when the table has no sample near the hue and value.
void HVCToYxy(const TColorVec& hvc, TColorVec& yxy, const ConversionConditions& c);

}  // namespace qolvar
