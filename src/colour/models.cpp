#include "models.h"

#include <algorithm>
#include <charconv>

#include "cie.h"
#include "cmyk.h"
#include "hue.h"
#include "munsell.h"
#include "munsell_renotation.h"
#include "numtext.h"
#include "oklab.h"
#include "video.h"

namespace qolvar {

namespace {

constexpr bool InModelOrder()
{
    for (std::size_t i = 0; i < kModels.size(); ++i)
        if (static_cast<std::size_t>(kModels[i].model) != i) return false;
    return true;
}
static_assert(InModelOrder(), "kModels follows Model");

OkModel OkModelOf(Model m) { return m == Model::OkLCh ? OkModel::OkLCh : OkModel::OkLab; }

// " " and %.9g of a single: enough digits to read the float back exactly.
void AppendFloat(std::string& out, float v)
{
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 9);
    out.push_back(' ');
    out.append(buf, res.ptr);
}

void AppendInt(std::string& out, long v)
{
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    out.push_back(' ');
    out.append(buf, res.ptr);
}

// A packed field's place: the fields fill the code's bytes from the most
// significant one used (byte count - 1) down to byte 0; a field that takes
// more than a byte (the hue, 0..511) takes every bit from its place up.
int ShiftOf(const ModelInfo& info, int i) { return 8 * (info.fieldCount - 1 - i); }
bool IsWide(const FieldInfo& f) { return f.hi > 255; }

}  // namespace

std::optional<Model> ParseModel(std::string_view name)
{
    for (const auto& m : kModels)
        if (m.name == name) return m.model;
    return std::nullopt;
}

std::string ModelNameList()
{
    std::string list;
    for (const auto& m : kModels) {
        if (!list.empty()) list.push_back(' ');
        list.append(m.name);
    }
    return list;
}

ModelValues ConvertToModel(Model model, RGBCode rgb, const ConversionConditions& c)
{
    ModelValues v;
    switch (model) {
    case Model::XYZ: RGBToXYZ(rgb, v.vec, c); break;
    case Model::Yxy: RGBToYxy(rgb, v.vec, c); break;
    case Model::Lab: RGBToLab(rgb, v.vec, c); break;
    case Model::Luv: RGBToLuv(rgb, v.vec, c); break;
    case Model::HSV: v.code = RGBToHSV(rgb); break;
    case Model::HLS: v.code = RGBToHLS(rgb); break;
    case Model::CMYK: v.code = RGBToCMYK(rgb); break;
    case Model::YUV:
    case Model::YCbCr:
    case Model::YPbPr:
    case Model::YIQ: v.code = RGBToVideo(model, rgb); break;
    case Model::Munsell: MunsellRGBToHVC(rgb, v.vec, v.yxy, c, &v.beyond); break;
    case Model::OkLab:
    case Model::OkLCh: v.ok = OkValues(OkModelOf(model), rgb & 0xFFFFFF); break;
    }
    return v;
}

RGBCode BackConverted(Model model, const ModelValues& values, const ConversionConditions& c)
{
    if (model == Model::Munsell) {
        TColorVec xyz = values.yxy;  // YxyToRGB leaves XYZ in its argument
        return YxyToRGB(xyz, c);
    }
    if (InfoOf(model).kind == ValueKind::Double) {
        // The values as printed, read back as a typed value is read: four
        // decimals do not always pin the byte.
        const std::vector<std::string> texts = ValueTexts(model, values);
        ModelValues printed;
        for (std::size_t i = 0; i < printed.ok.size(); ++i)
            printed.ok[i] = static_cast<double>(ParseDecimalTrimmed(texts[i]).value_or(0));
        return ModelToRGB(model, printed, c);
    }
    return ModelToRGB(model, values, c);
}

RGBCode ModelToRGB(Model model, const ModelValues& values, const ConversionConditions& c, bool* clamped)
{
    if (clamped) *clamped = false;
    TColorVec v = values.vec;  // the composite reverse routines overwrite it
    switch (model) {
    case Model::XYZ: return XYZToRGB(v, c);
    case Model::Yxy: return YxyToRGB(v, c);
    case Model::Lab: return LabToRGB(v, c);
    case Model::Luv: return LuvToRGB(v, c);
    case Model::HSV: return HSVToRGB(values.code);
    case Model::HLS: return HLSToRGB(values.code);
    case Model::CMYK: return CMYKToRGB(values.code);
    case Model::YUV:
    case Model::YCbCr:
    case Model::YPbPr:
    case Model::YIQ: return VideoToRGB(model, values.code);
    case Model::Munsell: {
        TColorVec yxy{};
        return MunsellHVCToRGB(v, yxy, c);
    }
    case Model::OkLab:
    case Model::OkLCh: {
        const OkRGB rgb = OkValuesToRGB(OkModelOf(model), values.ok);
        if (clamped) *clamped = rgb.clamped;
        return rgb.code;
    }
    }
    return 0;
}

void AppendValueTexts(std::string& out, Model model, const ModelValues& values)
{
    switch (InfoOf(model).kind) {
    case ValueKind::Single:
        for (const float f : values.vec) AppendFloat(out, f);
        if (model == Model::Munsell)
            for (const float f : values.yxy) AppendFloat(out, f);
        break;
    case ValueKind::Packed: {
        const ModelFields f = FieldsOf(model, values.code);
        for (int i = 0; i < f.count; ++i) AppendInt(out, f.value[static_cast<std::size_t>(i)]);
        break;
    }
    case ValueKind::Double:
        for (const std::string& t : OkValueTexts(OkModelOf(model), values.ok)) {
            out.push_back(' ');
            out.append(t);
        }
        break;
    }
}

std::vector<std::string> ValueTexts(Model model, const ModelValues& values)
{
    std::string line;
    AppendValueTexts(line, model, values);
    std::vector<std::string> texts;
    for (std::size_t from = 1; from <= line.size();) {  // each text follows a blank
        const std::size_t blank = std::min(line.find(' ', from), line.size());
        texts.push_back(line.substr(from, blank - from));
        from = blank + 1;
    }
    return texts;
}

ModelFields FieldsOf(Model model, std::uint32_t code)
{
    const ModelInfo& info = InfoOf(model);
    ModelFields f;
    if (info.kind != ValueKind::Packed) return f;
    f.count = info.fieldCount;
    for (int i = 0; i < f.count; ++i) {
        const FieldInfo& field = info.fields[static_cast<std::size_t>(i)];
        const std::uint32_t bits = code >> ShiftOf(info, i);
        long& value = f.value[static_cast<std::size_t>(i)];
        if (IsWide(field))
            value = static_cast<long>(bits);
        else if (field.lo < 0)
            value = SignedByte(bits);
        else
            value = static_cast<long>(bits & 0xFF);
    }
    return f;
}

std::uint32_t PackFields(Model model, const ModelFields& fields)
{
    const ModelInfo& info = InfoOf(model);
    if (info.kind != ValueKind::Packed) return 0;
    std::uint32_t code = 0;
    for (int i = 0; i < info.fieldCount; ++i) {
        const auto value = static_cast<std::uint32_t>(fields.value[static_cast<std::size_t>(i)]);
        code |= (IsWide(info.fields[static_cast<std::size_t>(i)]) ? value : value & 0xFF) << ShiftOf(info, i);
    }
    return code;
}

}  // namespace qolvar
