#include "models.h"

#include "cie.h"
#include "cmyk.h"
#include "hue.h"
#include "munsell.h"
#include "munsell_renotation.h"
#include "video.h"

namespace qolvar {

namespace {

// The video routines' index of a video model.
int VideoIndex(Model m)
{
    switch (m) {
    case Model::YUV: return 0;
    case Model::YCbCr: return 1;
    case Model::YPbPr: return 2;
    default: return 3;
    }
}

bool IsVideoModel(Model m) { return m == Model::YUV || m == Model::YCbCr || m == Model::YPbPr || m == Model::YIQ; }

}  // namespace

std::optional<Model> ParseModel(std::string_view name)
{
    for (const auto& m : kModelNames)
        if (m.name == name) return m.model;
    return std::nullopt;
}

ModelValues ConvertToModel(Model model, RGBCode rgb)
{
    ModelValues v;
    switch (model) {
    case Model::XYZ: RGBToXYZ(rgb, v.vec); break;
    case Model::Yxy: RGBToYxy(rgb, v.vec); break;
    case Model::Lab: RGBToLab(rgb, v.vec); break;
    case Model::Luv: RGBToLuv(rgb, v.vec); break;
    case Model::HSV: v.code = RGBToHSV(rgb); break;
    case Model::HLS: v.code = RGBToHLS(rgb); break;
    case Model::CMYK: v.code = RGBToCMYK(rgb); break;
    case Model::YUV:
    case Model::YCbCr:
    case Model::YPbPr:
    case Model::YIQ: v.code = RGBToVideo(VideoIndex(model), rgb); break;
    case Model::Munsell: MunsellRGBToHVC(rgb, v.vec, v.yxy, &v.beyond); break;
    }
    return v;
}

RGBCode BackConverted(Model model, const ModelValues& values)
{
    if (model != Model::Munsell) return ModelToRGB(model, values);
    TColorVec xyz = values.yxy;  // YxyToRGB leaves XYZ in its argument
    return YxyToRGB(xyz);
}

RGBCode ModelToRGB(Model model, const ModelValues& values)
{
    TColorVec v = values.vec;  // the composite reverse routines overwrite it
    switch (model) {
    case Model::XYZ: return XYZToRGB(v);
    case Model::Yxy: return YxyToRGB(v);
    case Model::Lab: return LabToRGB(v);
    case Model::Luv: return LuvToRGB(v);
    case Model::HSV: return HSVToRGB(values.code);
    case Model::HLS: return HLSToRGB(values.code);
    case Model::CMYK: return CMYKToRGB(values.code);
    case Model::YUV:
    case Model::YCbCr:
    case Model::YPbPr:
    case Model::YIQ: return VideoToRGB(VideoIndex(model), values.code);
    case Model::Munsell: {
        TColorVec yxy{};
        return MunsellHVCToRGB(v, yxy);
    }
    }
    return 0;
}

ModelFields FieldsOf(Model model, std::uint32_t code)
{
    ModelFields f;
    if (model == Model::HSV || model == Model::HLS) {
        f.count = 3;
        f.value = {static_cast<long>(code >> 16), static_cast<long>((code >> 8) & 0xFF),
                   static_cast<long>(code & 0xFF)};
    } else if (model == Model::CMYK) {
        f.count = 4;
        f.value = {static_cast<long>(code >> 24), static_cast<long>((code >> 16) & 0xFF),
                   static_cast<long>((code >> 8) & 0xFF), static_cast<long>(code & 0xFF)};
    } else if (IsVideoModel(model)) {
        f.count = 3;
        f.value[0] = static_cast<long>((code >> 16) & 0xFF);
        if (model == Model::YCbCr) {
            f.value[1] = static_cast<long>((code >> 8) & 0xFF);
            f.value[2] = static_cast<long>(code & 0xFF);
        } else {
            f.value[1] = SignedByte(code >> 8);
            f.value[2] = SignedByte(code);
        }
    }
    return f;
}

std::uint32_t PackFields(Model model, const ModelFields& fields)
{
    auto byte = [&](int i) { return static_cast<std::uint32_t>(fields.value[static_cast<std::size_t>(i)]) & 0xFF; };
    if (model == Model::HSV || model == Model::HLS)
        return static_cast<std::uint32_t>(fields.value[0]) << 16 | byte(1) << 8 | byte(2);
    if (model == Model::CMYK) return byte(0) << 24 | byte(1) << 16 | byte(2) << 8 | byte(3);
    if (IsVideoModel(model)) return byte(0) << 16 | byte(1) << 8 | byte(2);
    return 0;
}

}  // namespace qolvar
