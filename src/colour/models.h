// Every colour model of the library in one list: its name, the forward
// conversion of a colour into it, and the conversion of its values back.
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
//
// The float models follow the CIE settings (CIEGamma, the reference white)
// and Munsell the loaded renotation table; conversions throw the library's
// errors (FloatError, RangeError) as the routines they call do.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "codes.h"

namespace qolvar {

enum class Model { XYZ, Yxy, Lab, Luv, HSV, HLS, CMYK, YUV, YCbCr, YPbPr, YIQ, Munsell };

struct ModelName {
    std::string_view name;  // lower case, as the command line writes it
    Model model;
};
inline constexpr std::array<ModelName, 12> kModelNames{{
    {"xyz", Model::XYZ},
    {"yxy", Model::Yxy},
    {"lab", Model::Lab},
    {"luv", Model::Luv},
    {"hsv", Model::HSV},
    {"hls", Model::HLS},
    {"cmyk", Model::CMYK},
    {"yuv", Model::YUV},
    {"ycbcr", Model::YCbCr},
    {"ypbpr", Model::YPbPr},
    {"yiq", Model::YIQ},
    {"munsell", Model::Munsell},
}};

std::optional<Model> ParseModel(std::string_view name);

// Whether the model's values are three single-precision floats (vec) rather
// than a packed code.
constexpr bool IsFloatModel(Model m)
{
    return m == Model::XYZ || m == Model::Yxy || m == Model::Lab || m == Model::Luv || m == Model::Munsell;
}

struct ModelValues {
    TColorVec vec{};         // the float models
    TColorVec yxy{};         // Munsell only
    std::uint32_t code = 0;  // the packed models
    bool beyond = false;     // Munsell by the renotation: the colour lies beyond the data
};

// A colour's values in a model.
ModelValues ConvertToModel(Model model, RGBCode rgb);
// The colour converted back from a colour's values, as a page's refresh
// shows it on its result swatch (for Munsell: the colour of the Yxy on the
// way, not of H V C).
RGBCode BackConverted(Model model, const ModelValues& values);

// Typed values back to a colour: vec for the float models (Munsell from
// H V C through the table), code for the packed ones.
RGBCode ModelToRGB(Model model, const ModelValues& values);

// The packed models' fields as they are shown, most significant first:
// HSV/HLS hue, then two bytes; CMYK four bytes; video luma and two
// differences, signed except for YCbCr. count is 0 for the float models.
struct ModelFields {
    int count = 0;
    std::array<long, 4> value{};
};
ModelFields FieldsOf(Model model, std::uint32_t code);
// The packed code of shown fields: the hue is taken whole, every other field
// is reduced to its byte (two's complement for negative differences).
std::uint32_t PackFields(Model model, const ModelFields& fields);

}  // namespace qolvar
