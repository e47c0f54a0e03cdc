#include "colourformat.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

#include "errors.h"
#include "oklab.h"

namespace qolvar {

namespace {

// What a token takes its values from: the bare channel tokens, a model of
// the library, OKLab or OKLCh, or CSS HSL.
enum class Source { Channels, Exact, Ok, CssHsl };

struct Group {
    std::string_view name;
    Source source;
    Model model;  // Exact
    OkModel ok;   // Ok
    std::array<std::string_view, 6> fields;
};

// Group 0 holds the bare tokens.
constexpr std::array<Group, 16> kGroups{{
    {"", Source::Channels, Model::XYZ, OkModel::OkLab, {"R", "G", "B", "HEX", "hex"}},
    {"xyz", Source::Exact, Model::XYZ, OkModel::OkLab, {"X", "Y", "Z"}},
    {"yxy", Source::Exact, Model::Yxy, OkModel::OkLab, {"x", "y", "Y"}},
    {"lab", Source::Exact, Model::Lab, OkModel::OkLab, {"L", "a", "b"}},
    {"luv", Source::Exact, Model::Luv, OkModel::OkLab, {"L", "u", "v"}},
    {"hsv", Source::Exact, Model::HSV, OkModel::OkLab, {"H", "S", "V"}},
    {"hls", Source::Exact, Model::HLS, OkModel::OkLab, {"H", "L", "S"}},
    {"cmyk", Source::Exact, Model::CMYK, OkModel::OkLab, {"C", "M", "Y", "K"}},
    {"yuv", Source::Exact, Model::YUV, OkModel::OkLab, {"Y", "U", "V"}},
    {"ycbcr", Source::Exact, Model::YCbCr, OkModel::OkLab, {"Y", "Cb", "Cr"}},
    {"ypbpr", Source::Exact, Model::YPbPr, OkModel::OkLab, {"Y", "Pb", "Pr"}},
    {"yiq", Source::Exact, Model::YIQ, OkModel::OkLab, {"Y", "I", "Q"}},
    {"munsell", Source::Exact, Model::Munsell, OkModel::OkLab, {"H", "V", "C", "x", "y", "Y"}},
    {"oklab", Source::Ok, Model::XYZ, OkModel::OkLab, {"L", "a", "b"}},
    {"oklch", Source::Ok, Model::XYZ, OkModel::OkLCh, {"L", "C", "h"}},
    {"hsl", Source::CssHsl, Model::XYZ, OkModel::OkLab, {"h", "s", "l"}},
}};

// A token as messages quote it, cut at 40 characters.
std::string Quoted(std::string_view token)
{
    constexpr std::size_t kMax = 40;
    std::string s = "{";
    s.append(token.substr(0, kMax));
    s.append(token.size() > kMax ? "...}" : "}");
    return s;
}

int FieldIndex(const Group& g, std::string_view name)
{
    for (std::size_t i = 0; i < g.fields.size(); ++i)
        if (!g.fields[i].empty() && g.fields[i] == name) return static_cast<int>(i);
    return -1;
}

// The group and field of a token's name; a bare name that is none of the
// channel tokens may be a field of the default group.
std::pair<int, int> ReadToken(std::string_view name, std::string_view defaultGroup)
{
    const auto dot = name.find('.');
    const std::string_view groupName = dot == std::string_view::npos ? name : name.substr(0, dot);
    for (std::size_t g = 1; g < kGroups.size(); ++g) {
        if (kGroups[g].name != groupName) continue;
        if (dot == std::string_view::npos) return {static_cast<int>(g), -1};
        const int field = FieldIndex(kGroups[g], name.substr(dot + 1));
        if (field >= 0) return {static_cast<int>(g), field};
        break;
    }
    if (dot == std::string_view::npos) {
        const int field = FieldIndex(kGroups[0], name);
        if (field >= 0) return {0, field};
        for (std::size_t g = 1; g < kGroups.size() && !defaultGroup.empty(); ++g) {
            if (kGroups[g].name != defaultGroup) continue;
            const int own = FieldIndex(kGroups[g], name);
            if (own >= 0) return {static_cast<int>(g), own};
        }
    }
    throw TemplateError("書式の " + Quoted(name) + " は知らないトークンです");
}

// %.9g of a single: the command line's text of the float models, which
// reads back exactly.
std::string FloatText(float v)
{
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 9);
    return std::string(buf, res.ptr);
}

// The texts of a group's values for a colour.
std::vector<std::string> GroupTexts(const Group& g, RGBCode code)
{
    std::vector<std::string> texts;
    switch (g.source) {
    case Source::Channels: {
        const std::string hex = CodeToHex(code);
        std::string lower = hex;
        for (char& c : lower)
            if (c >= 'A' && c <= 'F') c = static_cast<char>(c - 'A' + 'a');
        texts = {std::to_string(code >> 16), std::to_string((code >> 8) & 0xFF), std::to_string(code & 0xFF), hex,
                 lower};
        break;
    }
    case Source::Exact: {
        const ModelValues v = ConvertToModel(g.model, code);
        if (IsFloatModel(g.model)) {
            for (const float f : v.vec) texts.push_back(FloatText(f));
            if (g.model == Model::Munsell)
                for (const float f : v.yxy) texts.push_back(FloatText(f));
        } else {
            const ModelFields f = FieldsOf(g.model, v.code);
            for (int i = 0; i < f.count; ++i) texts.push_back(std::to_string(f.value[static_cast<std::size_t>(i)]));
        }
        break;
    }
    case Source::Ok: {
        const auto ok = OkValueTexts(g.ok, OkValues(g.ok, code));
        texts.assign(ok.begin(), ok.end());
        break;
    }
    case Source::CssHsl:
        for (const int v : CssHsl(code)) texts.push_back(std::to_string(v));
        break;
    }
    return texts;
}

// n / d rounded to the nearest whole number, halves up (n >= 0, d > 0).
int RoundedQuotient(long n, long d) { return static_cast<int>((2 * n + d) / (2 * d)); }

}  // namespace

std::array<int, 3> CssHsl(RGBCode code)
{
    // Whole-number arithmetic on the bytes, so that halves round exactly.
    const long r = (code >> 16) & 0xFF, g = (code >> 8) & 0xFF, b = code & 0xFF;
    const long hi = std::max({r, g, b}), lo = std::min({r, g, b});
    const long chroma = hi - lo, sum = hi + lo;
    const int lightness = RoundedQuotient(sum * 100, 510);
    if (chroma == 0) return {0, 0, lightness};
    // Hue × chroma / 60 on the six sextants of the circle.
    long sextant;
    if (hi == r)
        sextant = g - b;
    else if (hi == g)
        sextant = b - r + 2 * chroma;
    else
        sextant = r - g + 4 * chroma;
    if (sextant < 0) sextant += 6 * chroma;
    int hue = RoundedQuotient(sextant * 60, chroma);
    if (hue == 360) hue = 0;
    // S = chroma / (1 − |2L − 1|), with L = sum / 510.
    const int saturation = RoundedQuotient(chroma * 100, 255 - std::labs(sum - 255));
    return {hue, saturation, lightness};
}

ColourTemplate::ColourTemplate(std::string_view text, std::string_view model)
{
    for (const auto& f : kPredefinedFormats)
        if (f.name == text) text = f.templ;
    std::string literal;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if ((c == '{' || c == '}') && i + 1 < text.size() && text[i + 1] == c) {
            literal.push_back(c);
            ++i;
            continue;
        }
        if (c == '}') throw TemplateError("書式の } に対応する { がありません（} そのものは }} と書きます）");
        if (c != '{') {
            literal.push_back(c);
            continue;
        }
        const auto close = text.find_first_of("{}", i + 1);
        if (close == std::string_view::npos || text[close] != '}')
            throw TemplateError("書式の { が閉じていません（{ そのものは {{ と書きます）");
        const auto [group, field] = ReadToken(text.substr(i + 1, close - i - 1), model);
        if (!literal.empty()) pieces_.push_back({std::move(literal), -1, -1});
        literal.clear();
        pieces_.push_back({{}, group, field});
        i = close;
    }
    if (!literal.empty()) pieces_.push_back({std::move(literal), -1, -1});
}

std::string ColourTemplate::Format(RGBCode code) const
{
    code &= 0xFFFFFF;
    std::array<std::vector<std::string>, kGroups.size()> texts;  // each group converted once
    std::string out;
    for (const auto& p : pieces_) {
        if (p.group < 0) {
            out.append(p.literal);
            continue;
        }
        auto& values = texts[static_cast<std::size_t>(p.group)];
        if (values.empty()) values = GroupTexts(kGroups[static_cast<std::size_t>(p.group)], code);
        if (p.field >= 0) {
            out.append(values[static_cast<std::size_t>(p.field)]);
            continue;
        }
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (i > 0) out.push_back(' ');
            out.append(values[i]);
        }
    }
    return out;
}

bool ColourTemplate::Uses(Model model) const
{
    for (const auto& p : pieces_) {
        if (p.group < 0) continue;
        const Group& g = kGroups[static_cast<std::size_t>(p.group)];
        if (g.source == Source::Exact && g.model == model) return true;
    }
    return false;
}

std::string FormatColour(RGBCode code, std::string_view templ) { return ColourTemplate(templ).Format(code); }

}  // namespace qolvar
