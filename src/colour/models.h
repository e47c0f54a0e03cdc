// Every colour model of the library in one table (kModels): its names, its
// fields as they are printed and typed, which conditions it follows; and
// the conversions of a colour into each model and of its values back.
//
// Values of a colour in each model (ModelValues), for colours that come from
// the forward conversion:
//   XYZ      vec  = X, Y, Z        scale where white has Y = 1 (X ≤ 0.95045, Z ≤ 1.088917)
//   Yxy      vec  = x, y, Y        chromaticity 0..1, Y on 0..100
//   Lab      vec  = L*, a*, b*     L* 0..100
//   Luv      vec  = L*, u*, v*     L* 0..100
//   Munsell  vec  = H, V, C        H on the circle 0..100 (negative: neutral), V 0..10, C ≥ 0
//            yxy  = the Yxy the conversion goes through (x, y, Y on 0..100)
//   HSV      code = HueCode        hue 0..359 in bits 16 and up, S, V 0..255
//   HLS      code = HueCode        hue 0..359, L, S 0..255
//   CMYK     code = CMYKCode       C, M, Y, K 0..255
//   YUV, YPbPr, YIQ  code = VideoCode  luma 0..255, two signed differences (two's-complement bytes)
//   YCbCr    code = VideoCode      luma 16..235, Cb, Cr 0..255 unsigned
//   OKLab    ok   = L, a, b        double precision (oklab.h)
//   OKLCh    ok   = L, C, h        h in degrees
//
// The float models follow the conditions' gamma (and L*a*b*, L*u*v* their
// white), Munsell also their renotation table and method; conversions throw
// the library's errors (FloatError, RangeError) as the routines they call do.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "codes.h"
#include "conditions.h"

namespace qolvar {

enum class Model { XYZ, Yxy, Lab, Luv, HSV, HLS, CMYK, YUV, YCbCr, YPbPr, YIQ, Munsell, OkLab, OkLCh };

// How a model's values are held, read and printed.
enum class ValueKind {
    Single,  // floats in vec (Munsell: also yxy), printed as %.9g of the single
    Packed,  // whole-number fields packed into code, printed as integers
    Double,  // doubles in ok, printed with a fixed number of decimals
};

struct FieldInfo {
    std::string_view name;      // in templates ({lab.L}) and in the model lists
    std::string_view caption;   // on the pages ("L*"); empty where it is the name
    std::string_view argument;  // a typed packed value as messages name it ("D1")
    long lo, hi;                // the whole numbers a packed field takes
    int decimals;               // the decimals a Double field is printed with
};

// A float field, a packed field, a field printed with fixed decimals.
constexpr FieldInfo FloatField(std::string_view name, std::string_view caption = {})
{
    return {name, caption, {}, 0, 0, 0};
}
constexpr FieldInfo PackedField(std::string_view name, long lo, long hi, std::string_view argument = {})
{
    return {name, {}, argument.empty() ? name : argument, lo, hi, 0};
}
constexpr FieldInfo DecimalField(std::string_view name, int decimals) { return {name, {}, {}, 0, 0, decimals}; }

// Which conditions change a model's values.
struct Follows {
    bool gamma, white, munsellTable;
};
inline constexpr Follows kNoConditions{false, false, false}, kGamma{true, false, false},
    kGammaAndWhite{true, true, false}, kGammaAndTable{true, false, true};

struct ModelInfo {
    Model model;
    std::string_view name;   // lower case, as the command line writes it
    std::string_view title;  // as the pages and the colour log name it
    ValueKind kind;
    int inputs;                       // the values typed for the way back
    int fieldCount;                   // the values printed (Munsell: H V C x y Y)
    std::array<FieldInfo, 6> fields;  // the printed values in order
    Follows follows;
};

// clang-format off: one model a line.
inline constexpr std::array<ModelInfo, 14> kModels{{
    {Model::XYZ,
     "xyz",
     "CIE XYZ",
     ValueKind::Single,
     3,
     3,
     {FloatField("X"), FloatField("Y"), FloatField("Z")},
     kGamma},
    {Model::Yxy,
     "yxy",
     "CIE Yxy",
     ValueKind::Single,
     3,
     3,
     {FloatField("x"), FloatField("y"), FloatField("Y")},
     kGamma},
    {Model::Lab,
     "lab",
     "CIE L*a*b*",
     ValueKind::Single,
     3,
     3,
     {FloatField("L", "L*"), FloatField("a", "a*"), FloatField("b", "b*")},
     kGammaAndWhite},
    {Model::Luv,
     "luv",
     "CIE L*u*v*",
     ValueKind::Single,
     3,
     3,
     {FloatField("L", "L*"), FloatField("u", "u*"), FloatField("v", "v*")},
     kGammaAndWhite},
    {Model::HSV,
     "hsv",
     "HSV",
     ValueKind::Packed,
     3,
     3,
     {PackedField("H", 0, 511), PackedField("S", 0, 255), PackedField("V", 0, 255)},
     kNoConditions},
    {Model::HLS,
     "hls",
     "HLS",
     ValueKind::Packed,
     3,
     3,
     {PackedField("H", 0, 511), PackedField("L", 0, 255), PackedField("S", 0, 255)},
     kNoConditions},
    {Model::CMYK,
     "cmyk",
     "CMYK",
     ValueKind::Packed,
     4,
     4,
     {PackedField("C", 0, 255), PackedField("M", 0, 255), PackedField("Y", 0, 255), PackedField("K", 0, 255)},
     kNoConditions},
    {Model::YUV,
     "yuv",
     "YUV",
     ValueKind::Packed,
     3,
     3,
     {PackedField("Y", 0, 255), PackedField("U", -128, 127, "D1"), PackedField("V", -128, 127, "D2")},
     kNoConditions},
    {Model::YCbCr,
     "ycbcr",
     "YCbCr",
     ValueKind::Packed,
     3,
     3,
     {PackedField("Y", 0, 255), PackedField("Cb", 0, 255), PackedField("Cr", 0, 255)},
     kNoConditions},
    {Model::YPbPr,
     "ypbpr",
     "YPbPr",
     ValueKind::Packed,
     3,
     3,
     {PackedField("Y", 0, 255), PackedField("Pb", -128, 127, "D1"), PackedField("Pr", -128, 127, "D2")},
     kNoConditions},
    {Model::YIQ,
     "yiq",
     "YIQ",
     ValueKind::Packed,
     3,
     3,
     {PackedField("Y", 0, 255), PackedField("I", -128, 127, "D1"), PackedField("Q", -128, 127, "D2")},
     kNoConditions},
    {Model::Munsell,
     "munsell",
     "HV/C",
     ValueKind::Single,
     3,
     6,
     {FloatField("H"), FloatField("V"), FloatField("C"), FloatField("x"), FloatField("y"), FloatField("Y")},
     kGammaAndTable},
    {Model::OkLab,
     "oklab",
     "OKLab",
     ValueKind::Double,
     3,
     3,
     {DecimalField("L", 4), DecimalField("a", 4), DecimalField("b", 4)},
     kNoConditions},
    {Model::OkLCh,
     "oklch",
     "OKLCh",
     ValueKind::Double,
     3,
     3,
     {DecimalField("L", 4), DecimalField("C", 4), DecimalField("h", 2)},
     kNoConditions},
}};
// clang-format on

// The table's entry of a model.
constexpr const ModelInfo& InfoOf(Model m) { return kModels[static_cast<std::size_t>(m)]; }
// A field's caption: its own, else its name.
constexpr std::string_view CaptionOf(const FieldInfo& f) { return f.caption.empty() ? f.name : f.caption; }

std::optional<Model> ParseModel(std::string_view name);

// The command-line names of every model, separated by single blanks.
std::string ModelNameList();

struct ModelValues {
    TColorVec vec{};             // the Single models
    TColorVec yxy{};             // Munsell only
    std::uint32_t code = 0;      // the Packed models
    std::array<double, 3> ok{};  // the Double models
    bool beyond = false;         // Munsell by the renotation: the colour lies beyond the data
};

// A colour's values in a model.
ModelValues ConvertToModel(Model model, RGBCode rgb, const ConversionConditions& c);
// The colour converted back from a colour's values, as a page's refresh
// shows it on its result swatch (for Munsell: the colour of the Yxy on the
// way, not of H V C; for OKLab and OKLCh: the colour of the values as they
// are printed).
RGBCode BackConverted(Model model, const ModelValues& values, const ConversionConditions& c);

// Typed values back to a colour: vec for the Single models (Munsell from
// H V C through the table), code for the Packed ones, ok for the Double
// ones. *clamped (when given) says whether a channel of an OKLab or OKLCh
// colour lay outside sRGB and was clamped.
RGBCode ModelToRGB(Model model, const ModelValues& values, const ConversionConditions& c, bool* clamped = nullptr);

// The texts of a colour's values as the command line prints them, one per
// field of the model: %.9g of the single for the Single models, whole
// numbers for the Packed ones, the field's decimals for the Double ones.
std::vector<std::string> ValueTexts(Model model, const ModelValues& values);
// Appends the same texts to out, each after a blank.
void AppendValueTexts(std::string& out, Model model, const ModelValues& values);

// The packed models' fields as they are shown, most significant first:
// HSV/HLS hue, then two bytes; CMYK four bytes; video luma and two
// differences, signed except for YCbCr. count is 0 for the other models.
struct ModelFields {
    int count = 0;
    std::array<long, 4> value{};
};
ModelFields FieldsOf(Model model, std::uint32_t code);
// The packed code of shown fields: the hue is taken whole, every other field
// is reduced to its byte (two's complement for negative differences).
std::uint32_t PackFields(Model model, const ModelFields& fields);

}  // namespace qolvar
